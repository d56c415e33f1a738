#include "cli/TopCommand.h"

#include "board/Draw.h"
#include "board/MoveGenerator.h"
#include "check/AdmittedWords.h"
#include "check/CheckTexts.h"
#include "cli/Searches.h"
#include "cli/Utf8Text.h"
#include "data/Cp1252Literal.h"

#include <fstream>

namespace zorvane::cli {
namespace {

// Far more than 15 lines of 15 characters with CR LF and a few blank lines.
constexpr std::size_t kLongestPositionText = 4096;

std::optional<std::string> ReadAtMost(std::istream& stream, std::size_t most) {
    std::string text(most + 1, '\0');
    stream.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(stream.gcount()));
    if (text.size() > most) {
        return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<std::string> TopDrawRefusal(std::string_view capitals) {
    const board::DrawRead draw = board::ReadDraw(capitals);
    return draw.tiles ? std::nullopt : std::optional(draw.error);
}

std::variant<std::string, UsageError> ReadPositionText(const std::optional<std::string>& file,
                                                       std::istream& in) {
    std::optional<std::string> text;
    if (file) {
        std::ifstream stream(*file, std::ios::binary);
        const std::string name = Utf8ToCp1252(*file).value_or("?");
        if (!stream) {
            return Refusal(std::string("le fichier de la grille « "_cp) + name +
                           std::string(" » ne peut pas être lu."_cp));
        }
        text = ReadAtMost(stream, kLongestPositionText);
    } else {
        text = ReadAtMost(in, kLongestPositionText);
    }
    if (!text) {
        return Refusal("la grille est bien plus longue que 15 lignes de 15 caractères."_cp);
    }
    return *text;
}

std::optional<std::string> BoardRefusal(const Command& command, std::string_view draw) {
    if (command.subcommand != Subcommand::Top) {
        return std::nullopt;
    }
    const board::PositionRead read = board::ReadPosition(command.positionText);
    if (!read.position) {
        return Refusal(read.error).message;
    }
    const std::string beyond = board::TilesBeyondSet(*read.position, draw);
    return beyond.empty() ? std::nullopt : std::optional(Refusal(beyond).message);
}

Answer TopSearch(std::string_view draw, const Command& command, SearchData& data) {
    const check::AdmittedList admitted =
        check::AdmittedWords(data.Dictionary(), data.DefinitionsFile());
    if (admitted.errorNumber != 0) {
        throw DataFailure(check::DefinitionsFileMessage(admitted.errorNumber));
    }
    const data::WordGraph words(admitted.words);
    const board::Position position = *board::ReadPosition(command.positionText).position;
    const std::vector<board::Move> moves = board::GenerateMoves(position, draw, words);
    Answer answer;
    answer.found = !moves.empty();
    answer.facts = {NumberFact("nombre", static_cast<long long>(moves.size()), "")};
    for (std::size_t i = 0; i < moves.size() && i < static_cast<std::size_t>(command.limit); ++i) {
        answer.words.push_back(moves[i].word);
        answer.placements.push_back(board::WritePlacement(moves[i].placement));
        answer.scores.push_back(moves[i].score);
    }
    if (moves.empty()) {
        answer.message = "Aucun coup possible avec ce tirage sur cette grille.";
    }
    return answer;
}

} // namespace zorvane::cli
