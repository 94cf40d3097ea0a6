// The main window: draws the game's state and hands every click, press and tick to the game.
#include "frmmain.h"

#include "aboutform.h"
#include "classiclook.h"
#include "enterpressesbuttons.h"
#include "gametimer.h"
#include "ratings.h"
#include "runtimeerror.h"
#include "ui_frmmain.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// What a screen reader says of a mark.
QString spokenMark(game::Mark mark)
{
    switch (mark) {
    case game::Mark::X: return "X";
    case game::Mark::O: return "O";
    case game::Mark::OWin: return "O, winning line";
    case game::Mark::Empty: break;
    }
    return "empty";
}

QStringList itemsOf(const std::vector<std::string>& list)
{
    QStringList items;
    for (const std::string& item : list)
        items << QString::fromStdString(item);
    return items;
}

} // namespace

// A template, not a std::function, so that a tick costs no allocation.
template <typename Handler>
void FrmMain::run(Handler handler)
{
    ++m_handlersRunning;
    try {
        handler();
    } catch (const game::RuntimeError& error) {
        reportRuntimeError(error);
    }
    --m_handlersRunning;
}

// A handler still running means its message box is open, or closing: the modal box keeps the
// player away from the board until the handler has finished. Clicks that arrive then are
// dropped. An access key clicks its button a moment after the press, so without this a New
// Game could start inside the computer's win and be frozen by the rest of it.
template <typename Handler>
void FrmMain::onClick(QAbstractButton* button, Handler handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
        if (m_handlersRunning == 0)
            handler();
    });
}

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()), m_form(*this)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    applyDesignLook(this);
    EnterPressesButtons::install(*this);

    m_squares = {ui->TopLeft, ui->TopMiddle, ui->TopRight, ui->MiddleLeft, ui->MiddleMiddle,
                 ui->MiddleRight, ui->BottomLeft, ui->BottomMiddle, ui->BottomRight};
    for (int square = 1; square <= game::kSquareCount; ++square) {
        SquareImage* image = m_squares[square - 1];
        onClick(image, [this, square] { run([this, square] { m_form.Square_Click(square); }); });
        drawSquare(square);
    }
    onClick(ui->cmdNewGame, [this] { run([this] { m_form.cmdNewGame_Click(); }); });
    onClick(ui->cmdAbout, [] { AboutForm::instance().show(); });
    onClick(ui->GetFocas, [this] { run([this] { m_form.GetFocas_Click(); }); });

    // The focus sink: lblStatus_MouseDown, Text1_MouseDown, Text2_MouseDown, Text3_MouseDown,
    // Picture11_MouseDown and Picture1_Click all park the focus on the hidden button.
    for (TextBox* box : {ui->lblStatus, ui->Text1, ui->Text2, ui->Text3})
        connect(box, &TextBox::mouseDown, this, &FrmMain::moveFocusToSink);
    connect(ui->Picture11, &PictureBox::mouseDown, this, &FrmMain::moveFocusToSink);
    connect(ui->Picture1, &PictureBox::clicked, this, &FrmMain::moveFocusToSink);

    // Created in the design's order, all enabled.
    m_timers[game::TickGate::TieCheck] = addTimer("TieCheck", &FrmMain::TieCheck_Timer);
    m_timers[game::TickGate::CpuTurn] = addTimer("CpuTurn", &FrmMain::CpuTurn_Timer);
    m_timers[game::TickGate::WinCheck] = addTimer("WinCheck", &FrmMain::WinCheck_Timer);

    m_form.Form_Load();
    ui->cmdNewGame->setFocus();
}

FrmMain::~FrmMain() = default;

GameTimer* FrmMain::addTimer(const char* name, void (FrmMain::*tick)())
{
    auto* timer = new GameTimer(name, this);
    connect(timer, &GameTimer::timeout, this, tick);
    timer->setEnabled(true);
    return timer;
}

void FrmMain::TieCheck_Timer()
{
    tick(game::TickGate::TieCheck, &game::MainForm::TieCheck_Timer);
}

void FrmMain::CpuTurn_Timer()
{
    tick(game::TickGate::CpuTurn, &game::MainForm::CpuTurn_Timer);
}

void FrmMain::WinCheck_Timer()
{
    tick(game::TickGate::WinCheck, &game::MainForm::WinCheck_Timer);
}

void FrmMain::tick(game::TickGate::Timer timer, void (game::MainForm::*handler)())
{
    const std::uint64_t before = m_form.revision();
    run([this, handler] { (m_form.*handler)(); });
    m_gate.ticked(timer, before, m_form.revision());
    if (!m_gate.needed(timer, m_form.revision()))
        m_timers[timer]->sleep();
}

void FrmMain::moveFocusToSink()
{
    ui->GetFocas->setFocus(Qt::OtherFocusReason);
}

void FrmMain::reportRuntimeError(const game::RuntimeError& error)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString("Run-time error '%1':\n\n%2")
                        .arg(error.number())
                        .arg(QString::fromStdString(error.description())),
                    QMessageBox::Ok, this);
    box.exec();
}

void FrmMain::msgBox(const std::string& prompt, int style, const std::string& title)
{
    const QMessageBox::Icon icon = style == game::kInformationStyle ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok, this);
    box.exec();
}

void FrmMain::beep()
{
    QApplication::beep();
}

void FrmMain::drawSquare(int square)
{
    const game::Mark mark = m_form.picture(square);
    SquareImage* image = m_squares[square - 1];
    image->setPicture(markImage(mark)->pixmap());
    image->setAccessibleName(QString("Square %1, %2").arg(square).arg(spokenMark(mark)));
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

void FrmMain::changed(const game::Change& change)
{
    // The state has moved on: every sleeping timer's next tick may matter again.
    for (int timer = 0; timer < game::TickGate::TimerCount; ++timer) {
        if (m_gate.needed(game::TickGate::Timer(timer), m_form.revision()))
            m_timers[timer]->wake();
    }

    using Property = game::Change::Property;
    switch (change.property) {
    case Property::SquarePicture:
        drawSquare(change.square);
        break;
    case Property::SquareEnabled:
        m_squares[change.square - 1]->setEnabled(m_form.squareEnabled(change.square));
        break;
    case Property::StatusText:
        ui->lblStatus->setText(QString::fromStdString(m_form.statusText()));
        break;
    case Property::StatusBackColor:
        setBackColor(ui->lblStatus, oleColor(m_form.statusBackColor()));
        break;
    case Property::P1MoveList:
        ui->lstP1M->clear();
        ui->lstP1M->addItems(itemsOf(m_form.lstP1M()));
        break;
    case Property::P2MoveList:
        ui->lstP2M->clear();
        ui->lstP2M->addItems(itemsOf(m_form.lstP2M()));
        break;
    case Property::WinCheckEnabled:
        m_timers[game::TickGate::WinCheck]->setEnabled(m_form.winCheckEnabled());
        break;
    case Property::TieCheckEnabled:
        m_timers[game::TickGate::TieCheck]->setEnabled(m_form.tieCheckEnabled());
        break;
    }
}
