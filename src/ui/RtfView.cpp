#include "ui/RtfView.h"

#include "ui/SettingsFile.h"
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

// The conditions of use take a few kilobytes; a FIFO, a device or a file far larger is
// not shown rather than waited on or held whole.
void LoadRtfFile(QTextEdit* box, const std::string& path) {
    constexpr std::size_t kMaxRtfBytes = std::size_t{1} << 20;
    const FileRead file =
        ReadRegularFile(QFile::encodeName(ToQt(path)).toStdString(), kMaxRtfBytes);
    if (file.state != FileRead::State::Read) {
        box->clear();
        return;
    }
    ShowRtf(box, ParseRtf(file.bytes));
}

} // namespace zorvane::ui
