#include "ui/FileChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace zorvane::ui {
namespace {

std::optional<QString> Chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

} // namespace

std::optional<QString> QtFileChooser::ToOpen(const QString& title, const QString& filter) {
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, {}, filter));
}

std::optional<QString> QtFileChooser::ToSave(const QString& title, const QString& suggested,
                                             const QString& filter) {
    return Chosen(
        QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested, filter));
}

} // namespace zorvane::ui
