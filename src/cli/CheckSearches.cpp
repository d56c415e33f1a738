// The dictionary and Scrabble checks, as their two windows show a result.

#include "app/StartupValues.h"
#include "check/CheckTexts.h"
#include "check/WordCheck.h"
#include "cli/Searches.h"
#include "data/Cp1252Literal.h"

namespace zorvane::cli {
namespace {

using check::CheckOutcome;
using check::WordCheckResult;
using zorvane::operator""_cp;

WordCheckResult RunCheck(std::string_view word, SearchData& data) {
    const check::CheckSources sources{data.Dictionary(), data.DefinitionsFile(),
                                      app::StartupValues{}.LongMaxDefinition};
    WordCheckResult result = check::CheckWord(word, sources);
    if (result.errorNumber != 0) {
        throw DataFailure(check::DefinitionsFileMessage(result.errorNumber));
    }
    return result;
}

Fact TextFact(std::string key, std::string value) {
    std::string line = value;
    return {std::move(key), std::move(value), Fact::Kind::Text, std::move(line)};
}

Fact PointsFact(int points) {
    return {"points", std::to_string(points), Fact::Kind::Number,
            "Ce mot rapporte " + std::to_string(points) + " points au scrabble."};
}

Fact AdmissionFact(const WordCheckResult& result, std::string_view notice) {
    return {"admis", result.admitted ? "true" : "false", Fact::Kind::Boolean,
            result.admitted ? check::ValidSentence(result.word) : std::string(notice)};
}

std::string NotFoundMessage() {
    return std::string("Ce mot n'existe pas dans le dictionnaire."_cp);
}

std::string NoDefinition() {
    return std::string("Pas de définition pour ce mot."_cp);
}

} // namespace

Answer CheckSearch(std::string_view word, SearchData& data) {
    const WordCheckResult result = RunCheck(word, data);
    Answer answer;
    switch (result.outcome) {
    case CheckOutcome::Found:
        answer.facts.push_back(TextFact("mot", result.word));
        if (!result.categoryLabel.empty()) {
            answer.facts.push_back(TextFact("nature", result.categoryLabel));
        }
        answer.facts.push_back(TextFact("definition", result.definition));
        answer.facts.push_back(PointsFact(result.points));
        answer.facts.push_back(AdmissionFact(
            result, "Ce mot existe mais n'est pas admis dans les tournois de scrabble."_cp));
        break;
    case CheckOutcome::ExistsWithoutDefinition:
        answer.facts.push_back(
            TextFact("mot", std::string("Ce mot existe dans le dictionnaire."_cp)));
        answer.facts.push_back(TextFact("definition", NoDefinition()));
        answer.facts.push_back(PointsFact(result.points));
        break;
    case CheckOutcome::NotFound:
        answer.message = NotFoundMessage();
        return answer;
    }
    answer.found = true;
    return answer;
}

// The Scrabble window gives no points to a word that tournaments refuse.
Answer ScrabbleSearch(std::string_view word, SearchData& data) {
    const WordCheckResult result = RunCheck(word, data);
    Answer answer;
    switch (result.outcome) {
    case CheckOutcome::Found:
        if (!result.admitted) {
            answer.facts.push_back(
                AdmissionFact(result, "Ce mot n'est pas admis dans les tournois de scrabble."_cp));
            answer.message = answer.facts.back().line;
            return answer;
        }
        answer.facts.push_back(AdmissionFact(result, {}));
        answer.facts.push_back(PointsFact(result.points));
        answer.facts.push_back(TextFact("definition", result.definition));
        break;
    case CheckOutcome::ExistsWithoutDefinition:
        answer.facts.push_back(PointsFact(result.points));
        answer.facts.push_back(TextFact("definition", NoDefinition()));
        break;
    case CheckOutcome::NotFound:
        answer.message = NotFoundMessage();
        return answer;
    }
    answer.found = true;
    return answer;
}

} // namespace zorvane::cli
