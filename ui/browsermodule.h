// What the browser module gives the game: the browser window, which brings the web engine with it.
#pragma once

#include <QtPlugin>

class BrowserModule {
public:
    virtual ~BrowserModule() = default;
    // Shows the browser window, made anew or brought to the front, and loads the studio's site into it.
    virtual void openBrowserWindow() = 0;
};

#define BrowserModule_iid "example.virdon.igra.BrowserModule/1.0"
Q_DECLARE_INTERFACE(BrowserModule, BrowserModule_iid)
