// What the player sees of every window, read from its pixels: the push buttons' faces in their own
// colours with dark captions, the texts in their colours, the waiting main window unchanged, and, under a
// desktop theme or style (IGRA_LOOK_REFERENCE names the pictures of the run without one), every window
// the same to the pixel.
#include "frmabout.h"
#include "game/levels.h"
#include "leveldialog.h"
#include "look/look.h"
#include "ssiform1.h"
#include "ssiform5.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

#include <QDir>

namespace {

// A text in its own colour on its ground: that colour inks some of its pixels, the ground most others.
struct Text {
    const char* control;
    QColor ink;
    QColor ground;
};

struct WindowLook {
    const char* name;
    const char* opener; // the main window's button that opens it
    QColor face;
    QVector<Text> texts;
};

const QVector<WindowLook> kLooks = {
    {ssiForm1::kName, nullptr, look::kButtonFace,
     {{"Label4", look::kDarkBlue, look::kWindowGround}, {"Label1", look::kPurple, look::kWindowGround}, {"Label2", look::kPurple, look::kWindowGround},
      {"Label3", look::kPurple, look::kWindowGround}}},
    {kSizeDialog.name, "Command11", look::kButtonFace,
     {{"Option1", look::kDarkBlue, look::kWindowGround}, {"Option2", look::kDarkBlue, look::kWindowGround}, {"Option3", look::kDarkBlue, look::kWindowGround}}},
    {kDifficultyDialog.name, "Command12", look::kButtonFace,
     {{"Option1", look::kDarkBlue, look::kWindowGround}, {"Option2", look::kDarkBlue, look::kWindowGround}, {"Option3", look::kDarkBlue, look::kWindowGround}}},
    {ssiForm5::kName, "Command7", look::kHelpButtonFace, {{"Text1", Qt::black, look::kPaleGreen}}},
    {frmAbout::kName, "Command8", look::kButtonFace,
     {{"lblTitle", look::kNavy, look::kWindowGround}, {"lblVersion", look::kNavy, look::kWindowGround}, {"lblDescription", look::kBlue, look::kWindowGround}}},
};

// A control's rectangle in the window's picture, in device pixels.
QRect deviceRect(QWidget* window, QWidget* control, qreal ratio)
{
    const QRect logical(control->mapTo(window, QPoint(0, 0)), control->size());
    return QRect((QPointF(logical.topLeft()) * ratio).toPoint(), (QSizeF(logical.size()) * ratio).toSize());
}

int count(const QImage& image, const QRect& area, const QColor& colour)
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += image.pixel(x, y) == colour.rgb();
    return found;
}

// The darkest pixel of an area, by its lightness.
int darkest(const QImage& image, const QRect& area)
{
    int least = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            least = std::min(least, QColor(image.pixel(x, y)).lightness());
    return least;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

private slots:
    void init()
    {
        settings_.clear();
        settings_.set(kSizeKey, "2"); // an option chosen in the size dialog
    }

    void cleanup() { closeAllWindows(); }

    void everyWindowShowsItsOwnColours_data()
    {
        QTest::addColumn<int>("look");
        for (int i = 0; i < kLooks.size(); ++i)
            QTest::newRow(kLooks[i].name) << i;
    }

    void everyWindowShowsItsOwnColours()
    {
        QFETCH(int, look);
        const WindowLook& expected = kLooks[look];
        // Opened as a player would, with something in each of its texts.
        PlayedWindow w;
        w.newGame();
        QWidget* window = expected.opener ? w.open<QWidget>(expected.opener, expected.name) : w.form;
        QVERIFY(window);
        const QImage shown = window->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();

        // A flat face in exactly its colour inside the raised edge, and a dark caption.
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            const QRect inner = deviceRect(window, button, ratio).marginsRemoved(QMargins(4, 4, 4, 4) * ratio);
            const int face = count(shown, inner, expected.face);
            QVERIFY2(face * 10 >= inner.width() * inner.height() * 6,
                     qPrintable(QString("%1: %2 of %3 face pixels in %4, e.g. %5")
                                    .arg(button->objectName()).arg(face).arg(inner.width() * inner.height())
                                    .arg(expected.face.name()).arg(QColor(shown.pixel(inner.topLeft())).name())));
            QVERIFY2(darkest(shown, inner) < 40, qPrintable(button->objectName() + " has no dark caption"));
        }
        for (const Text& text : expected.texts) {
            const QRect area = deviceRect(window, child(window, text.control), ratio);
            QVERIFY2(count(shown, area, text.ink) >= 10 * ratio * ratio,
                     qPrintable(QString("%1 shows no %2").arg(text.control, text.ink.name())));
            QVERIFY2(count(shown, area, text.ground) * 10 >= area.width() * area.height() * 4,
                     qPrintable(QString("%1 is not on %2").arg(text.control, text.ground.name())));
        }

        // Under a desktop theme, the same as without one.
        const QString reference = qEnvironmentVariable("IGRA_LOOK_REFERENCE");
        if (reference.isEmpty())
            return;
        const QString file = QStringLiteral("%1/%2-%3.png").arg(reference).arg(ratio).arg(expected.name);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME") && qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
            QDir().mkpath(reference);
            QVERIFY(shown.save(file));
        } else {
            QImage unthemed(file);
            QVERIFY2(!unthemed.isNull(), qPrintable(file));
            unthemed.setDevicePixelRatio(ratio);
            QCOMPARE(shown, unthemed.convertToFormat(shown.format()));
        }
    }

    // While a dialog or the About box waits, the main window looks exactly as before; it only takes no input.
    void theWaitingMainWindowLooksTheSame_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("size") << "Command11";
        QTest::newRow("difficulty") << "Command12";
        QTest::newRow("About") << "Command8";
    }

    void theWaitingMainWindowLooksTheSame()
    {
        QFETCH(QString, button);
        PlayedWindow w;
        w.newGame();
        w.releaseOn(3, 3);
        // The focus on the board, which shows none: the waiting window is not the active one and shows
        // no focus either.
        w.picture()->setFocus();
        const QImage before = w.form->grab().toImage();
        w.press(button.toLatin1().constData());
        QVERIFY(!w.form->isEnabled());
        QCOMPARE(w.form->grab().toImage(), before);
    }
};

GAME_TEST_MAIN(LookTest)
#include "test_look.moc"
