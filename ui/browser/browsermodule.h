// What the browser module gives the game: the browser window, which brings the web engine with it.
#pragma once

#include <QtPlugin>

class QWidget;

class BrowserModule {
public:
    virtual ~BrowserModule() = default;
    // Shows the browser window, made anew on the opener's screen or brought to the front, and loads the
    // studio's site into it.
    virtual void openBrowserWindow(const QWidget* opener) = 0;
};

#define BrowserModule_iid "example.virdon.igra.BrowserModule/2.0"
Q_DECLARE_INTERFACE(BrowserModule, BrowserModule_iid)
