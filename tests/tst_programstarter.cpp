// Which file "Sytem Info..." starts, with programs planted where a hostile or unlucky setup
// could put them: only the program installed for the game, by its absolute, canonical path,
// when it and every folder above it belong to root or the player and nobody else may write them.
#include "standin.h"

#include "installedfile.h"
#include "programstarter.h"
#include "runtimeerror.h"
#include "waylandsession.h"

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lookup and its error, as one text: the file found, or "error N: description".
QString lookUp()
{
    try {
        return ProgramStarter::resolve();
    } catch (const game::RuntimeError& error) {
        return QString("error %1: %2").arg(error.number()).arg(QString::fromStdString(error.description()));
    }
}

} // namespace

class ProgramStart : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_root = trustedScratch();
        QVERIFY(m_root->isValid());
        QDir().mkpath(root("games"));
        QDir().mkpath(root("libexec/tictactoe"));
        InstalledFile::setOwnExecutable(QFile::encodeName(root("games/Tic-Tac-Toe")));
        InstalledFile::setInstalledFolder(InstalledFile::Program, root("libexec/tictactoe"));
    }
    void cleanup()
    {
        InstalledFile::setOwnExecutable({});
        InstalledFile::setInstalledFolder(InstalledFile::Program, {});
        // As it was, so that the scratch folder can go.
        ::chmod(QFile::encodeName(root("libexec")).constData(), 0755);
        ::chmod(QFile::encodeName(root("libexec/tictactoe")).constData(), 0755);
    }

    // What is planted, and what is started: the installed program only, and only when trusted.
    void onlyTheTrustedInstalledProgramStarts_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed") << "installed" << "libexec/tictactoe/tictactoe-sysinfo";
        QTest::newRow("a link, to a trusted file") << "link" << "elsewhere/tictactoe-sysinfo";
        QTest::newRow("beside the game only") << "beside"
            << "error 53: File not found: tictactoe-sysinfo: ROOT/libexec/tictactoe/tictactoe-sysinfo (missing)";
        QTest::newRow("a folder") << "folder"
            << "error 75: Path/File access error: tictactoe-sysinfo: ROOT/libexec/tictactoe/tictactoe-sysinfo (a folder)";
        QTest::newRow("a plain file") << "plain"
            << "error 75: Path/File access error: tictactoe-sysinfo: ROOT/libexec/tictactoe/tictactoe-sysinfo (not executable)";
        QTest::newRow("a broken link") << "broken link"
            << "error 75: Path/File access error: tictactoe-sysinfo: ROOT/libexec/tictactoe/tictactoe-sysinfo (a broken link)";
        QTest::newRow("a folder anyone may write") << "open folder"
            << "error 75: Path/File access error: tictactoe-sysinfo: CANONICAL/libexec/tictactoe/tictactoe-sysinfo is not "
               "trusted: CANONICAL/libexec/tictactoe may be written by others";
        QTest::newRow("a program anyone may write") << "open file"
            << "error 75: Path/File access error: tictactoe-sysinfo: CANONICAL/libexec/tictactoe/tictactoe-sysinfo is not "
               "trusted: CANONICAL/libexec/tictactoe/tictactoe-sysinfo may be written by others";
        QTest::newRow("the player's, in a shared sticky folder") << "sticky" << "libexec/tictactoe/tictactoe-sysinfo";
        if (::getuid() == 0) { // only root can give a file to another user
            QTest::newRow("another user's program") << "foreign"
                << "error 75: Path/File access error: tictactoe-sysinfo: CANONICAL/libexec/tictactoe/tictactoe-sysinfo is not "
                   "trusted: CANONICAL/libexec/tictactoe/tictactoe-sysinfo belongs to another user";
            QTest::newRow("a link into another user's folder") << "foreign folder"
                << "error 75: Path/File access error: tictactoe-sysinfo: SHARED/planted/tictactoe-sysinfo is not trusted: "
                   "SHARED/planted/tictactoe-sysinfo belongs to another user";
        }
    }
    void onlyTheTrustedInstalledProgramStarts()
    {
        QFETCH(QString, planted);
        QFETCH(QString, expected);
        const QString file = root("libexec/tictactoe/tictactoe-sysinfo");
        if (planted == "installed" || planted == "open folder" || planted == "open file" || planted == "foreign"
            || planted == "sticky")
            plantStandIn(file);
        if (planted == "beside")
            plantStandIn(root("games/tictactoe-sysinfo"));
        if (planted == "folder")
            QVERIFY(QDir().mkdir(file));
        if (planted == "plain")
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        if (planted == "link") {
            plantStandIn(root("elsewhere/tictactoe-sysinfo"));
            QVERIFY(QFile::link(root("elsewhere/tictactoe-sysinfo"), file));
        }
        if (planted == "broken link")
            QVERIFY(QFile::link(root("nowhere"), file));
        if (planted == "open folder")
            QCOMPARE(::chmod(QFile::encodeName(root("libexec/tictactoe")).constData(), 0777), 0);
        if (planted == "sticky")
            QCOMPARE(::chmod(QFile::encodeName(root("libexec")).constData(), 01777), 0);
        if (planted == "open file")
            QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0777), 0);
        QTemporaryDir shared; // in the system's shared temporary folder
        if (planted == "foreign folder") {
            plantStandIn(shared.filePath("planted/tictactoe-sysinfo"));
            for (const char* path : {"planted", "planted/tictactoe-sysinfo"})
                QCOMPARE(::chown(QFile::encodeName(shared.filePath(path)).constData(), 65534, 65534), 0);
            QVERIFY(QFile::link(shared.filePath("planted/tictactoe-sysinfo"), file));
        }
        if (planted == "foreign")
            QCOMPARE(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);

        const QString canonicalRoot = QFileInfo(m_root->path()).canonicalFilePath();
        expected.replace("ROOT", m_root->path()).replace("CANONICAL", canonicalRoot);
        expected.replace("SHARED", QFileInfo(shared.path()).canonicalFilePath());
        QCOMPARE(lookUp(), expected.startsWith("error") ? expected : canonicalRoot + "/" + expected);
    }

    // A game in a folder whose name is not valid UTF-8, or known only by a relative name:
    // its folder cannot be named, so nothing is started, whatever lies in the working folder
    // or on PATH. The message names the program that was not found.
    void unnamableFolderStartsNothing_data()
    {
        QTest::addColumn<QByteArray>("executable");
        QTest::newRow("folder name not UTF-8") << QByteArray("/\xff\xfe/games/Tic-Tac-Toe");
        QTest::newRow("relative name") << QByteArray("games/Tic-Tac-Toe");
    }
    void unnamableFolderStartsNothing()
    {
        QFETCH(QByteArray, executable);
        const QString working = root("working");
        plantStandIn(working + "/tictactoe-sysinfo");
        plantStandIn(working + "/games/tictactoe-sysinfo");
        plantStandIn(root("libexec/tictactoe/tictactoe-sysinfo"));
        plantStandIn(root("onpath/tictactoe-sysinfo"));
        const QString before = QDir::currentPath();
        const QByteArray path = qgetenv("PATH");
        QVERIFY(QDir::setCurrent(working));
        qputenv("PATH", QFile::encodeName(root("onpath")) + ":" + path);
        InstalledFile::setOwnExecutable(executable);

        QString result;
        try {
            ProgramStarter::start();
        } catch (const game::RuntimeError& error) {
            result = QString::fromStdString(error.description());
        }
        QDir::setCurrent(before);
        qputenv("PATH", path);
        QVERIFY2(result.startsWith("File not found: tictactoe-sysinfo (the game's own folder cannot be named"),
                 qPrintable(result));
    }

    // A damaged module is never called: the game goes on without its Wayland extras.
    void damagedModuleIsNotCalled_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("why");
        QTest::newRow("its entry point is data") << TICTACTOE_DATA_MODULE << "its entry point is not a function";
        QTest::newRow("cut short") << "cut" << "Cannot load library";
    }
    void damagedModuleIsNotCalled()
    {
        QFETCH(QString, module);
        QFETCH(QString, why);
        if (module == "cut") {
            module = root("tictactoe-wayland.so");
            QFile whole(TICTACTOE_WAYLAND_MODULE), cut(module);
            QVERIFY(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
            cut.write(whole.read(512)); // its header, and nothing after
        }
        QString said;
        QCOMPARE(WaylandSession::loadModule(module, &said), nullptr);
        QVERIFY2(said.contains(why), qPrintable(said));
    }

private:
    QString root(const QString& name) const { return m_root->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(ProgramStart)
#include "tst_programstarter.moc"
