// A stand-in for the system information program, planted where the game looks for it: when
// it runs it leaves a file named "marker" beside itself.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

inline void plantStandIn(const QString& file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile script(file);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho ran > \"$(dirname \"$0\")/marker\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}
