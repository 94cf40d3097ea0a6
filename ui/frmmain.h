// The main window: draws the game's state and hands every click, press and tick to the game.
#pragma once

#include "mainform.h"
#include "tickgate.h"
#include "toolkit.h"

#include <QWidget>

#include <array>
#include <memory>

class GameTimer;
class QAbstractButton;
class QLabel;
class SquareImage;
namespace Ui { class frmMain; }
namespace game { class RuntimeError; }

class FrmMain : public QWidget, private game::Toolkit {
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const game::MainForm& game() const { return m_form; }

public slots:
    // The timers' tick handlers; tests call them directly instead of waiting for a tick.
    void TieCheck_Timer();
    void CpuTurn_Timer();
    void WinCheck_Timer();

private:
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void beep() override;
    void changed(const game::Change& change) override;

    // Runs a game handler; a run-time error it raises is reported and the game goes on.
    // Ticks may run inside a handler's message box; clicks may not (see onClick).
    template <typename Handler>
    void run(Handler handler);
    void reportRuntimeError(const game::RuntimeError& error);
    // Runs handler on the button's clicks, except those that arrive while a handler runs.
    template <typename Handler>
    void onClick(QAbstractButton* button, Handler handler);
    void moveFocusToSink();
    GameTimer* addTimer(const char* name, void (FrmMain::*tick)());
    // Runs a tick, and puts its timer to sleep when the tick changed nothing.
    void tick(game::TickGate::Timer timer, void (game::MainForm::*handler)());
    void drawSquare(int square);
    const QLabel* markImage(game::Mark mark) const;

    std::unique_ptr<Ui::frmMain> ui;
    std::array<SquareImage*, game::kSquareCount> m_squares{};
    game::MainForm m_form;
    game::TickGate m_gate;
    std::array<GameTimer*, game::TickGate::TimerCount> m_timers{};
    int m_handlersRunning = 0; // more than one when ticks run inside a handler's message box
};
