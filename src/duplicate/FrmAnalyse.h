#pragma once
// The analysis window: a position pasted or opened in its text form (15 lines of 15
// characters), a draw typed, and "Chercher le top" lists every move, best first; choosing a
// move in the list shows it on the board in another colour, without playing it.

#include "board/Move.h"
#include "data/WordGraph.h"
#include "duplicate/BoardView.h"
#include "ui/FileChooser.h"
#include "ui/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

namespace zorvane::duplicate {

class FrmAnalyse final : public QWidget {
    Q_OBJECT
public:
    FrmAnalyse(ui::Platform& platform, ui::FileChooser& files, const data::WordGraph& words);

    // Starts from a game's position and draw.
    void SetPosition(const board::Position& position, const std::string& draw);

    BoardView* PicPlateau;
    QLabel* LblPosition;
    QPlainTextEdit* TxtPosition;
    QPushButton* CmdOuvrirPosition;
    QLabel* LblTirage;
    QLineEdit* TxtTirage;
    QPushButton* CmdChercher;
    QLabel* LblInfo;
    QListWidget* LstCoups;

private:
    void OuvrirPositionClick();
    void ChercherClick();
    void CoupChoisi(int row);
    void Refuse(const std::string& why);

    ui::Platform& platform_;
    ui::FileChooser& files_;
    const data::WordGraph& words_;
    std::vector<board::Move> moves_;
};

} // namespace zorvane::duplicate
