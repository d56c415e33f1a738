#pragma once
// The windows the tool bar opens, and what their buttons say.

#include <QString>
#include <array>

namespace zorvane::app {

enum class Tool { Dico, Scrabble, Ana, Syno, MotCroix, Approchant, CodPos, Options, About };

struct ToolButton {
    const char* name; // the button's control name
    Tool tool;
    QString toolTip;
};

// In tool-bar order, quit button aside.
inline const std::array<ToolButton, 9>& ToolButtons() {
    static const std::array<ToolButton, 9> buttons{{
        {"CmdDico", Tool::Dico, QStringLiteral("Le dictionnaire 510 000 mots")},
        {"CmdScrabble", Tool::Scrabble, QStringLiteral("Mots admis au jeu de scrabble")},
        {"CmdTLMP", Tool::Ana, QStringLiteral("Anagrammes-Tous les mots possibles")},
        {"CmdSyno", Tool::Syno, QStringLiteral("Les synonymes")},
        {"CmdMotsCroix", Tool::MotCroix, QStringLiteral("Mots croisés")},
        {"CmdAp", Tool::Approchant, QStringLiteral("Mots approchants")},
        {"CmdCodPos", Tool::CodPos, QStringLiteral("Codes postaux et villes")},
        {"CmdOptions", Tool::Options, QStringLiteral("Options du programme")},
        {"CmdAbout", Tool::About, QStringLiteral("A propos du programme")},
    }};
    return buttons;
}

// Every tool but the about window is a child window of the main window and takes the
// next cascade place when it loads.
constexpr bool IsChildWindow(Tool tool) {
    return tool != Tool::About;
}

} // namespace zorvane::app
