// The pictures of the game that the README shows: the real windows, drawn offscreen.
#pragma once

#include "boxanswerer.h"
#include "widgethelpers.h"

#include "aboutform.h"

#include <QImage>
#include <QStringList>

namespace scenes {

// At the start, in the middle of a game, after the computer's win, and the About window.
inline const QStringList kNames = {"start", "mid-game", "computer-wins", "about"};

// The scene's file: NAME.png at the screen's ratio 1, NAME@2x.png at ratio 2.
inline QString fileName(const QString& name)
{
    const qreal ratio = qApp->devicePixelRatio();
    return ratio == 1 ? name + ".png" : QString("%1@%2x.png").arg(name).arg(ratio);
}

// Draws one scene as the window shows it, without the desktop's window frame.
inline QImage draw(const QString& name)
{
    ManualClock clock;
    FrmMain window(&clock);
    window.show();
    BoxAnswerer answerer;
    if (name == "mid-game")
        playMoves(window, clock, {5, 9});
    if (name == "computer-wins")
        playMoves(window, clock, {5, 9, 7});
    QImage image;
    if (name == "about") {
        QTest::mouseClick(child(window, "cmdAbout"), Qt::LeftButton);
        FrmAbout* about = AboutForm::instance().window();
        image = about->grab().toImage();
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        child(window, "cmdNewGame")->setFocus(); // where the focus rests when the window opens
        image = window.grab().toImage();
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace scenes
