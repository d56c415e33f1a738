#pragma once
// The loading screen: fills the word store and builds the anagram index in 31 one-shot
// timer steps, so the window repaints between them, then hands over to the main window.

#include "anagram/AnagramIndex.h"
#include "app/WordLoading.h"
#include "data/StartupValues.h"
#include "ui/Platform.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <random>

namespace zorvane::app {

class Frm02Charge final : public QWidget {
    Q_OBJECT
public:
    Frm02Charge(ui::Platform& platform, const data::StartupValues& values, data::WordStore& store,
                anagram::AnagramIndex& index, std::function<void()> handOver);

    void Load();

    QLabel* LblInf1;
    QLabel* LblInf;
    std::array<QLabel*, 3> LblChargement{};
    std::array<QLabel*, 3> ImgCoche2{};
    QLabel* LblMotDef;
    QLabel* LblVer;
    QPushButton* Foc;

private:
    // A random figure in [low, high], drawn afresh from a clock-seeded generator.
    int RandomPercentage(int low, int high);
    void SetStageDone(int stage);
    void Tim1a9Tick();
    void TimAnaTick();
    void TimAnaBisTick();
    void TimLetterTick(char letter);
    void TimTempoTick();
    void TimFinTick();

    ui::Platform& platform_;
    const data::StartupValues& values_;
    data::WordStore& store_;
    anagram::AnagramIndex& index_;
    WordLoading loading_;
    std::function<void()> handOver_;
    std::int16_t CompteurTempo = 0;

    std::unique_ptr<ui::Timer> Tim1a9;
    std::unique_ptr<ui::Timer> TimAna;
    std::unique_ptr<ui::Timer> TimAnaBis;
    std::array<std::unique_ptr<ui::Timer>, 26> TimLetter; // TimA ... TimZ
    std::unique_ptr<ui::Timer> TimTempo;
    std::unique_ptr<ui::Timer> TimFin;
};

} // namespace zorvane::app
