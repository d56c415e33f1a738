#pragma once
// What a user does to a window, for the scripts of the window tests: keys go where the
// keyboard focus is, as they would on a real screen.

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QStringList>
#include <QtTest>

namespace zorvane::testing {

inline QWidget* Caret() {
    return QApplication::focusWidget();
}

// Each character of keys, typed where the focus is; a key that is no ASCII letter comes as
// its text alone, as an accent key on a French keyboard does.
inline void Type(const QString& keys) {
    for (const QChar key : keys) {
        if (key.unicode() < 0x80) {
            QTest::keyClick(Caret(), key.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, Caret(), Qt::Key_unknown, QString(key), {});
        }
    }
}

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Caret(), key, modifiers);
}

// Ctrl+V into control, which takes the focus first.
inline void Paste(QWidget* control, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
}

// Picks the item that reads text, as a click in the opened list does.
inline void Choose(QComboBox* combo, const QString& text) {
    const int item = combo->findText(text);
    combo->setCurrentIndex(item);
    emit combo->activated(item);
}

inline void ClickRow(QAbstractItemView* view, int row) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

inline QStringList Rows(const QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        rows << view->model()->index(row, 0).data().toString();
    }
    return rows;
}

// Shows window and waits until it has the keyboard, as a window the user opens does.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace zorvane::testing
