// Draws the pictures of the game that the README shows, from the real windows offscreen.
//
//   drawscreenshots OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/NAME.png for each scene, or NAME@2x.png when run with
// QT_SCALE_FACTOR=2; tests/tst_screenshots.cpp proves that the kept pictures are what the
// current code draws.
#include "classiclook.h"
#include "scenes.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: drawscreenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    applyClassicLook(app);
    for (const QString& name : scenes::kNames) {
        if (!scenes::draw(name).save(QString("%1/%2").arg(argv[1], scenes::fileName(name))))
            return 1;
    }
    return 0;
}
