#include "ui/WindowDrag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zorvane::ui {
namespace {

class DragFilter final : public QObject {
public:
    DragFilter(QObject* parent, QWidget* window) : QObject(parent), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            window_->windowHandle() != nullptr) {
            window_->windowHandle()->startSystemMove();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

} // namespace

void MoveWindowByDragging(QWidget* handle, QWidget* window) {
    handle->installEventFilter(new DragFilter(handle, window));
}

} // namespace zorvane::ui
