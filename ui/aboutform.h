// The program's one About window: built from its design when shown, discarded when closed.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui { class frmAbout; }

class FrmAbout : public QWidget {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);
    ~FrmAbout() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};

// The program keeps one reference to the About window; the window itself exists only while
// it is open, so every opening shows it exactly as designed.
class AboutForm {
public:
    static AboutForm& instance();

    // Opens the window, or brings the open one forward; modeless, without an owner.
    void show();
    FrmAbout* window() const { return m_window; }

private:
    AboutForm() = default;
    QPointer<FrmAbout> m_window;
};
