#pragma once
// A file chooser that answers from a queue and keeps what it was asked.

#include "ui/FileChooser.h"

#include <deque>
#include <vector>

namespace zorvane::ui::fake {

class FakeFileChooser final : public FileChooser {
public:
    std::optional<QString> ToOpen(const QString& title, const QString& /*filter*/) override {
        return Answer(title);
    }
    std::optional<QString> ToSave(const QString& title, const QString& suggested,
                                  const QString& /*filter*/) override {
        return Answer(title + QStringLiteral(" (") + suggested + ')');
    }

    std::vector<QString> asked;                 // titles, and the suggested name of a save
    std::deque<std::optional<QString>> answers; // consumed in order; a cancel when empty

private:
    std::optional<QString> Answer(const QString& question) {
        asked.push_back(question);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace zorvane::ui::fake
