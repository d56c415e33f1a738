#pragma once
// The options of the duplicate game: how long a move lasts (3 minutes unless changed), saved
// per user as application "ZRVNDUP", section "Options", key "DureeCoup" (seconds).

#include "ui/Platform.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

namespace zorvane::duplicate {

class FrmOptions final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultSeconds = 180;
    static constexpr int kLeastSeconds = 10;
    static constexpr int kMostSeconds = 30 * 60;

    explicit FrmOptions(ui::Platform& platform);

    // The saved length of a move in seconds; the default when none is saved or it is not one.
    static int SavedSeconds(const ui::SettingsStore& settings);
    // Shows the saved length.
    void Load();

    QLabel* LblDuree;
    QSpinBox* SpnMinutes;
    QSpinBox* SpnSecondes;
    QPushButton* CmdEnregistrer;
    QPushButton* CmdAnnuler;

private:
    void EnregistrerClick();

    ui::Platform& platform_;
};

} // namespace zorvane::duplicate
