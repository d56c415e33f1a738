#pragma once
// The texts the two check windows compose from a result (cp1252).

#include "check/WordCheck.h"

#include <string>
#include <string_view>

namespace zorvane::check {

// The result lines of the check windows.
std::string_view NotFoundText();          // the word is not in the dictionary
std::string_view ExistsText();            // in the dictionary, without definition
std::string_view NoDefinitionText();      // in place of the definition
std::string_view NotAdmittedText();       // the Scrabble window's refusal
std::string_view ExistsNotAdmittedText(); // the dictionary window's admission line

// What the user is told when the definitions file could not be read: "Erreur ", the
// number, then on the next line that the file is missing (53) or cannot be read (any
// other number: not a regular file, refused, a read error).
std::string DefinitionsFileMessage(int errorNumber);

// What the user of the command line is told when the definitions file cannot be the one
// of the word list: that it is damaged, and why (as DefinitionsIndex or a check gives it).
std::string DamagedDefinitionsMessage(std::string_view why);

// The admission sentence of an admitted word.
std::string ValidSentence(std::string_view word);

// Why a word that exists may still be refused at Scrabble; typed as the user typed it.
std::string NotAdmittedInformation(std::string_view typed);

// The word, its part of speech, its definition and a notice naming the program.
std::string CopiedText(const WordCheckResult& result, std::string_view versionAppli);

} // namespace zorvane::check
