// At a scale factor of 2 the board is drawn at the screen's own density, not blown up.
#include "boardpicture.h"
#include "fakes.h"
#include "look.h"
#include "ssiform1.h"
#include "temporarysettings.h"
#include "windowtest.h"

#include <QSet>

class HiDpiTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

private slots:
    void boardEdgesAndCrossAreSharpAtTwiceTheDensity()
    {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        auto* form = new ssiForm1(std::make_unique<FixedSeedRandom>());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage window = form->grab().toImage();
        QCOMPARE(window.devicePixelRatio(), 2.0);
        QCOMPARE(window.size(), QSize(1032, 1048));

        click(form, "Command2");
        auto* picture = child<BoardPicture>(form, "Picture1");
        releaseAt(picture, 571, 571); // a cross on cell (2, 2)
        const QImage image = picture->grab().toImage();
        QCOMPARE(image.size(), QSize(610, 966));

        // Only the board's own colours and white: no blended pixel at any edge or on the cross.
        QSet<QRgb> allowed = {QColor(Qt::white).rgb()};
        for (ColourIndex k = 0; k < 16; ++k)
            allowed.insert(look::paletteColour(k).rgb());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(allowed.contains(image.pixel(x, y)), qPrintable(QString("blended pixel at %1,%2").arg(x).arg(y)));

        // Cells of 381 twips are 50.8 device pixels wide: the first edge falls on pixel 51, which a
        // picture drawn at half the density and doubled could not show.
        const Grid& pole = form->game().board.pole;
        int row = 1;
        while (pole(row, 1) == pole(row, 2))
            ++row;
        const int y = int((row - 1) * 381 * 2 / 15.0) + 10;
        QCOMPARE(QColor(image.pixel(50, y)), look::paletteColour(pole(row, 1)));
        QCOMPARE(QColor(image.pixel(51, y)), look::paletteColour(pole(row, 2)));

        // When the area changes size, what it showed stays in place at full density.
        picture->resize(picture->width(), picture->height() + 8);
        QCOMPARE(picture->grab().toImage().copy(image.rect()), image);
        delete form;
    }
};

QTEST_MAIN(HiDpiTest)
#include "test_hidpi.moc"
