#include "waiting.h"

#include "windowsystem/openwindow.h"
#ifdef IGRA_X11
#include "windowsystem/x11activation.h"
#endif

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Every window manager activates the waiting window that the player clicks or picks in a task bar, and a
// tiling compositor (sway) also raises it above its dialog: it keeps a dialog above no window, and acts on
// no program's own request to raise or activate one. Only a dialog shown afresh comes back in front there;
// elsewhere, where the dialog stayed in front, that gives it back the keyboard. A window manager may also
// minimise the dialog on its own (xfwm4), and a task bar may list no dialog: it comes back at once.
class InFront : public QObject {
public:
    InFront(QWidget* dialog, QWidget* waiting)
        : QObject(dialog), dialog_(dialog), waiting_(waiting)
    {
        dialog->installEventFilter(this);
        waiting->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool activated = watched == waiting_ && event->type() == QEvent::ActivationChange;
        const bool minimised = watched == dialog_ && event->type() == QEvent::WindowStateChange && dialog_->isMinimized();
        // Not while the window system is still handing the activation or the minimising over.
        if ((activated || minimised) && waits())
            QMetaObject::invokeMethod(this, [this] {
                if (!waits())
                    return;
                showAfresh(dialog_);
                bringToFront(dialog_);
            }, Qt::QueuedConnection);
        return false;
    }

private:
    // The waiting window is on view, and either active or without its dialog on view.
    bool waits() const
    {
        return waiting_ && !waiting_->isEnabled() && !waiting_->isMinimized()
            && (waiting_->isActiveWindow() || dialog_->isMinimized());
    }

    QWidget* dialog_;
    QPointer<QWidget> waiting_;
};

} // namespace

void belongsTo(QWidget* dialog, QWidget* waiting)
{
    // The window system's windows exist from here on; the waiting window is on the screen already.
    dialog->winId();
    waiting->winId();
    dialog->windowHandle()->setTransientParent(waiting->windowHandle());
#ifdef IGRA_X11
    activeOnlyByFocus(dialog);
#endif
    new InFront(dialog, waiting);
}
