// A stand-in for the system information program, planted where the game looks for it: when
// it runs it leaves a file named "marker" beside itself, or does what it is told instead.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

inline void plantStandIn(const QString& file, const QByteArray& does = "echo ran > \"$(dirname \"$0\")/marker\"")
{
    QDir().mkpath(QFileInfo(file).path());
    QFile script(file);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + does + "\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}
