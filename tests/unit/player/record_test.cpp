#include "player/record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string twelveGames = "brumalo records 1\ngames played 12\ngames won 3\n"
                                "best winning time 97.420\nmost fish 10\n";

// The record a text gives, as the game would write it back.
std::string readBack(std::string_view text) {
    const std::optional<Record> record = parseRecord(text);
    return record ? formatRecord(*record) : "(damaged)";
}

TEST(RecordText, IsReadBackAsWrittenOrAsAnEditorMayLeaveIt) {
    EXPECT_EQ(formatRecord({12, 3, 97420, 10}), twelveGames);
    EXPECT_EQ(readBack(formatRecord({})), "brumalo records 1\ngames played 0\ngames won 0\n"
                                          "best winning time none\nmost fish 0\n");
    // Blank lines, spaces, tabs, Windows line ends, the fields in another order.
    EXPECT_EQ(readBack("\n  brumalo records 1  \r\n\ngames won 3\t\ngames played  12\r\n"
                       "most fish 10 \nbest winning time 97.420\n\n  \n"),
              twelveGames);
}

TEST(RecordText, RefusesWholeWhatIsNotExactlyARecord) {
    // Empty, cut short, not a record at all, a field twice or unknown.
    for (const std::string& text :
         {std::string(), twelveGames.substr(0, twelveGames.size() - 2),
          std::string("[Desktop Entry]\nName=Brumalo\n"),
          std::string("\x7f\x45LF\x02\x01\x01\0\0\n", 10), twelveGames + "games won 3\n",
          twelveGames + "favourite fish 3\n"}) {
        EXPECT_EQ(readBack(text), "(damaged)") << text;
    }
    // One line changed: another version, a field missing or malformed, a
    // number no game could have written.
    const std::string changes[] = {
        "records 1 -> records 2", "games won 3 -> ",
        "12 -> 12 games",         "12 -> -1",
        "12 -> 99999999999",      "won 3 -> won 13",
        "fish 10 -> fish 11",     std::string("fish 10 -> fish 10\0", 19),
        "97.420 -> 97.42",        "97.420 -> 240.001",
        "97.420 -> none"};
    for (const std::string& change : changes) {
        const std::size_t arrow = change.find(" -> ");
        std::string text = twelveGames;
        text.replace(text.find(change.substr(0, arrow)), arrow, change.substr(arrow + 4));
        EXPECT_EQ(readBack(text), "(damaged)") << text;
    }
}

TEST(RecordMerge, CountsEveryGameAndTheBestOnlyEverImproves) {
    const auto twelveAnd = [](const GameResult& game) {
        return formatRecord(withGame({12, 3, 97420, 10}, game));
    };
    EXPECT_EQ(twelveAnd({true, 10, 120000}), formatRecord({13, 4, 97420, 10}));
    EXPECT_EQ(twelveAnd({true, 10, 90000}), formatRecord({13, 4, 90000, 10}));
    EXPECT_EQ(twelveAnd({false, 2, 240000}), formatRecord({13, 3, 97420, 10}));
    // A win with no span of play to its name (a clock set back) cannot stand
    // as a best, which it would stay for good; and a win needs a best time
    // beside it, so it counts as a game played.
    EXPECT_EQ(formatRecord(withGame({}, {true, 10, 0})), formatRecord({1, 0, 0, 10}));
    EXPECT_EQ(twelveAnd({true, 10, -5000}), formatRecord({13, 3, 97420, 10}));
}

} // namespace
