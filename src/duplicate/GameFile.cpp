#include "duplicate/GameFile.h"

#include "data/Cp1252Literal.h"

#include <charconv>
#include <sstream>

namespace zorvane::duplicate {
namespace {

constexpr std::string_view kFirstLine = "Zorvane duplicate 1";

std::string MoveText(const WrittenMove& move) {
    return move.Text() + ' ' + std::to_string(move.score);
}

std::vector<std::string> Words(std::string_view line) {
    std::istringstream stream{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

template <typename Number> bool ReadNumber(const std::string& text, Number& number) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, number);
    return fault == std::errc() && stop == end;
}

// "coup N tirage D top P W S joueur (- | P W S)".
std::optional<SavedTurn> ReadTurn(const std::vector<std::string>& words, int number) {
    int written = 0;
    SavedTurn turn;
    if (words.size() != 10 && words.size() != 12) {
        return std::nullopt;
    }
    if (words[0] != "coup" || !ReadNumber(words[1], written) || written != number ||
        words[2] != "tirage" || words[4] != "top" || words[8] != "joueur" ||
        !ReadNumber(words[7], turn.top.score)) {
        return std::nullopt;
    }
    turn.draw = words[3];
    turn.top.place = words[5];
    turn.top.word = words[6];
    if (words.size() == 10) {
        return words.back() == "-" ? std::optional(turn) : std::nullopt;
    }
    WrittenMove player{words[9], words[10], 0};
    if (!ReadNumber(words[11], player.score)) {
        return std::nullopt;
    }
    turn.player = player;
    return turn;
}

} // namespace

std::string GameText(std::uint32_t seed, const std::vector<Turn>& turns,
                     const std::optional<Draw>& current) {
    std::string text = std::string(kFirstLine) + "\ngraine " + std::to_string(seed) + '\n';
    for (const Turn& turn : turns) {
        text += "coup " + std::to_string(turn.number) + " tirage " + DrawText(turn.draw) + " top " +
                MoveText(turn.top) + " joueur " +
                (turn.player ? MoveText(*turn.player) : std::string("-")) + '\n';
    }
    if (current) {
        text +=
            "en cours " + std::to_string(turns.size() + 1) + " tirage " + DrawText(*current) + '\n';
    }
    return text;
}

GameTextResult ReadGameText(std::string_view text) {
    std::vector<std::vector<std::string>> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(Words(text.substr(start, end - start)));
        start = end + 1;
    }
    const auto fault = [](std::size_t line, std::string_view what) {
        return GameTextResult{std::nullopt, "Ligne " + std::to_string(line + 1) +
                                                " du fichier : " + std::string(what)};
    };
    if (lines.empty() || lines[0] != Words(kFirstLine)) {
        return fault(0, "ce n'est pas une partie de duplicate enregistrée par Zorvane."_cp);
    }
    SavedGame game;
    if (lines.size() < 2 || lines[1].size() != 2 || lines[1][0] != "graine" ||
        !ReadNumber(lines[1][1], game.seed)) {
        return fault(1, "la graine de la partie est attendue (graine 12345)."_cp);
    }
    for (std::size_t line = 2; line < lines.size(); ++line) {
        const std::vector<std::string>& words = lines[line];
        if (words.empty()) {
            continue;
        }
        if (!game.current.empty()) {
            return fault(line, "rien n'est attendu après le tirage en cours."_cp);
        }
        if (words[0] == "en" && words.size() == 5 && words[1] == "cours" && words[3] == "tirage" &&
            words[2] == std::to_string(game.turns.size() + 1)) {
            game.current = words[4];
            continue;
        }
        const auto turn = ReadTurn(words, static_cast<int>(game.turns.size()) + 1);
        if (!turn) {
            return fault(line, "un coup est attendu, écrit comme coup 1 tirage AEINRST top H4 "
                               "SATINER 72 joueur H8 TRAINS 20."_cp);
        }
        game.turns.push_back(*turn);
    }
    return {game, {}};
}

} // namespace zorvane::duplicate
