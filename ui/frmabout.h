// The About window: built from its design when shown, discarded when closed.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui { class frmAbout; }

// The program keeps one reference to the About window for its whole run; the window itself
// exists only while it is open, so that every opening shows it exactly as designed.
class FrmAbout : public QWidget {
    Q_OBJECT

public:
    // Opens the window, or brings the open one forward; modeless, without an owner.
    static void open();
    // The open window, or none.
    static FrmAbout* openWindow();

    // A window of its own, outside the program's one reference (the tests build such).
    FrmAbout();
    ~FrmAbout() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
