#pragma once
// Choosing a file to open or to save, as the desktop's file dialog does; kept apart from
// the Platform bundle because only the duplicate game's windows open and save files.

#include <QString>
#include <optional>

namespace zorvane::ui {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file; nothing when the user cancels. filter as Qt writes it:
    // "Parties (*.txt)".
    virtual std::optional<QString> ToOpen(const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> ToSave(const QString& title, const QString& suggested,
                                          const QString& filter) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> ToOpen(const QString& title, const QString& filter) override;
    std::optional<QString> ToSave(const QString& title, const QString& suggested,
                                  const QString& filter) override;
};

} // namespace zorvane::ui
