#pragma once
// The near-word window: a typed word, a precision of 90, 80 or 70 per cent, optionally
// words one letter longer or shorter; the search runs in a timer tick once the waiting
// state has painted.

#include "ui/ToolContext.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <memory>

namespace zorvane::nearwords {

class Frm16Approchant final : public QWidget {
    Q_OBJECT
public:
    explicit Frm16Approchant(ui::ToolContext& context);

    QLineEdit* TxtCtrl = nullptr;
    QPushButton* CmdCtrl = nullptr;
    QLabel* LblN = nullptr;
    QGroupBox* Fra1 = nullptr;
    std::array<QLabel*, 2> Lbl{}; // Lbl(1) only; place 0 unused
    QLabel* LblTaux = nullptr;
    std::array<QRadioButton*, 3> Opt{};
    QCheckBox* Chk2 = nullptr;
    QPlainTextEdit* TxtRes = nullptr;
    QLabel* LblD = nullptr;
    QLabel* LblInfo2 = nullptr;
    QLabel* LblInfo3 = nullptr;
    QPushButton* Foc = nullptr;
    std::unique_ptr<ui::Timer> TimFind;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void ShowRefusedCharacter();
    void TxtCtrlEdited(const QString& text);
    void TxtCtrlChanged();
    void CmdCtrlClick();
    void TimFindTick();
    void ShowStatus(const QString& text, QRgb colour);
    void SetResultBackground(QRgb colour);

    ui::ToolContext& context_;
};

} // namespace zorvane::nearwords
