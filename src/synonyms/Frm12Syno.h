#pragma once
// The synonyms window: the headwords that begin with what the user types, the synonyms of
// the word searched, a history of the last 12 searches and a copy of the synonyms list. A
// click on any listed word searches that word in turn.

#include "synonyms/SynonymLookup.h"
#include "ui/ToolContext.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <memory>

namespace zorvane::synonyms {

class Frm12Syno final : public QWidget {
    Q_OBJECT
public:
    // The load handler: builds the controls and starts TimDeb.
    explicit Frm12Syno(ui::ToolContext& context);
    ~Frm12Syno() override;

    QLabel* Lbl3;         // count message of the prefix list
    QListWidget* Lst;     // prefix list, in store order
    QLabel* Lbl4;         // result message of the last search
    QComboBox* Cbo2;      // the word; its drop-down is the history, newest first
    QLineEdit* TxtMiroir; // never shown: the search key of the text of Cbo2
    QPushButton* CmdInfo;
    QPushButton* CmdRechercher;
    QPushButton* Foc;  // out of sight: Enter in the window searches through it
    QLabel* Lbl2;      // category caption of the last search
    QListWidget* LstS; // synonyms of the last search, sorted
    QMenu* MnuCopier;  // pop-up of LstS
    QAction* MnuCop2;
    std::unique_ptr<ui::Timer> TimDeb; // puts the starting text in Cbo2 once
    std::unique_ptr<ui::Timer> TimLst; // delays the search a click starts

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();

    void Cbo2Change();
    void Cbo2HistoryChosen(int index);
    void ListItemChosen(QListWidget* list);
    void Enter();
    void Search();
    void CmdInfoClick();
    void MnuCop2Click();
    void TimDebTick();

    void MirrorKeyOf(const QString& text);
    void RebuildPrefixList();
    void EnableSearch(bool enabled);
    void AddToHistory(const QString& text);
    void ReportFailure(const std::string& report);

    ui::ToolContext& context_;
    SynonymLookup lookup_;
};

} // namespace zorvane::synonyms
