#include "waiting.h"

#include "openwindow.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class WithinReach : public QObject {
public:
    WithinReach(QWidget* waiting, QWidget* awaited)
        : QObject(awaited), waiting_(waiting), awaited_(awaited)
    {
        waiting->installEventFilter(this);
        awaited->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == waiting_ && event->type() == QEvent::ActivationChange && waiting_->isActiveWindow()
            && !waiting_->isEnabled())
            bringToFront(awaited_);
        if (watched == awaited_ && event->type() == QEvent::WindowStateChange && awaited_->isMinimized() && waiting_
            && !waiting_->isMinimized())
            QMetaObject::invokeMethod(this, [this] {
                if (waiting_ && !waiting_->isMinimized())
                    bringToFront(awaited_);
            }, Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<QWidget> waiting_;
    QWidget* awaited_;
};

} // namespace

void keepWithinReach(QWidget* waiting, QWidget* awaited)
{
    new WithinReach(waiting, awaited);
}
