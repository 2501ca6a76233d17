// At a scale factor above 1 (QT_SCALE_FACTOR, 2 or 1.5) the board is drawn at the screen's own density,
// not blown up, a release lands on the cell under the pointer, and the option buttons show all they draw.
#include "boardpicture.h"
#include "leveldialog.h"
#include "look/look.h"
#include "look/twips.h"
#include "ssiform1.h"
#include "support/fakes.h"
#include "support/temporarysettings.h"
#include "support/windowtest.h"
#include "windowsystem/openwindow.h"

#include <QRadioButton>
#include <QSet>

#include <cmath>

class HiDpiTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;
    const double ratio_ = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();

    int device(double twips) const { return int(std::lround(twips / kTwipsPerPixel * ratio_)); }

private slots:
    void boardEdgesAndCrossAreSharpAtTheScreensDensity()
    {
        QVERIFY(ratio_ > 1);
        auto* form = new ssiForm1(std::make_unique<FixedSeedRandom>());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage window = form->grab().toImage();
        QCOMPARE(window.devicePixelRatio(), ratio_);
        QCOMPARE(window.size(), QSize(device(7740), device(7860)));

        click(form, "Command2");
        auto* picture = child<BoardPicture>(form, "Picture1");
        releaseAt(picture, 571, 571); // a cross on cell (2, 2)
        const QImage image = picture->grab().toImage();
        QCOMPARE(image.size(), QSize(device(4575), device(7245)));

        // Only the board's own colours and white: no blended pixel at any edge or on the cross.
        QSet<QRgb> allowed = {QColor(Qt::white).rgb()};
        for (ColourIndex k = 0; k < 16; ++k)
            allowed.insert(look::paletteColour(k).rgb());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(allowed.contains(image.pixel(x, y)), qPrintable(QString("blended pixel at %1,%2").arg(x).arg(y)));

        // The first cell edge falls on the device pixel nearest to 381 twips, which a picture drawn at
        // 1x and blown up could not show (50.8 device pixels at 2, 38.1 at 1.5).
        const Grid& pole = form->game().board.pole;
        int row = 1;
        while (pole(row, 1) == pole(row, 2))
            ++row;
        const int edge = int(std::lround(381 / double(kTwipsPerPixel) * ratio_));
        const int y = int((row - 1) * 381 / double(kTwipsPerPixel) * ratio_) + 10;
        QCOMPARE(QColor(image.pixel(edge - 1, y)), look::paletteColour(pole(row, 1)));
        QCOMPARE(QColor(image.pixel(edge, y)), look::paletteColour(pole(row, 2)));

        // When the area changes size, what it showed stays in place at full density.
        picture->resize(picture->width(), picture->height() + 8);
        QCOMPARE(picture->grab().toImage().copy(image.rect()), image);
        delete form;
    }

    // A release at the centre of a cell marks that cell, and its cross lies inside that cell alone.
    void aReleaseMarksTheCellUnderThePointer()
    {
        ssiForm1 form(std::make_unique<FixedSeedRandom>());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        click(&form, "Command2");
        auto* picture = child<BoardPicture>(&form, "Picture1");
        const int razmer = form.game().board.razmer;
        for (const QPoint cell : {QPoint(1, 1), QPoint(12, 19), QPoint(6, 10), QPoint(2, 18)}) {
            click(&form, "Command13");
            const QImage before = picture->grab().toImage();
            releaseAt(picture, (cell.x() - 1) * razmer + razmer / 2, (cell.y() - 1) * razmer + razmer / 2);
            QCOMPARE(form.game().move.hod, 1);
            QCOMPARE(QPoint(form.game().move.gotm1, form.game().move.votm1), cell);
            const QImage after = picture->grab().toImage();
            const QRect inside(QPoint(int(std::floor((cell.x() - 1) * razmer / double(kTwipsPerPixel) * ratio_)),
                                      int(std::floor((cell.y() - 1) * razmer / double(kTwipsPerPixel) * ratio_))),
                               QPoint(int(std::ceil(cell.x() * razmer / double(kTwipsPerPixel) * ratio_)),
                                      int(std::ceil(cell.y() * razmer / double(kTwipsPerPixel) * ratio_))));
            int changed = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x)
                    if (after.pixel(x, y) != before.pixel(x, y)) {
                        QVERIFY2(inside.adjusted(0, -1, 0, 1).contains(x, y),
                                 qPrintable(QString("the cross on %1,%2 reaches %3,%4").arg(cell.x()).arg(cell.y()).arg(x).arg(y)));
                        ++changed;
                    }
            QVERIFY(changed > razmer / double(kTwipsPerPixel) * ratio_);
        }
    }

    void optionButtonsShowTheirIndicatorAndCaptionWhole()
    {
        ssiForm1 form(std::make_unique<FixedSeedRandom>());
        form.show();
        click(&form, "Command11");
        auto* dialog = findOpenWindow<LevelDialog>(kSizeDialog.name);
        QVERIFY(dialog);
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            auto* option = child<QRadioButton>(dialog, name);
            option->setChecked(true);
            QVERIFY2(showsAllItDraws(option, look::kWindowGround), name);
        }
        dialog->close();
    }
};

GAME_TEST_MAIN(HiDpiTest)
#include "test_hidpi.moc"
