// The pictures of the game that the README shows: the real windows, drawn offscreen.
#pragma once

#include "widgethelpers.h"

#include "frmabout.h"

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
    ShownWindow shown(false); // as the pictures were first taken: no focus drawn
    if (name == "mid-game")
        shown.play({5, 9});
    if (name == "computer-wins")
        shown.play({5, 9, 7});
    QImage image;
    if (name == "about") {
        QTest::mouseClick(shown["cmdAbout"], Qt::LeftButton);
        FrmAbout* about = FrmAbout::openWindow();
        image = about->grab().toImage();
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        shown["cmdNewGame"]->setFocus(); // where the focus rests when the window opens
        image = shown.window.grab().toImage();
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace scenes
