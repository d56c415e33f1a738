#include "ui/RtfView.h"

#include "ui/Text.h"

#include <QFile>
#include <QTextCursor>
#include <QTextEdit>

namespace zorvane::ui {

void ShowRtf(QTextEdit* box, const RtfDocument& document) {
    box->clear();
    QTextCursor cursor(box->document());
    QTextBlockFormat spaced;
    spaced.setBottomMargin(4);
    cursor.setBlockFormat(spaced);
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (!first) {
            cursor.insertBlock(spaced);
        }
        first = false;
        for (const RtfRun& run : paragraph) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            cursor.insertText(
                QString::fromUcs4(run.text.data(), static_cast<qsizetype>(run.text.size())),
                format);
        }
    }
    box->moveCursor(QTextCursor::Start);
}

void LoadRtfFile(QTextEdit* box, const std::string& path) {
    QFile file(ToQt(path));
    if (!file.open(QIODevice::ReadOnly)) {
        box->clear();
        return;
    }
    const QByteArray bytes = file.readAll();
    ShowRtf(box,
            ParseRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace zorvane::ui
