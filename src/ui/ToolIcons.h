#pragma once
// Zorvane's tool-bar icons, drawn at run time: a coloured tile with a glyph.

#include <QIcon>

namespace zorvane::ui {

enum class ToolIcon {
    Quit,
    About,
    Options,
    Communes,
    Scrabble,
    Synonyms,
    Dictionary,
    Anagrams,
    NearWords,
    Crossword
};

QIcon DrawToolIcon(ToolIcon icon);

} // namespace zorvane::ui
