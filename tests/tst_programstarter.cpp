// Which file "Sytem Info..." starts, with programs planted where a hostile or unlucky
// setup could put them: only a regular, executable file beside the game or in its libexec
// folder is started, by its absolute, canonical path.
#include "standin.h"

#include "programstarter.h"
#include "runtimeerror.h"

#include <QTemporaryDir>

#include <memory>

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
        m_rootDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_rootDir->isValid());
        m_games = root().filePath("games");
        m_libexec = root().filePath("libexec/tictactoe");
        QDir().mkpath(m_games);
        QDir().mkpath(m_libexec);
        ProgramStarter::setOwnExecutable(QFile::encodeName(m_games + "/Tic-Tac-Toe"));
    }
    void cleanup() { ProgramStarter::setOwnExecutable({}); }

    // Beside the game first, then the libexec folder; what cannot run is passed over.
    void foldersAreSearchedInOrder_data()
    {
        QTest::addColumn<QString>("beside"); // what stands beside the game
        QTest::addColumn<bool>("inLibexec"); // whether a good copy stands in libexec
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the game") << "program" << true << "games/tictactoe-sysinfo";
        QTest::newRow("libexec") << "" << true << "libexec/tictactoe/tictactoe-sysinfo";
        QTest::newRow("a folder beside") << "folder" << true << "libexec/tictactoe/tictactoe-sysinfo";
        QTest::newRow("a plain file beside") << "plain" << true << "libexec/tictactoe/tictactoe-sysinfo";
        QTest::newRow("a link beside, to the real file") << "link" << false << "elsewhere/tictactoe-sysinfo";
        QTest::newRow("nothing anywhere") << "" << false
            << "error 53: File not found: tictactoe-sysinfo: ROOT/games/tictactoe-sysinfo (missing), "
               "ROOT/libexec/tictactoe/tictactoe-sysinfo (missing)";
        QTest::newRow("a broken link beside") << "broken link" << false
            << "error 75: Path/File access error: tictactoe-sysinfo: ROOT/games/tictactoe-sysinfo (a broken link), "
               "ROOT/libexec/tictactoe/tictactoe-sysinfo (missing)";
        QTest::newRow("only a plain file") << "plain" << false
            << "error 75: Path/File access error: tictactoe-sysinfo: ROOT/games/tictactoe-sysinfo (not executable), "
               "ROOT/libexec/tictactoe/tictactoe-sysinfo (missing)";
    }
    void foldersAreSearchedInOrder()
    {
        QFETCH(QString, beside);
        QFETCH(bool, inLibexec);
        QFETCH(QString, expected);
        const QString besideFile = m_games + "/tictactoe-sysinfo";
        if (beside == "program")
            plantStandIn(besideFile);
        if (beside == "folder")
            QVERIFY(QDir().mkdir(besideFile));
        if (beside == "plain") {
            QFile plain(besideFile);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        if (beside == "link") {
            plantStandIn(root().filePath("elsewhere/tictactoe-sysinfo"));
            QVERIFY(QFile::link(root().filePath("elsewhere/tictactoe-sysinfo"), besideFile));
        }
        if (beside == "broken link")
            QVERIFY(QFile::link(root().filePath("nowhere"), besideFile));
        if (inLibexec)
            plantStandIn(m_libexec + "/tictactoe-sysinfo");

        const QString canonicalRoot = QFileInfo(root().path()).canonicalFilePath();
        expected.replace("ROOT", root().path());
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
        const QString working = root().filePath("working");
        plantStandIn(working + "/tictactoe-sysinfo");
        plantStandIn(working + "/games/tictactoe-sysinfo");
        plantStandIn(root().filePath("libexec/tictactoe/tictactoe-sysinfo")); // ../libexec from the working folder
        plantStandIn(root().filePath("onpath/tictactoe-sysinfo"));
        const QString before = QDir::currentPath();
        const QByteArray path = qgetenv("PATH");
        QVERIFY(QDir::setCurrent(working));
        qputenv("PATH", QFile::encodeName(root().filePath("onpath")) + ":" + path);
        ProgramStarter::setOwnExecutable(executable);

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

private:
    const QTemporaryDir& root() const { return *m_rootDir; }

    std::unique_ptr<QTemporaryDir> m_rootDir;
    QString m_games, m_libexec;
};

QTEST_GUILESS_MAIN(ProgramStart)
#include "tst_programstarter.moc"
