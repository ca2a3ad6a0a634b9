#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the game remembers of every game played on this computer, kept as
// plain text in the player's data folder so that a person can read it.
struct Record {
    int gamesPlayed = 0;
    int gamesWon = 0;
    int bestWinMs = 0; // the shortest winning game, in game milliseconds; 0 until one is won
    int mostFish = 0;  // the most fish caught in one game
};

// How one game ended.
struct GameResult {
    bool won = false;
    int fishCaught = 0;
    int timeMs = 0; // game time from the start to the end, pauses left out
};

// The record with one more game in it: counts go up, the best time only
// ever gets shorter and the most fish only ever grows.
Record withGame(Record record, const GameResult& game);

// The file's text, starting with its version line, and back. A text that is
// damaged, truncated, of another version or not a record at all gives none.
std::string formatRecord(const Record& record);
std::optional<Record> parseRecord(std::string_view text);
