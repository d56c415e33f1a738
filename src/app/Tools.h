#pragma once
// The windows the tool bar opens, and what their buttons say.

#include <QKeySequence>
#include <QString>
#include <array>

namespace zorvane::app {

enum class Tool { Dico, Scrabble, Ana, Syno, MotCroix, Approchant, CodPos, Options, About };

struct ToolButton {
    const char* name; // the button's control name
    Tool tool;
    QString toolTip;
    QKeySequence shortcut; // listed in the README
};

// In tool-bar order, quit button aside.
inline const std::array<ToolButton, 9>& ToolButtons() {
    static const std::array<ToolButton, 9> buttons{{
        {"CmdDico", Tool::Dico, QStringLiteral("Le dictionnaire 510 000 mots"),
         QKeySequence(Qt::Key_F2)},
        {"CmdScrabble", Tool::Scrabble, QStringLiteral("Mots admis au jeu de scrabble"),
         QKeySequence(Qt::Key_F3)},
        {"CmdTLMP", Tool::Ana, QStringLiteral("Anagrammes-Tous les mots possibles"),
         QKeySequence(Qt::Key_F4)},
        {"CmdSyno", Tool::Syno, QStringLiteral("Les synonymes"), QKeySequence(Qt::Key_F5)},
        {"CmdMotsCroix", Tool::MotCroix, QStringLiteral("Mots croisés"), QKeySequence(Qt::Key_F6)},
        {"CmdAp", Tool::Approchant, QStringLiteral("Mots approchants"), QKeySequence(Qt::Key_F7)},
        {"CmdCodPos", Tool::CodPos, QStringLiteral("Codes postaux et villes"),
         QKeySequence(Qt::Key_F8)},
        {"CmdOptions", Tool::Options, QStringLiteral("Options du programme"),
         QKeySequence(Qt::Key_F9)},
        {"CmdAbout", Tool::About, QStringLiteral("A propos du programme"),
         QKeySequence(Qt::Key_F1)},
    }};
    return buttons;
}

// Every tool but the about window is a child window of the main window and takes the
// next cascade place when it loads.
constexpr bool IsChildWindow(Tool tool) {
    return tool != Tool::About;
}

} // namespace zorvane::app
