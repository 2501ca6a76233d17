// The browser module's entry: the game loads it, and the web engine with it, when the browser window first opens.
#pragma once

#include "browser/browsermodule.h"

#include <QObject>

class BrowserPlugin : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserModule_iid)
    Q_INTERFACES(BrowserModule)

public:
    void openBrowserWindow(const QWidget* opener) override;
};
