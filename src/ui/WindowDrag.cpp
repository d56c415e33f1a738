#include "ui/WindowDrag.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWidget>

namespace zorvane::ui {
namespace {

class MoveFilter final : public QObject {
public:
    MoveFilter(QObject* parent, QWidget* form) : QObject(parent), form_(form) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            grabbedAt_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            windowAt_ = Window()->pos();
            dragging_ = true;
            return true;
        case QEvent::MouseMove:
            if (dragging_) {
                const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                Window()->move(windowAt_ + (now - grabbedAt_));
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (dragging_) {
                dragging_ = false;
                return true;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* Window() const {
        if (auto* child = qobject_cast<QMdiSubWindow*>(form_->parentWidget())) {
            return child;
        }
        return form_->window();
    }

    QWidget* form_;
    QPoint grabbedAt_;
    QPoint windowAt_;
    bool dragging_ = false;
};

} // namespace

void MoveWindowByDragging(QWidget* handle, QWidget* form) {
    handle->installEventFilter(new MoveFilter(handle, form));
}

} // namespace zorvane::ui
