// The README's pictures of the game are what the current code draws: after a change to the
// windows, run drawscreenshots into docs/screenshots.
#include "support/scenes.h"

#include "classiclook.h"

class Screenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyClassicLook(*qApp); }

    void keptPicturesAreCurrent_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : scenes::kNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void keptPicturesAreCurrent()
    {
        QFETCH(QString, name);
        const QImage kept(QString(TICTACTOE_SOURCE_DIR "/docs/screenshots/%1.png").arg(name));
        QVERIFY2(!kept.isNull(), qPrintable(name + ".png is missing"));
        QVERIFY2(kept.convertToFormat(QImage::Format_RGB32) == scenes::draw(name),
                 qPrintable(name + ".png differs from what the windows draw; run drawscreenshots into docs/screenshots"));
    }
};

QTEST_MAIN(Screenshots)
#include "tst_screenshots.moc"
