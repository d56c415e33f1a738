#include "support/Transcript.h"

#include "support/Drive.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace zorvane::testing {
namespace {

constexpr int kShownItems = 40;

QString Quoted(const QString& text) {
    QString shown = text;
    shown.replace('\r', QLatin1String("\\r")).replace('\n', QLatin1String("\\n"));
    return '"' + shown + '"';
}

QString Place(const QWidget* control) {
    const QRect g = control->geometry();
    return QStringLiteral("@%1,%2 %3x%4")
        .arg(ui::PixelsToTwips(g.x(), control))
        .arg(ui::PixelsToTwips(g.y(), control))
        .arg(ui::PixelsToTwips(g.width(), control))
        .arg(ui::PixelsToTwips(g.height(), control));
}

// Colours set on the control itself, not inherited from its parent; a disabled control is
// told by its state, not by the greys it is drawn with.
QString OwnColours(const QWidget* control) {
    const QPalette mine = control->palette();
    const QWidget* parent = control->isWindow() ? nullptr : control->parentWidget();
    const QPalette standard =
        parent != nullptr ? parent->palette() : QApplication::palette(control);
    QString colours;
    for (const auto& [role, name] : {std::pair{QPalette::WindowText, "fg"},
                                     {QPalette::Text, "text"},
                                     {QPalette::Window, "bg"},
                                     {QPalette::Base, "base"},
                                     {QPalette::Button, "button"}}) {
        const QColor colour = mine.color(QPalette::Active, role);
        if (colour != standard.color(QPalette::Active, role)) {
            colours += QStringLiteral(" %1=%2").arg(QLatin1String(name), colour.name());
        }
    }
    return colours;
}

QString States(const QWidget* control) {
    QString states;
    const QWidget* window = control->window();
    if (!control->isVisibleTo(window) && control != window) {
        states += QLatin1String(" hidden");
    }
    if (!control->isEnabled()) {
        states += QLatin1String(" disabled");
    }
    if (QApplication::focusWidget() == control) {
        states += QLatin1String(" focus");
    }
    if (control->font().bold()) {
        states += QLatin1String(" bold");
    }
    if (control->font().pointSizeF() != QApplication::font().pointSizeF()) {
        states += QStringLiteral(" %1pt").arg(control->font().pointSizeF());
    }
    if (!control->toolTip().isEmpty()) {
        states += QLatin1String(" tip=") + Quoted(control->toolTip());
    }
    return states + OwnColours(control);
}

// The rows a list shows, and whether the widest of them is cut by the list's edge.
QString ListContents(const QAbstractItemView* view) {
    const QStringList rows = Rows(view);
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString& row : rows) {
        widest = std::max(widest, metrics.horizontalAdvance(row));
    }
    const int room =
        view->viewport()->width() - (view->verticalScrollBar()->isVisible()
                                         ? 0
                                         : view->verticalScrollBar()->sizeHint().width());
    QString shown =
        QStringLiteral(" %1 rows%2:").arg(rows.size()).arg(widest > room ? " CLIPPED" : "");
    for (int row = 0; row < std::min<qsizetype>(rows.size(), kShownItems); ++row) {
        shown += ' ' + Quoted(rows[row]);
    }
    return rows.size() > kShownItems ? shown + QLatin1String(" ...") : shown;
}

// Whether a label shows its whole text: each line (wrapped where the label wraps) within its
// width and all of them within its height.
bool ShowsWholeText(QLabel* label) {
    label->ensurePolished();
    const QRectF room = label->contentsRect();
    const QRectF needed =
        QFontMetricsF(label->font())
            .boundingRect(room,
                          (label->wordWrap() ? Qt::TextWordWrap : 0) | int(label->alignment()),
                          label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QString Contents(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (!label->pixmap().isNull()) {
            return QStringLiteral(" [picture]");
        }
        return ' ' + Quoted(label->text()) + (ShowsWholeText(label) ? "" : " CLIPPED");
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return ' ' + Quoted(button->text()) +
               (button->isCheckable() ? (button->isChecked() ? " checked" : " unchecked") : "");
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return ' ' + Quoted(edit->text()) + (edit->isReadOnly() ? " readonly" : "") +
               (edit->maxLength() != 32767 ? QStringLiteral(" max=%1").arg(edit->maxLength()) : "");
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QStringList items;
        for (int item = 0; item < std::min(combo->count(), kShownItems); ++item) {
            items << combo->itemText(item);
        }
        return ' ' + Quoted(combo->currentText()) + QStringLiteral(" of %1 {").arg(combo->count()) +
               items.join('|') + '}';
    }
    if (auto* text = qobject_cast<QTextEdit*>(control)) {
        return ' ' + Quoted(text->toPlainText());
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        return ' ' + Quoted(plain->toPlainText());
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
        return ListContents(view);
    }
    return {};
}

// Parts of a control that Qt builds for it (scroll bars, pop-ups, viewports) are not ours.
bool HoldsOwnControls(const QWidget* control) {
    return !qobject_cast<const QAbstractScrollArea*>(control) &&
           !qobject_cast<const QComboBox*>(control) && !qobject_cast<const QMdiSubWindow*>(control);
}

// Where the next key goes: the control with the keyboard focus and, in a text box, what of
// its text is selected (typing replaces it) or where the caret stands.
QString FocusLine() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        return QStringLiteral("focus: none");
    }
    auto* edit = qobject_cast<QLineEdit*>(focus);
    if (auto* combo = qobject_cast<QComboBox*>(focus)) {
        edit = combo->lineEdit();
    } else if (edit != nullptr && qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr) {
        focus = edit->parentWidget(); // the combo box is the control the user sees
    }
    QString line = QLatin1String("focus: ") + QString::fromLatin1(focus->metaObject()->className());
    line += ' ' + (focus->objectName().isEmpty() ? Place(focus) : focus->objectName());
    if (edit == nullptr) {
        return line;
    }
    return line + (edit->hasSelectedText()
                       ? QLatin1String(" selected ") + Quoted(edit->selectedText())
                       : QStringLiteral(" caret %1").arg(edit->cursorPosition()));
}

} // namespace

void Transcript::Step(const QString& title, std::initializer_list<QWidget*> controls) {
    lines_ << QString() << QLatin1String("## ") + title << FocusLine();
    PlatformEvents();
    Control(controls);
}

void Transcript::Note(const QString& line) {
    lines_ << line;
}

void Transcript::TabOrder(QWidget* window) {
    QStringList visited;
    QWidget* first = QApplication::focusWidget();
    for (int press = 0; press < 60 && first != nullptr; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus == first || !window->isAncestorOf(focus)) {
            break;
        }
        visited << FocusLine().mid(7);
    }
    lines_ << QLatin1String("Tab: ") + visited.join(QLatin1String(", "));
}

void Transcript::Window(QWidget* window) {
    PlatformEvents();
    lines_ << QStringLiteral("window %1 %2%3")
                  .arg(Quoted(window->windowTitle()))
                  .arg(Place(window))
                  .arg(States(window));
    for (QObject* child : window->children()) {
        if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow()) {
            Describe(control, 1);
        }
    }
}

void Transcript::Control(QWidget* control) {
    PlatformEvents();
    Describe(control, 0);
}

void Transcript::Control(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        Control(control);
    }
}

void Transcript::Describe(QWidget* control, qsizetype depth) {
    if (qobject_cast<QMenu*>(control) && !control->isVisible()) {
        return;
    }
    if (auto* area = qobject_cast<QMdiArea*>(control)) {
        for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
            lines_ << QString(depth * 2, ' ') + QStringLiteral("sub-window %1 %2%3")
                                                    .arg(Quoted(sub->windowTitle()))
                                                    .arg(Place(sub))
                                                    .arg(sub->isMinimized() ? " minimised" : "");
        }
        return;
    }
    QString name = control->objectName();
    lines_ << QString(depth * 2, ' ') + QString::fromLatin1(control->metaObject()->className()) +
                  (name.isEmpty() ? QString() : ' ' + name) + ' ' + Place(control) +
                  Contents(control) + States(control);
    if (HoldsOwnControls(control)) {
        for (QObject* child : control->children()) {
            if (auto* inner = qobject_cast<QWidget*>(child); inner && !inner->isWindow()) {
                Describe(inner, depth + 1);
            }
        }
    }
}

void Transcript::PlatformEvents() {
    const auto& boxes = fake_.boxes.shown;
    for (; boxes_ < boxes.size(); ++boxes_) {
        static const char* const kButtons[] = {"Ok", "YesNo", "YesNoDefaultNo"};
        static const char* const kIcons[] = {"none", "information", "exclamation", "critical"};
        const ui::fake::ShownBox& box = boxes[boxes_];
        lines_ << QStringLiteral("> box %1 %2 %3: %4")
                      .arg(QLatin1String(kButtons[static_cast<int>(box.buttons)]),
                           QLatin1String(kIcons[static_cast<int>(box.icon)]), Quoted(box.title),
                           Quoted(box.text));
    }
    if (fake_.clipboard.clears != clears_) {
        clears_ = fake_.clipboard.clears;
        lines_ << QStringLiteral("> clipboard cleared, %1 times in all").arg(clears_);
    }
    if (fake_.clipboard.text != clipboard_) {
        clipboard_ = fake_.clipboard.text;
        lines_ << QLatin1String("> clipboard ") + Quoted(clipboard_);
    }
    for (; links_ < fake_.links.opened.size(); ++links_) {
        lines_ << QLatin1String("> link ") + fake_.links.opened[links_];
    }
    for (; browsers_ < fake_.browser.started.size(); ++browsers_) {
        lines_ << QStringLiteral("> browser %1 %2")
                      .arg(fake_.browser.started[browsers_].first,
                           fake_.browser.started[browsers_].second);
    }
    for (; colours_ < fake_.colours.openedWith.size(); ++colours_) {
        lines_ << QStringLiteral("> colour dialog from %1")
                      .arg(fake_.colours.openedWith[colours_], 6, 16, QChar('0'));
    }
    for (; saves_ < fake_.settings.saved.size(); ++saves_) {
        const std::string& path = fake_.settings.saved[saves_];
        lines_ << QStringLiteral("> saved %1 = %2")
                      .arg(QString::fromStdString(path),
                           Quoted(QString::fromLatin1(fake_.settings.values[path])));
    }
    for (; timers_ < fake_.timers.starts.size(); ++timers_) {
        lines_ << QStringLiteral("> timer %1 %2 ms")
                      .arg(fake_.timers.starts[timers_].first)
                      .arg(fake_.timers.starts[timers_].second);
    }
    if (fake_.pointer.busy != busy_) {
        busy_ = fake_.pointer.busy;
        lines_ << (busy_ ? QStringLiteral("> pointer busy") : QStringLiteral("> pointer normal"));
    }
    if (fake_.end.ended != ended_) {
        ended_ = fake_.end.ended;
        lines_ << QStringLiteral("> program ended, status %1").arg(fake_.end.status);
    }
}

bool Transcript::Matches(const QString& name) {
    PlatformEvents();
    const QString text = lines_.join('\n') + '\n';
    QFile golden(QStringLiteral(ZORVANE_GOLDEN_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariable("ZORVANE_GOLDEN") == QLatin1String("record")) {
        return golden.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               golden.write(text.toUtf8()) == text.toUtf8().size();
    }
    if (!golden.open(QIODevice::ReadOnly)) {
        mismatch_ = "no golden file " + golden.fileName().toUtf8() +
                    ": record it with ZORVANE_GOLDEN=record";
        return false;
    }
    const QStringList expected = QString::fromUtf8(golden.readAll()).split('\n');
    const QStringList actual = text.split('\n');
    qsizetype line = 0;
    while (line < expected.size() && line < actual.size() && expected[line] == actual[line]) {
        ++line;
    }
    mismatch_ = QStringLiteral("%1.txt line %2\n  golden: %3\n  now:    %4")
                    .arg(name)
                    .arg(line + 1)
                    .arg(expected.value(line, "<end>"), actual.value(line, "<end>"))
                    .toUtf8();
    return expected == actual;
}

} // namespace zorvane::testing
