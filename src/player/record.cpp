#include "player/record.h"

#include "player/player_files.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

// The record's text, one field a line after the version line:
//
//   brumalo records 1
//   games played 12
//   games won 3
//   best winning time 97.420      (seconds, or "none" before the first win)
//   most fish 10
//
// A person may edit it, so blank lines and spaces around a line are
// forgiven; anything else that is not exactly a record is refused whole, so
// that the file is set aside for the player rather than half understood and
// written over.

namespace {

constexpr std::string_view versionLine = "brumalo records 1";

// Past these a number in the file is not one the game could have written.
constexpr int mostGames = 1'000'000'000; // some 7,600 years of play at four minutes a game
constexpr int fishInALake = 10;
constexpr int longestGameMs = 240'000;

// A count of plain digits, no sign, within [0, most].
std::optional<int> parseCount(std::string_view text, int most) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || error != std::errc() ||
        end != text.data() + text.size() || value > most) {
        return std::nullopt;
    }
    return value;
}

// Seconds with exactly three decimals ("97.420"), or "none"; in milliseconds,
// 0 for none.
std::optional<int> parseTime(std::string_view text) {
    if (text == "none") {
        return 0;
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() - point != 4) {
        return std::nullopt;
    }
    const std::optional<int> seconds = parseCount(text.substr(0, point), longestGameMs / 1000);
    const std::optional<int> thousandths = parseCount(text.substr(point + 1), 999);
    if (!seconds || !thousandths) {
        return std::nullopt;
    }
    const int ms = *seconds * 1000 + *thousandths;
    if (ms == 0 || ms > longestGameMs) {
        return std::nullopt;
    }
    return ms;
}

std::optional<int> parseGames(std::string_view text) {
    return parseCount(text, mostGames);
}

std::optional<int> parseFish(std::string_view text) {
    return parseCount(text, fishInALake);
}

struct Field {
    std::string_view key;
    int Record::*value;
    std::optional<int> (*parse)(std::string_view);
};

constexpr Field fields[] = {{"games played", &Record::gamesPlayed, parseGames},
                            {"games won", &Record::gamesWon, parseGames},
                            {"best winning time", &Record::bestWinMs, parseTime},
                            {"most fish", &Record::mostFish, parseFish}};
constexpr std::size_t fieldCount = std::size(fields);

// The field a line sets: its key, then a space or tab before the value.
const Field* fieldOnLine(std::string_view line) {
    for (const Field& field : fields) {
        if (line.starts_with(field.key) && line.size() > field.key.size() &&
            (line[field.key.size()] == ' ' || line[field.key.size()] == '\t')) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace

Record withGame(Record record, const GameResult& game) {
    // The counts stop at what the file may hold, so that the next run can
    // still read what this one writes.
    record.gamesPlayed = std::min(record.gamesPlayed + 1, mostGames);
    // A win whose time is no span of play (a clock set back) would stand as
    // a best for good, never beaten; and the record keeps a best time beside
    // every win, so such a game counts as played only.
    if (game.won && game.timeMs > 0) {
        record.gamesWon = std::min(record.gamesWon + 1, record.gamesPlayed);
        const int timeMs = std::min(game.timeMs, longestGameMs);
        if (record.bestWinMs == 0 || timeMs < record.bestWinMs) {
            record.bestWinMs = timeMs;
        }
    }
    record.mostFish = std::max(record.mostFish, std::clamp(game.fishCaught, 0, fishInALake));
    return record;
}

std::string formatRecord(const Record& record) {
    char bestTime[32] = "none";
    if (record.bestWinMs > 0) {
        std::snprintf(bestTime, sizeof bestTime, "%d.%03d", record.bestWinMs / 1000,
                      record.bestWinMs % 1000);
    }
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s\ngames played %d\ngames won %d\nbest winning time %s\nmost fish %d\n",
                  versionLine.data(), record.gamesPlayed, record.gamesWon, bestTime,
                  record.mostFish);
    return text;
}

std::optional<Record> parseRecord(std::string_view text) {
    // 1. Whole: the record is written ending in a line break, so a file cut
    // short mid-line has none after its last word.
    const std::size_t lastWord = text.find_last_not_of(" \t\r\n");
    if (lastWord == std::string_view::npos || text.find('\n', lastWord) == std::string_view::npos) {
        return std::nullopt;
    }

    // 2. Every line: the version first, then each field once, in any order.
    // A line that is not a field refuses the file, since writing the record
    // again would silently drop it.
    Record record;
    bool versionSeen = false;
    bool seen[fieldCount] = {};
    for (const std::string_view line : trimmedLines(text)) {
        if (line.empty()) {
            continue;
        }
        if (!versionSeen) {
            if (line != versionLine) {
                return std::nullopt;
            }
            versionSeen = true;
            continue;
        }

        const Field* field = fieldOnLine(line);
        if (field == nullptr || seen[field - fields]) {
            return std::nullopt;
        }
        const std::optional<int> number = field->parse(trimmed(line.substr(field->key.size())));
        if (!number) {
            return std::nullopt;
        }
        record.*field->value = *number;
        seen[field - fields] = true;
    }
    if (!std::all_of(std::begin(seen), std::end(seen), [](bool each) { return each; })) {
        return std::nullopt;
    }

    // 3. Numbers that fit together: no more wins than games, a best time
    // exactly when there was a win, no fish before the first game.
    if (record.gamesWon > record.gamesPlayed || (record.gamesWon > 0) != (record.bestWinMs > 0) ||
        (record.gamesPlayed == 0 && record.mostFish > 0)) {
        return std::nullopt;
    }
    return record;
}
