// The README's pictures of the game are what the current code draws: after a change to the
// windows, run drawscreenshots into docs/screenshots. Run at ratio 1, this also proves that
// every pixel there stays as it was; at ratio 2 (QT_SCALE_FACTOR=2), that the sharp pictures
// are drawn.
#include "scenes.h"

class Screenshots : public QObject {
    Q_OBJECT

private slots:
    void keptPicturesAreCurrent_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : scenes::kNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void keptPicturesAreCurrent()
    {
        QFETCH(QString, name);
        const QString file = scenes::fileName(name);
        const QImage kept(TICTACTOE_SOURCE_DIR "/docs/screenshots/" + file);
        QVERIFY2(!kept.isNull(), qPrintable(file + " is missing"));
        const QImage drawn = scenes::draw(name);
        QCOMPARE(drawn.devicePixelRatio(), qApp->devicePixelRatio());
        QVERIFY2(kept.convertToFormat(QImage::Format_RGB32) == drawn,
                 qPrintable(file + " differs from what the windows draw; run drawscreenshots into docs/screenshots"));
    }
};

WINDOW_TEST_MAIN(Screenshots)
#include "tst_screenshots.moc"
