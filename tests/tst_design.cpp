// The main window's stored design, checked control by control against the window's layout
// in twips (15 twips make a pixel; a control inside a panel sits inside the panel's border).
#include "widgethelpers.h"

#include "identity.h"
#include "picturebox.h"
#include "sharpartwork.h"

#include <QtMath>

#include <QApplication>
#include <QToolButton>

namespace {

QRect expectedGeometry(const QWidget& control, QRect twips)
{
    QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                 qRound(twips.height() / 15.0));
    if (auto* panel = qobject_cast<PictureBox*>(control.parentWidget())) {
        const int border = panel->frameWidth();
        pixels.translate(border, border);
        if (control.inherits("SquareImage"))
            pixels = pixels.intersected(panel->contentsRect()); // a square is cut off by its cell
    }
    return pixels;
}

QString textOf(const QWidget& control)
{
    if (auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

} // namespace

class Design : public QObject {
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");

        const auto row = [](const char* name, const char* kind, const char* container, QRect twips,
                            const char* text = "", const char* tip = "") {
            QTest::newRow(name) << name << kind << container << twips << text << tip;
        };
        row("GetFocas", "QPushButton", "frmMain", {3720, 4320, 615, 615});
        row("Picture11", "PictureBox", "frmMain", {15, 15, 6645, 3240});
        const struct { const char* square; const char* cell; int left, top, number; } cells[] = {
            {"TopLeft", "Picture2", 120, 30, 1},         {"TopMiddle", "Picture3", 1200, 30, 2},
            {"MiddleLeft", "Picture4", 120, 1150, 4},    {"MiddleMiddle", "Picture5", 1200, 1150, 5},
            {"TopRight", "Picture6", 2280, 30, 3},       {"BottomLeft", "Picture7", 120, 2300, 7},
            {"MiddleRight", "Picture8", 2280, 1150, 6},  {"BottomMiddle", "Picture9", 1200, 2300, 8},
            {"BottomRight", "Picture10", 2280, 2300, 9},
        };
        static QList<QByteArray> tips;
        for (const auto& c : cells) {
            row(c.cell, "PictureBox", "Picture11", {c.left, c.top, 975, 855});
            tips << QByteArray("Square ") + QByteArray::number(c.number);
            row(c.square, "SquareImage", c.cell, {0, 0, 975, 855}, "", tips.last().constData());
        }
        row("Picture1", "PictureBox", "Picture11", {3360, 0, 3225, 3225});
        row("lblStatus", "TextBox", "Picture1", {60, 1635, 3060, 480}, "X's Turn", "Game Status");
        row("lstP1M", "QListWidget", "Picture1", {60, 765, 1575, 840}, "", "X's Moves");
        row("Text2", "TextBox", "Picture1", {60, 465, 1575, 360}, "        X");
        row("Text1", "TextBox", "Picture1", {60, 45, 3045, 420}, "            Move List");
        row("cmdAbout", "QToolButton", "Picture1", {1665, 2160, 1455, 975}, "&About", "About TAVROK Tic-Tac-Toe");
        row("cmdNewGame", "QToolButton", "Picture1", {60, 2160, 1575, 975}, "&New Game", "New Tic-Tac-Toe Game");
        row("lstP2M", "QListWidget", "Picture1", {1680, 765, 1455, 840}, "", "O's Moves");
        row("Text3", "TextBox", "Picture1", {1665, 450, 1455, 390}, "        O");
        row("OWin", "QLabel", "frmMain", {4080, 3480, 1005, 855});
        row("Empty2", "QLabel", "frmMain", {2160, 4320, 735, 615});
        row("O", "QLabel", "frmMain", {2280, 3480, 1005, 855});
        row("X", "QLabel", "frmMain", {3240, 3480, 900, 810});
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        FrmMain window;
        QWidget* control = child(window, qPrintable(name));
        QVERIFY(control->inherits(qPrintable(kind)));
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(), expectedGeometry(*control, twips));
        QCOMPARE(textOf(*control), text);
        QCOMPARE(control->toolTip(), toolTip);
    }

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
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.tavrok.tictactoe"));
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
