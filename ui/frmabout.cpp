#include "frmabout.h"

#include "buttonkeys.h"
#include "classiclook.h"
#include "programstarter.h"
#include "runtimeerror.h"
#include "sharpartwork.h"
#include "waylandsession.h"
#include "ui_frmabout.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

QPointer<FrmAbout>& reference()
{
    static QPointer<FrmAbout> about;
    return about;
}

} // namespace

void FrmAbout::open()
{
    if (!reference())
        reference() = new FrmAbout;
    reference()->show();
    reference()->raise();
    reference()->activateWindow();
}

FrmAbout* FrmAbout::openWindow()
{
    return reference();
}

FrmAbout::FrmAbout() : ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads it: controls and all
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    applyDesignLook(this);
    ButtonKeys::install(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &FrmAbout::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &FrmAbout::Command2_Click);
    ui->Command1->setFocus(); // the first in the tab order
}

FrmAbout::~FrmAbout() = default;

// The program icon, stretched to its 40 pixels as designed; on a sharper screen its variant
// drawn at that size.
void FrmAbout::showEvent(QShowEvent* event)
{
    ui->Image1->setPixmap(SharpArtwork("tictactoe", "ico").pixmap(devicePixelRatioF()));
    QWidget::showEvent(event);
}

void FrmAbout::Command1_Click()
{
    close();
}

// Starts the system's version program and does not wait for it; on Wayland, first with a token
// for this press, so that its window may come forward. When it cannot be started, or shows no
// window at all, the player is told why, and the About window and the game carry on.
void FrmAbout::Command2_Click()
{
    requestActivationToken(windowHandle(), [about = QPointer<FrmAbout>(this)](const QByteArray& token) {
        const auto tell = [about](const QString& why) {
            QMessageBox box(QMessageBox::Warning, about ? about->windowTitle() : QApplication::applicationName(),
                            "The system information program could not be started.\n\n" + why, QMessageBox::Ok, about);
            box.exec();
        };
        try {
            ProgramStarter::start(token, tell); // the system's version program, "C:\\windows\\winver.exe"
        } catch (const game::RuntimeError& error) {
            tell(QString::fromStdString(error.description()));
        }
    });
}
