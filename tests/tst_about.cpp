// The About window: one at a time, rebuilt from its design on every opening, and the start of
// the system information program.
#include "standin.h"
#include "widgethelpers.h"

#include "frmabout.h"
#include "installedfile.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <signal.h> // kill()

namespace {

int openAboutWindows()
{
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        open += widget->objectName() == "frmAbout" && widget->isVisible();
    return open;
}

void clickAbout(const FrmMain& window)
{
    QTest::mouseClick(child(window, "cmdAbout"), Qt::LeftButton);
}

} // namespace

class About : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (FrmAbout* about = FrmAbout::openWindow())
            about->close();
        QTRY_VERIFY(!FrmAbout::openWindow());
        InstalledFile::setOwnExecutable({});
        InstalledFile::setInstalledFolder(InstalledFile::Program, {});
    }

    void aboutTwiceLeavesOneWindow()
    {
        ShownWindow w;
        clickAbout(w.window);
        FrmAbout* first = FrmAbout::openWindow();
        QVERIFY(first);
        clickAbout(w.window);
        QCOMPARE(FrmAbout::openWindow(), first);
        QCOMPARE(openAboutWindows(), 1);
        QVERIFY(!first->isModal());
        QVERIFY(!first->parentWidget());
    }

    void okThenAboutShowsItAfresh_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("OK") << false;
        QTest::newRow("close box") << true;
    }
    void okThenAboutShowsItAfresh()
    {
        QFETCH(bool, byCloseBox);
        ShownWindow w;
        clickAbout(w.window);
        FrmAbout* about = FrmAbout::openWindow();
        child(*about, "Command2")->setFocus();
        if (byCloseBox)
            about->close();
        else
            QTest::mouseClick(child(*about, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(!FrmAbout::openWindow()); // unloaded: the window and its controls are gone
        QCOMPARE(openAboutWindows(), 0);

        clickAbout(w.window);
        about = FrmAbout::openWindow();
        QVERIFY(about && about->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), child(*about, "Command1")); // as designed, not as left
    }

    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("Command2") << "Command2" << QRect(4440, 4440, 1455, 495) << "&Sytem Info...";
        QTest::newRow("Command1") << "Command1" << QRect(4440, 3840, 1455, 495) << "OK";
        QTest::newRow("Frame1") << "Frame1" << QRect(120, 3600, 5895, 135) << "";
        QTest::newRow("Image1") << "Image1" << QRect(240, 480, 600, 600) << "";
        QTest::newRow("Label5") << "Label5" << QRect(600, 3840, 3540, 1035) << "*";
        QTest::newRow("Label4") << "Label4" << QRect(1200, 3000, 3795, 240) << "*";
        QTest::newRow("Label3") << "Label3" << QRect(1200, 1440, 4455, 1275) << "*UNBEATABLE*";
        QTest::newRow("Label2") << "Label2" << QRect(1200, 840, 4035, 240) << "Version 1.0 for Windows 95 and  NT 4.0";
        QTest::newRow("Label1") << "Label1" << QRect(1200, 360, 2220, 240) << "TAVROK Tic-Tac-Toe";
    }
    void design()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        FrmAbout about;
        QWidget* control = child(about, qPrintable(name));
        const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                           qRound(twips.height() / 15.0));
        QCOMPARE(control->geometry(), pixels);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        if (auto* button = qobject_cast<QPushButton*>(control))
            shown = button->text();
        QVERIFY2(QRegularExpression(QRegularExpression::wildcardToRegularExpression(text)).match(shown).hasMatch(),
                 qPrintable(shown));
        // Every one-line text fits its box.
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    }

    void windowAsDesigned()
    {
        FrmAbout about;
        QCOMPARE(about.windowTitle(), QString("About TAVROK Tic-Tac-Toe"));
        QCOMPARE(about.minimumSize(), QSize(437, 333));
        QCOMPARE(about.maximumSize(), QSize(437, 333));
        QVERIFY(!(about.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(!about.testAttribute(Qt::WA_SetWindowIcon)); // no icon of its own: the program's
        QVERIFY(!child<QLabel>(about, "Image1")->toolTip().isEmpty());
        QVERIFY(child<QLabel>(about, "Image1")->hasScaledContents());
    }

    void gameGoesOnWhileAboutIsOpen()
    {
        ShownWindow w;
        clickAbout(w.window);
        w.play({5});
        QCOMPARE(shownBoard(w.window), QString("O...X...."));
        QVERIFY(FrmAbout::openWindow()->isVisible());
    }

    // "Sytem Info..." starts the program installed with the game, at once and without waiting
    // for it; when that cannot be started, a box says what
    // was tried, and when it ends without showing its window, what it said. The About window and
    // the game go on either way.
    void sytemInfo_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("installed") << "installed" << false;
        QTest::newRow("Alt+S") << "installed" << true;
        QTest::newRow("missing") << "nothing" << false;
        QTest::newRow("not executable") << "plain file" << false;
        QTest::newRow("a directory") << "directory" << false;
        QTest::newRow("shows no window") << "no window" << false;
        QTest::newRow("says much, and no window") << "much" << false;
        QTest::newRow("ends after its window showed") << "shown, then ended" << false;
    }
    void sytemInfo()
    {
        QFETCH(QString, planted);
        QFETCH(bool, byKey);
        const auto root = trustedScratch();
        const QString games = root->filePath("games");
        const QString libexec = root->filePath("libexec/tictactoe");
        const QString file = libexec + "/tictactoe-sysinfo";
        QVERIFY(QDir().mkpath(planted == "directory" ? file : libexec));
        if (planted == "installed")
            plantStandIn(file);
        if (planted == "no window")
            plantStandIn(file, "echo 'tictactoe-sysinfo: no display to show it on' >&2; exit 1");
        if (planted == "much") // 20 MB, of which the game keeps the last words
            plantStandIn(file, "head -c 20000000 /dev/zero | tr '\\0' x >&2; echo; echo 'no display to show it on' >&2; exit 1");
        if (planted == "shown, then ended")
            plantStandIn(file, "echo shown; echo $$ > \"$(dirname \"$0\")/pid\"; kill -TERM $$");
        if (planted == "plain file")
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        InstalledFile::setOwnExecutable(QFile::encodeName(games + "/Tic-Tac-Toe"));
        InstalledFile::setInstalledFolder(InstalledFile::Program, libexec);

        ShownWindow w;
        clickSquare(w.window, 1);
        clickAbout(w.window);
        FrmAbout* about = FrmAbout::openWindow();
        QSignalSpy clicks(child<QPushButton>(*about, "Command2"), &QPushButton::clicked);
        if (byKey) {
            QVERIFY(QTest::qWaitForWindowActive(about));
            QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
            QCOMPARE(clicks.size(), 1); // at once, not after a visible press
        } else {
            QTest::mouseClick(child(*about, "Command2"), Qt::LeftButton);
        }
        if (planted == "installed") {
            QTRY_VERIFY(QFile::exists(libexec + "/marker"));
            QCOMPARE(w.answerer.boxes.size(), 0);
        } else if (planted == "shown, then ended") {
            QTRY_VERIFY(QFile::exists(libexec + "/pid"));
            QFile pid(libexec + "/pid");
            QVERIFY(pid.open(QIODevice::ReadOnly));
            const pid_t ended = pid.readAll().trimmed().toInt();
            QTRY_VERIFY(::kill(ended, 0) != 0); // gone, and seen to end by the game
            QCOMPARE(w.answerer.boxes.size(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(w.answerer.boxes.size(), 1, 20000);
            const QString text = w.answerer.boxes[0].text;
            QVERIFY(text.contains("could not be started"));
            QVERIFY2(text.contains(planted == "no window" || planted == "much" ? "no display to show it on" : "tictactoe-sysinfo"),
                     qPrintable(text.left(200)));
            QVERIFY2(text.size() < 5000, qPrintable(QString::number(text.size())));
        }
        QVERIFY(FrmAbout::openWindow()->isVisible());
        QCOMPARE(shownBoard(w.window), QString("X........"));
        QCOMPARE(statusText(w.window), expected::kOsTurn);
    }

    // The program runs until no window that quits on close is left open.
    void programEndsWhenItsLastWindowCloses()
    {
        const auto openWindows = [] {
            QStringList open;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible() && widget->testAttribute(Qt::WA_QuitOnClose))
                    open << widget->objectName();
            }
            return open;
        };
        auto* window = new FrmMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<FrmMain> alive(window);
        window->show();
        clickAbout(*window);
        window->close();
        QTRY_VERIFY(!alive); // its timers are gone with it
        QCOMPARE(openWindows(), QStringList{"frmAbout"});
        QTest::mouseClick(child(*FrmAbout::openWindow(), "Command1"), Qt::LeftButton);
        QCOMPARE(openWindows(), QStringList{});
    }
};

WINDOW_TEST_MAIN(About)
#include "tst_about.moc"
