#pragma once
// A window test's golden transcript: what the window shows after each step of a script
// (controls with their place in twips, texts, states and colours) and what it asked of the
// platform (message boxes, clipboard, links, timers...), compared with a committed file
// under tests/golden/. ZORVANE_GOLDEN=record rewrites the files instead; the diff is what
// a reviewer reads.

#include "ui/fake/FakePlatform.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

class QWidget;

namespace zorvane::testing {

class Transcript {
public:
    explicit Transcript(ui::fake::FakePlatform& fake) : fake_(fake) {}

    // Starts a step: its title, the control with the keyboard focus (and what of its text is
    // selected), then what the platform was asked since the last step, then the controls given.
    void Step(const QString& title, std::initializer_list<QWidget*> controls = {});
    // Every control of window, in creation order; sub-windows are named, not opened.
    void Window(QWidget* window);
    // One control and what it holds.
    void Control(QWidget* control);
    void Control(std::initializer_list<QWidget*> controls);
    void Note(const QString& line);
    // The controls Tab visits in window, from the focus on, once round: a box the keyboard
    // cannot reach is missing from the line.
    void TabOrder(QWidget* window);

    // Compares with tests/golden/<name>.txt (or records it); the report says where they part.
    bool Matches(const QString& name);
    const char* Mismatch() const { return mismatch_.constData(); }

private:
    void PlatformEvents();
    void Describe(QWidget* control, qsizetype depth);

    ui::fake::FakePlatform& fake_;
    QStringList lines_;
    QByteArray mismatch_;
    std::size_t boxes_ = 0, links_ = 0, browsers_ = 0, colours_ = 0, saves_ = 0, timers_ = 0;
    int clears_ = 0;
    QString clipboard_;
    bool busy_ = false, ended_ = false;
};

} // namespace zorvane::testing
