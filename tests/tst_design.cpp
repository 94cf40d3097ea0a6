// The main window as its stored design builds it: the start state, the pictures at every
// screen ratio, the colours and fonts the game gives, and the tab order as Tab walks it.
#include "widgethelpers.h"

#include "identity.h"
#include "sharpartwork.h"

#include <QtMath>

#include <QApplication>
#include <QToolButton>

class Design : public QObject {
    Q_OBJECT

private slots:
    // Controls are created in the design's order, which is also their stacking order.
    void creationOrder()
    {
        FrmMain window;
        QStringList names;
        for (QObject* object : window.children()) {
            if (object->isWidgetType())
                names << object->objectName();
        }
        QCOMPARE(names, (QStringList{"GetFocas", "Picture11", "OWin", "Empty2", "O", "X"}));
        // The three timers, all enabled at load, tick every 50 ms.
        using game::TimerSchedule;
        QCOMPARE(TimerSchedule::kInterval, std::chrono::milliseconds(50));
        for (auto timer : {TimerSchedule::TieCheck, TimerSchedule::CpuTurn, TimerSchedule::WinCheck})
            QVERIFY(window.runtime().timers().enabled(timer));
    }

    void windowAndStartState()
    {
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.objectName(), QString("frmMain"));
        QCOMPARE(window.windowTitle(), QString("TAVROK Tic-Tac-Toe"));
        QCOMPARE(window.size(), QSize(446, 220));
        // The program's icon, from the icon theme or the sizes the game ships.
        applyDesktopIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromUtf8(game::kDesktopId));
        for (int size : {16, 22, 24, 32, 48, 64})
            QVERIFY2(window.windowIcon().availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QCOMPARE(shownBoard(window), QString("........."));
        QCOMPARE(window.game().moveStage(), 1);
        for (const char* name : {"lblStatus", "Text1", "Text2", "Text3"})
            QVERIFY2(child<QLineEdit>(window, name)->isReadOnly(), name);
    }

    void markPictures()
    {
        FrmMain window;
        QCOMPARE(child<QLabel>(window, "X")->pixmap().size(), QSize(60, 54));
        QCOMPARE(child<QLabel>(window, "O")->pixmap().size(), QSize(67, 57));
        QCOMPARE(child<QLabel>(window, "OWin")->pixmap().size(), QSize(67, 57));
        QVERIFY(child<QLabel>(window, "Empty2")->pixmap().isNull());
        const QImage x = child<QLabel>(window, "X")->pixmap().toImage();
        QCOMPARE(x.pixelColor(0, 0), QColor(192, 192, 192));
        const QImage win = child<QLabel>(window, "OWin")->pixmap().toImage();
        QCOMPARE(win.pixelColor(0, 0), QColor(0, 0, 0));
        for (const char* name : {"cmdNewGame", "cmdAbout"})
            QCOMPARE(child<QToolButton>(window, name)->iconSize(), QSize(32, 32));
    }

    // On sharper screens each picture is drawn at the screen's own resolution: the marks and
    // the winning picture at their design size, the button icons at 32 and the About window's
    // program icon at 40 pixels, each times the ratio, one to one.
    void artworkIsSharpAtEveryRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QSize>("size"); // in the window's pixels
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.5, 2.0, 3.0}) {
            const QString at = QString(" at %1").arg(ratio);
            QTest::newRow(qPrintable("X" + at)) << "x" << "bmp" << QSize(60, 54) << ratio;
            QTest::newRow(qPrintable("O" + at)) << "o" << "bmp" << QSize(67, 57) << ratio;
            QTest::newRow(qPrintable("winning O" + at)) << "owin" << "bmp" << QSize(67, 57) << ratio;
            QTest::newRow(qPrintable("New Game" + at)) << "newgame" << "ico" << QSize(32, 32) << ratio;
            QTest::newRow(qPrintable("About" + at)) << "about" << "ico" << QSize(32, 32) << ratio;
            QTest::newRow(qPrintable("program icon" + at)) << "tictactoe" << "ico" << QSize(40, 40) << ratio;
        }
    }
    void artworkIsSharpAtEveryRatio()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QPixmap picture = SharpArtwork(name, extension).pixmap(ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.width(), qCeil(size.width() * ratio));
        QCOMPARE(picture.height(), qCeil(size.height() * ratio));
        // A button asks its icon for the size times the ratio, and gets that picture unscaled.
        if (size == QSize(32, 32))
            QCOMPARE(SharpArtwork(name, extension).icon(size).pixmap(size, ratio).toImage(),
                     picture.toImage());
    }

    // The About icon's white disc is whole: no pixel within it lets the button show through.
    void aboutIconDiscIsSolid()
    {
        const QImage icon = QImage(":/artwork/about.ico").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
                if (dx * dx + dy * dy < 14 * 14)
                    QVERIFY2(qAlpha(icon.pixel(x, y)) == 255, qPrintable(QString("hole at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void colorsAndFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<int>("pixels"); // points at 96 pixels per inch
        QTest::newRow("Text1") << "Text1" << QColor(0, 0, 0) << QColor(255, 255, 255) << 18;
        QTest::newRow("Text2") << "Text2" << QColor(0, 0, 255) << QColor(255, 0, 0) << 18;
        QTest::newRow("Text3") << "Text3" << QColor(255, 0, 0) << QColor(0, 0, 255) << 18;
        QTest::newRow("lstP1M") << "lstP1M" << QColor(128, 128, 128) << QColor(255, 255, 255) << 11;
        QTest::newRow("lstP2M") << "lstP2M" << QColor(128, 128, 128) << QColor(255, 255, 255) << 11;
        QTest::newRow("lblStatus") << "lblStatus" << QColor(0, 128, 128) << QColor(0, 0, 0) << 18;
        QTest::newRow("cmdNewGame") << "cmdNewGame" << QColor(192, 192, 192) << QColor(0, 0, 0) << 13;
        QTest::newRow("cmdAbout") << "cmdAbout" << QColor(192, 192, 192) << QColor(0, 0, 0) << 13;
    }
    void colorsAndFonts()
    {
        QFETCH(QString, name);
        QFETCH(QColor, back);
        QFETCH(QColor, fore);
        QFETCH(int, pixels);
        FrmMain window;
        QWidget* control = child(window, qPrintable(name));
        const bool button = control->inherits("QAbstractButton");
        QCOMPARE(control->palette().color(button ? QPalette::Button : QPalette::Base), back);
        QCOMPARE(control->palette().color(button ? QPalette::ButtonText : QPalette::Text), fore);
        QCOMPARE(control->font().pixelSize(), pixels);
        QCOMPARE(control->font().family(), QString("Liberation Sans"));
        // Every text fits its box.
        if (auto* box = qobject_cast<QLineEdit*>(control))
            QVERIFY(QFontMetrics(box->font()).horizontalAdvance(box->text()) < box->width() - 4);
    }

    void tabOrder()
    {
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList order;
        QWidget* widget = child(window, "cmdNewGame");
        for (int i = 0; i < 17; ++i) {
            order << widget->objectName();
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, Qt::Key_Tab);
            widget = QApplication::focusWidget();
        }
        // Each square takes its cell panel's place in the order.
        QCOMPARE(order, (QStringList{"cmdNewGame", "cmdAbout", "lstP1M", "lstP2M", "Text3", "Text1", "Text2",
                                     "lblStatus", "BottomRight", "BottomMiddle", "MiddleRight", "BottomLeft",
                                     "TopRight", "MiddleMiddle", "MiddleLeft", "TopMiddle", "TopLeft"}));
        QCOMPARE(widget->objectName(), QString("cmdNewGame")); // the hidden button is no tab stop
    }
};

WINDOW_TEST_MAIN(Design)
#include "tst_design.moc"
