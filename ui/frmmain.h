// The main window: draws the game's state and hands every click, press and alarm to the game.
#pragma once

#include "frontend.h"
#include "runtime.h"
#include "squares.h"

#include <QWidget>

#include <array>
#include <memory>

class AlarmClock;
class QLabel;
class QListWidget;
class SquareImage;
namespace Ui { class frmMain; }

class FrmMain : public QWidget, private game::FrontEnd {
    Q_OBJECT

public:
    // The timers run on the given clock, or, without one, on the system's, with a real alarm.
    explicit FrmMain(game::Clock* clock = nullptr, QWidget* parent = nullptr);
    ~FrmMain() override;

    const game::MainForm& game() const { return m_runtime.form(); }
    game::Runtime& runtime() { return m_runtime; }
    const game::Runtime& runtime() const { return m_runtime; }

private:
    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title) override;
    void beep() override;
    void draw(const game::Change& change) override;
    void announce(const std::string& message) override;

    void moveFocusToSink();
    void drawSquare(int square);
    void drawList(QListWidget* list, const std::vector<std::string>& items);
    const QLabel* markImage(game::Mark mark) const;

    std::unique_ptr<Ui::frmMain> ui;
    std::array<SquareImage*, game::kSquareCount> m_squares{};
    AlarmClock* m_ownClock = nullptr;
    game::Runtime m_runtime;
};
