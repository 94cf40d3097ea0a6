#include "frmmain.h"

#include "alarmclock.h"
#include "announcement.h"
#include "bell.h"
#include "boardkeys.h"
#include "buttonkeys.h"
#include "classiclook.h"
#include "frmabout.h"
#include "narrator.h"
#include "sharpartwork.h"
#include "ui_frmmain.h"

#include <QMessageBox>

namespace {

// The mark images' pictures as drawn on sharper screens.
SharpArtwork sharpMark(game::Mark mark)
{
    const std::string_view name = game::markPicture(mark);
    return name.empty() ? SharpArtwork() : SharpArtwork(QString::fromUtf8(name.data(), qsizetype(name.size())), "bmp");
}

} // namespace

FrmMain::FrmMain(game::Clock* clock, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()),
      m_ownClock(clock ? nullptr : new AlarmClock(this)),
      m_runtime(*this, clock ? *clock : *m_ownClock)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    applyDesignLook(this);
    applyControlColors(this);
    ButtonKeys::install(*this);
    ui->cmdNewGame->setIcon(SharpArtwork("newgame", "ico").icon(ui->cmdNewGame->iconSize()));
    ui->cmdAbout->setIcon(SharpArtwork("about", "ico").icon(ui->cmdAbout->iconSize()));

    for (int square = 1; square <= game::kSquareCount; ++square) {
        m_squares[square - 1] = findChild<SquareImage*>(QString::fromUtf8(game::squareName(square)));
        connect(m_squares[square - 1], &SquareImage::clicked, this, [this, square] { m_runtime.squareClick(square); });
        drawSquare(square);
        // The cell panels do not overlap, so their stacking is free: square by square, it is
        // also the order in which a screen reader walks the board.
        m_squares[square - 1]->parentWidget()->raise();
    }
    ui->Picture1->raise();
    draw({game::Change::Property::StatusText});
    draw({game::Change::Property::StatusBackColor});
    new BoardKeys(*this, m_squares, [this](int square) { m_runtime.squareClick(square); });
    connect(ui->cmdNewGame, &QAbstractButton::clicked, this, [this] { m_runtime.newGameClick(); });
    connect(ui->GetFocas, &QAbstractButton::clicked, this, [this] { m_runtime.getFocasClick(); });
    // Dropped, as the game's own clicks are, while a game handler's message box is open or closing.
    connect(ui->cmdAbout, &QAbstractButton::clicked, this, [this] {
        if (!m_runtime.busy())
            FrmAbout::open();
    });

    // The focus sink: lblStatus_MouseDown, Text1_MouseDown, Text2_MouseDown, Text3_MouseDown,
    // Picture11_MouseDown and Picture1_Click all park the focus on the hidden button.
    for (TextBox* box : {ui->lblStatus, ui->Text1, ui->Text2, ui->Text3})
        connect(box, &TextBox::mouseDown, this, &FrmMain::moveFocusToSink);
    connect(ui->Picture11, &PictureBox::mouseDown, this, &FrmMain::moveFocusToSink);
    connect(ui->Picture1, &PictureBox::clicked, this, &FrmMain::moveFocusToSink);

    if (m_ownClock)
        connect(m_ownClock, &AlarmClock::rang, this, [this] { m_runtime.alarm(); });
    m_runtime.load();
    ui->cmdNewGame->setFocus();
}

FrmMain::~FrmMain() = default;

void FrmMain::moveFocusToSink()
{
    ui->GetFocas->setFocus(Qt::OtherFocusReason);
}

void FrmMain::msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title)
{
    const QMessageBox::Icon shown = icon == game::BoxIcon::Information ? QMessageBox::Information
        : icon == game::BoxIcon::Critical                             ? QMessageBox::Critical
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(shown, QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok, this);
    box.exec();
}

void FrmMain::beep()
{
    ringBell();
}

// The square's name tells its mark; screen readers do not speak a name that changes under the
// focus, so the game announces each move as well.
void FrmMain::drawSquare(int square)
{
    const game::Mark mark = game().picture(square);
    SquareImage* image = m_squares[square - 1];
    image->setPicture(markImage(mark)->pixmap(), sharpMark(mark));
    image->setAccessibleName(QString::fromStdString(game::spokenSquare(square, mark)));
}

void FrmMain::announce(const std::string& message)
{
    Announcement::show(QString::fromStdString(message), this);
}

const QLabel* FrmMain::markImage(game::Mark mark) const
{
    switch (mark) {
    case game::Mark::X: return ui->X;
    case game::Mark::O: return ui->O;
    case game::Mark::OWin: return ui->OWin;
    case game::Mark::Empty: break;
    }
    return ui->Empty2;
}

// A move adds its one item and New Game empties the list; nothing else is redrawn, so the
// player's selection and scroll position survive the next move.
void FrmMain::drawList(QListWidget* list, const std::vector<std::string>& items)
{
    if (std::size_t(list->count()) > items.size())
        list->clear();
    for (std::size_t row = std::size_t(list->count()); row < items.size(); ++row)
        list->addItem(QString::fromStdString(items[row]));
}

void FrmMain::draw(const game::Change& change)
{
    using Property = game::Change::Property;
    switch (change.property) {
    case Property::SquarePicture:
        drawSquare(change.square);
        break;
    case Property::SquareEnabled:
        m_squares[change.square - 1]->setEnabled(game().squareEnabled(change.square));
        break;
    case Property::StatusText:
        ui->lblStatus->setText(QString::fromStdString(game().statusText()));
        break;
    case Property::StatusBackColor:
        setBackColor(ui->lblStatus, qColorOf(game().statusBackColor()));
        break;
    case Property::P1MoveList:
        drawList(ui->lstP1M, game().lstP1M());
        break;
    case Property::P2MoveList:
        drawList(ui->lstP2M, game().lstP2M());
        break;
    case Property::WinCheckEnabled:
    case Property::TieCheckEnabled:
        break; // the timers are the game's own
    }
}
