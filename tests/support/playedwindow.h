// The main window dealt from a fixed seed and played through its controls, as a player would.
#pragma once

#include "boardpicture.h"
#include "look/look.h"
#include "look/twips.h"
#include "ssiform1.h"
#include "support/fakes.h"
#include "support/windowtest.h"
#include "windowsystem/openwindow.h"

#include <QLabel>
#include <QPointer>

#include <functional>

class PlayedWindow {
public:
    PlayedWindow()
        : form(new ssiForm1(std::make_unique<FixedSeedRandom>()))
    {
        form->show();
        if (!QTest::qWaitForWindowExposed(form))
            qFatal("the main window was never shown");
    }
    ~PlayedWindow() { delete form; }

    Game& game() { return form->game(); }
    Grid& pole() { return form->game().board.pole; }
    const MoveState& move() { return form->game().move; }
    BoardPicture* picture() { return child<BoardPicture>(form, "Picture1"); }

    void press(const char* button) { click(form, button); }

    // Presses a button of the main window and returns the window it opened, once it is on the screen.
    template <typename Window>
    Window* open(const char* button, const char* name)
    {
        press(button);
        Window* window = findOpenWindow<Window>(name);
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    // Two cubes of one colour in a row, and the two releases that mark them.
    void placePair(int row, int first, int second, ColourIndex colour)
    {
        pole()(row, first) = colour;
        pole()(row, second) = colour;
    }
    void markPair(int row, int first, int second)
    {
        releaseOn(row, first);
        releaseOn(row, second);
    }
    void newGame() { press("Command2"); }

    // A release at the centre of a cell.
    void releaseOn(int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        const int razmer = game().board.razmer;
        releaseAt(picture(), (column - 1) * razmer + razmer / 2, (row - 1) * razmer + razmer / 2, button);
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            form->Timer1_Timer();
    }

    // What the picture shows: the colour at the centre of a cell, and a few pixels off the centre,
    // where a cross would not run.
    QColor shownCentre(int row, int column)
    {
        const int razmer = game().board.razmer;
        return shownAt(picture(), (column - 1) * razmer + razmer / 2, (row - 1) * razmer + razmer / 2);
    }
    QColor shownBeside(int row, int column)
    {
        const int razmer = game().board.razmer;
        return shownAt(picture(), (column - 1) * razmer + razmer / 2, (row - 1) * razmer + razmer / 5);
    }
    QColor colour(int row, int column) { return look::paletteColour(pole()(row, column)); }

    // Whether every cell of the picture shows the colour given for it.
    bool pictureShows(const std::function<QColor(int row, int column)>& expected)
    {
        const QImage image = picture()->grab().toImage();
        const int razmer = game().board.razmer;
        for (int c = 1; c <= game().board.gorkor; ++c)
            for (int r = 1; r <= game().board.vertkor; ++r) {
                const int x = ((c - 1) * razmer + razmer / 2) / kTwipsPerPixel;
                const int y = ((r - 1) * razmer + razmer / 5) / kTwipsPerPixel;
                if (image.pixelColor(x, y) != expected(r, c))
                    return false;
            }
        return true;
    }
    bool pictureShowsTheBoard()
    {
        return pictureShows([this](int r, int c) { return colour(r, c); });
    }
    // Only the cubes of one colour, every other cell white.
    bool pictureShowsOnly(ColourIndex shown)
    {
        return pictureShows([this, shown](int r, int c) {
            return pole()(r, c) == shown ? colour(r, c) : QColor(Qt::white);
        });
    }

    QColor panel() { return shownAt(child(form, "Picture2"), 247, 247); }
    QString counter(const char* label) { return child<QLabel>(form, label)->text(); }
    QString remaining() { return counter("Label2"); }
    QString removed() { return counter("Label3"); }

    QPointer<ssiForm1> form;
};
