// A stand-in for the system information program, planted where the game looks for it: when
// it runs it leaves a file named "marker" beside itself, or does what it is told instead.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A scratch folder whose files the game may trust: beside the test program, in the build's own
// folder, rather than in a shared temporary folder that other users may write to.
inline std::unique_ptr<QTemporaryDir> trustedScratch()
{
    return std::make_unique<QTemporaryDir>(QCoreApplication::applicationDirPath() + "/scratch-XXXXXX");
}

inline void plantStandIn(const QString& file, const QByteArray& does = "echo ran > \"$(dirname \"$0\")/marker\"")
{
    QDir().mkpath(QFileInfo(file).path());
    QFile script(file);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + does + "\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}
