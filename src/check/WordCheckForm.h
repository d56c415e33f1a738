#pragma once
// What the dictionary and Scrabble windows have in common: the word box and its search
// button, the status line, the "not found" line, the definition, the points line, the
// blinking "not admitted" notice with its information picture, and the timed check.

#include "check/InfoImage.h"
#include "check/WordCheck.h"
#include "ui/ToolContext.h"
#include "ui/ToolIcons.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

namespace zorvane::check {

struct FormLook {
    const char* name; // object name: the form's control name
    QString title;
    int shaWLeft; // the marker shapes give the size, in twips
    int shaHTop;
    QString searchCaption;
    QString notAdmittedNotice; // the text of LblValideODS
    ui::ToolIcon searchIcon;
};

class WordCheckForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimChercheMs = 100;
    static constexpr int kTimClignoMs = 700;
    static constexpr int kBlinkTicks = 5;

    QLineEdit* TxtCtrl;
    QPushButton* CmdCtrl;
    QLabel* LblN;
    QLabel* LblD;
    QLabel* LblDef3;
    QLabel* LblDef4;
    std::array<QLabel*, 3> Lbl{}; // (0) "Ce mot rapporte", (1) "points au scrabble.", (2) admission
    QLabel* LblPts;
    QLabel* LblValideODS;
    InfoImage* ImfInfo;
    QFrame* ShaW;
    QFrame* ShaH;
    std::unique_ptr<ui::Timer> TimCherche;
    std::unique_ptr<ui::Timer> TimCligno;

protected:
    WordCheckForm(ui::ToolContext& context, const FormLook& look);

    static void Place(QWidget* widget, int left, int top, int width, int height);
    static void SetTextColour(QWidget* widget, const QColor& colour);
    QLabel* MakeLabel(const QString& text, const QString& name);
    // TxtCtrl, LblN and CmdCtrl side by side.
    void PlaceWordRow(int top);
    // The rows at the given tops: points (Lbl(0), LblPts, Lbl(1)) and admission (Lbl(2), or
    // ImfInfo and LblValideODS), each as wide as width.
    void PlaceResultRows(int pointsTop, int admissionTop, int width);

    // Every change of the word: count, search button, and the last result's lines hidden.
    void FollowTextChange();
    // The click on CmdCtrl: waiting state, then TimCherche.
    void BeginCheck();
    // The start of the TimCherche tick: the window disabled, the check run on the word, a
    // missing definitions file told.
    WordCheckResult RunCheck();
    void ShowPoints(int points);
    void ShowNotAdmitted(); // blinking notice and information picture
    // The end of every check: ready again, the focus back in the word box, the word selected.
    void EndCheck();

    int Tell(const QString& text);

    // Enter runs the search while CmdCtrl is the default button.
    void keyPressEvent(QKeyEvent* event) override;

    ui::ToolContext& context_;

private:
    void HideLastResult();
    void StopBlinking();
    void TimClignoTick();
    void ImfInfoClick();

    std::int16_t blinkCount_ = 0;
};

} // namespace zorvane::check
