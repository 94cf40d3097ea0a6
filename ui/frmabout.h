// The About window: built from its design when shown, discarded when closed.
#pragma once

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
