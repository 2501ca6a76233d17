#include "browserplugin.h"

#include "browser/browserwindow.h"
#include "browser/ssiform2.h"
#include "windowsystem/openwindow.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt's own setter for the OpenGL context that every other context of the application shares.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The web engine draws through OpenGL contexts shared with one global context. Qt makes that context at
// start-up when asked to, but that loads the OpenGL driver into every game, which costs more start-up
// time and memory than the game itself. No other part of the game uses OpenGL, so making the context
// here, before the first web view, is the same to the engine and costs only those who open the browser.
void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* shared = new QOpenGLContext(QCoreApplication::instance());
    shared->create();
    qt_gl_set_global_share_context(shared);
}

} // namespace

void BrowserPlugin::openBrowserWindow(const QWidget* opener)
{
    shareOpenGLContexts();
    openWindow<ssiForm2>(kBrowserWindowName, opener)->navigateToStudio();
}
