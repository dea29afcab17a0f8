// The transcript reader: lines, the play-header test, the phrase comparison
// and the first line.
#include "transcript/reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "run/error_log.h"
#include "support/fake_platform.h"

namespace yl::transcript {
namespace {

struct ReadResult {
  std::vector<std::string> lines;
  std::vector<bool> sawBlank;
};

// Reads every line, clearing sawBlank before each read as the game loop does
// before a gains line.
ReadResult ReadAll(std::string_view bytes) {
  TranscriptText text;
  text.text.assign(bytes.begin(), bytes.end());
  LineState state;
  ReadResult result;
  while (true) {
    state.sawBlank = false;
    ReadLine(text, state);
    if (state.atEnd) break;
    result.lines.emplace_back(state.line);
    result.sawBlank.push_back(state.sawBlank);
  }
  return result;
}

// Tokens noted while parsing and carried into the league find the players
// that looking up each token on its own finds, also when a token's text
// comes again (marked or not) after its player changed sides.
TEST(CarryParse, RepeatedTokensFindWhatEachLookupFinds) {
  const std::vector<std::string> tokens = {
      "#4-Denlin",  "#81-Stoham", "#4-Denlin", "#4-Denlin*", "#81-Stoham", "#4-Denlin",
      "#4-Denlin+", "#7-Lee",     "#5-Denlin", "#81-Stoham", "#4-Denlin*", "#1!-Bad",
      "#7-Lee",     "#4-Denlin",  "#123-Big",  "#7-Lee*",    "#81-Stoham", "#4-Denlin*"};
  const std::size_t half = tokens.size() / 2;
  // Each token looked up as it comes.
  league::League alone;
  std::vector<const league::PlayerRecord*> aloneFound;
  // The tokens noted, then carried in two steps.
  league::League carried;
  GamePlayers players;
  run::FileSystem files;
  test::FakePlatform platform;
  run::ErrorLog errorLog{platform, files, options::LineEnds::kUnix};
  run::InitErrorLog(errorLog);
  ReadContext context{carried, players, errorLog, "T"};
  ParseContext parse;
  CarriedParse carriedParse;
  std::vector<TokenNumber> numbers;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (i == half) {
      // Between the steps every player found so far goes over to defense.
      CarryParse(context, parse, carriedParse, MarksOf(parse));
      for (league::League* league : {&alone, &carried}) {
        for (league::PlayerRecord& p : league->players)
          p.side = league::kDefense;
      }
    }
    numbers.push_back(NoteToken(parse, tokens[i]));
    aloneFound.push_back(league::FindOrCreatePlayer(alone, tokens[i]));
  }
  CarryParse(context, parse, carriedParse, MarksOf(parse));

  ASSERT_EQ(carried.players.size(), alone.players.size());
  for (std::size_t p = 0; p < alone.players.size(); ++p) {
    EXPECT_EQ(carried.players[p].name, alone.players[p].name) << p;
    EXPECT_EQ(carried.players[p].number, alone.players[p].number) << p;
    EXPECT_EQ(carried.players[p].side, alone.players[p].side) << p;
  }
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    ASSERT_EQ(numbers[i] != kNoToken, aloneFound[i] != nullptr) << tokens[i];
    if (numbers[i] != kNoToken) {
      EXPECT_EQ(carriedParse.players[numbers[i]]->index, aloneFound[i]->index) << tokens[i];
    }
  }
}

// A cleared table (a benchmark clears it after every line) knows none of
// the texts it held, also with many texts in it, and takes new ones.
TEST(TokenTexts, ClearedTableKnowsOnlyNewTexts) {
  TokenTexts texts;
  std::vector<std::string> first;
  for (int i = 0; i < 300; ++i)
    first.push_back("#" + std::to_string(i % 100) + "-Name" + std::to_string(i));
  for (const std::string& text : first)
    texts.Enter(text, league::PlayerToken{});
  texts.clear();
  for (const std::string& text : first)
    EXPECT_EQ(texts.Find(text), TokenTexts::kNotEntered) << text;
  EXPECT_EQ(texts.Enter(first[7], league::PlayerToken{}), 0u);
  EXPECT_EQ(texts.Find(first[7]), 0u);
  EXPECT_EQ(texts.Find(first[8]), TokenTexts::kNotEntered);
}

TEST(ReadLine, EveryTerminatorReadsTheSame) {
  for (const std::string_view eol : {"\r", "\n", "\r\n"}) {
    const std::string bytes = "one" + std::string(eol) + "two" + std::string(eol) +
                              std::string(eol) + " three" + std::string(eol);
    const ReadResult r = ReadAll(bytes);
    ASSERT_EQ(r.lines, (std::vector<std::string>{"one", "two", " three"})) << int(eol[0]);
    EXPECT_EQ(r.sawBlank, (std::vector<bool>{false, false, true}));
  }
}

// Lines are found many bytes at a time: a line end at every offset from the
// start of the text, next to bytes above 127, must still end the line there.
TEST(ReadLine, AnEndAtAnyOffsetEndsTheLine) {
  const std::string filler = "ab\xC9\xFF\x80~ cdefghijklmnopqrstu";
  for (const std::string_view eol : {"\r", "\n", "\r\n"}) {
    for (std::size_t first = 0; first <= 20; ++first) {
      const std::string one = filler.substr(0, first);
      const std::string two = filler.substr(first % 7, 17);
      const ReadResult r = ReadAll(one + std::string(eol) + two + std::string(eol) + one);
      std::vector<std::string> expected = {one, two, one};
      if (one.empty()) expected = {two};  // empty lines are blanks, not lines
      EXPECT_EQ(r.lines, expected) << first << " " << int(eol[0]);
    }
  }
}

TEST(ReadLine, MixedTerminatorsAndIndentation) {
  TranscriptText text;
  const std::string bytes = "a\r\nb\rc\n\r\n\rd";
  text.text.assign(bytes.begin(), bytes.end());
  LineState state;
  std::vector<std::string> lines;
  for (int i = 0; i < 4; ++i) {
    state.sawBlank = false;
    ReadLine(text, state);
    lines.emplace_back(state.line);
    EXPECT_EQ(state.sawBlank, i == 3) << i;
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
  ReadLine(text, state);
  EXPECT_TRUE(state.atEnd);
  EXPECT_TRUE(state.line.empty());
  // Reading on at the end stays at the end and never reads past the text.
  ReadLine(text, state);
  EXPECT_TRUE(state.atEnd);
  EXPECT_EQ(text.position, static_cast<std::int32_t>(bytes.size()));
}

TEST(ReadLine, IndentedAndTooLong) {
  const std::string longLine(500, 'x');
  TranscriptText text;
  const std::string bytes = "  With\n" + longLine + "\n" + longLine.substr(1);
  text.text.assign(bytes.begin(), bytes.end());
  LineState state;
  ReadLine(text, state);
  EXPECT_TRUE(state.indented);
  EXPECT_FALSE(state.TooLong());
  ReadLine(text, state);
  EXPECT_FALSE(state.indented);
  EXPECT_TRUE(state.TooLong());
  ReadLine(text, state);
  EXPECT_FALSE(state.TooLong());
  EXPECT_EQ(state.line.size(), 499u);
}

// A digit run at a place in the line: its value when it fits 16 bits, and
// where reading stops (after the whole run, also one too large). Runs of
// every length, at the line's end and away from it, beside bytes that only
// look like digits in their low bits.
TEST(ReadNumber, ReadsTheWholeRunAndRefusesTooLargeAValue) {
  struct Case {
    std::string line;
    std::size_t from;
    std::optional<std::int16_t> value;
    std::size_t after;
  };
  const Case cases[] = {
      {"7 yards", 0, 7, 1},
      {"12:34 on", 0, 12, 2},
      {"12:34 on", 3, 34, 5},
      {"123 yard", 0, 123, 3},
      {"1234 yar", 0, 1234, 4},
      {"0099 x", 0, 99, 4},
      {"007x", 0, 7, 3},
      {"32767 x", 0, 32767, 5},
      {"32768 x", 0, std::nullopt, 5},
      {"99999999999 x", 0, std::nullopt, 11},
      {"x12 yard", 0, 0, 0},
      {"ab12", 2, 12, 4},
      {"5", 0, 5, 1},
      {"45", 0, 45, 2},
      {"1\xB9 yd", 0, 1, 1},
      {"2\xC9\xC9\xC9", 0, 2, 1},
      {"9/0 ", 0, 9, 1},
      {"1:x ", 0, 1, 1},
      {"1/x ", 0, 1, 1},
      {"80\x30x", 0, 800, 3},
  };
  for (const Case& c : cases) {
    std::size_t p = c.from;
    EXPECT_EQ(ReadNumber(c.line, p), c.value) << c.line;
    EXPECT_EQ(p, c.after) << c.line;
  }
}

TEST(MatchPhrase, CasePrefixAndWholeString) {
  EXPECT_TRUE(MatchPhrase("The game is over.", "The game is over.", true, true));
  EXPECT_TRUE(MatchPhrase("THE GAME IS OVER. Thanks", "The game is over.", false, false));
  EXPECT_FALSE(MatchPhrase("THE GAME IS OVER.", "The game is over.", true, false));
  EXPECT_FALSE(MatchPhrase("The game is over. Now", "The game is over.", true, true));
  EXPECT_FALSE(MatchPhrase("The game", "The game is over.", false, false));
  EXPECT_TRUE(MatchPhrase("anything", "", true, false));
  // Only ASCII letters fold: "[" and "{" are not the same letter.
  EXPECT_FALSE(MatchPhrase("{", "[", false, false));
  EXPECT_FALSE(MatchPhrase("\xe9", "\xc9", false, false));
}

TEST(IsPlayHeader, EllipsisAndFullStops) {
  EXPECT_TRUE(IsPlayHeader("With the score 0 to 0 ... yard line..."));
  EXPECT_TRUE(IsPlayHeader("   With the score 7 to 3 yard line\xc9"));
  EXPECT_TRUE(IsPlayHeader("W"));
  EXPECT_FALSE(IsPlayHeader("Whistled dead."));
  EXPECT_FALSE(IsPlayHeader("with the score 0 to 0..."));
  EXPECT_FALSE(IsPlayHeader("   "));
  EXPECT_FALSE(IsPlayHeader(""));
  EXPECT_TRUE(IsPlayHeader("W.."));
  EXPECT_FALSE(IsPlayHeader("W."));
}

struct FirstLineCase {
  const char* line;
  bool ok;
  const char* visiting;
  const char* home;
};

class ParseFirstLineTest : public testing::TestWithParam<FirstLineCase> {};

TEST_P(ParseFirstLineTest, Reads) {
  const FirstLineCase& c = GetParam();
  std::string visiting;
  std::string home;
  ASSERT_EQ(ParseFirstLine(c.line, visiting, home), c.ok) << c.line;
  if (c.ok) {
    EXPECT_EQ(visiting, c.visiting);
    EXPECT_EQ(home, c.home);
  }
}

const std::string k32(32, 'A');
const std::string k33(33, 'A');
const std::string kName32Line = k32 + " (1-0) vs Bears (0-1)";
const std::string kName33Line = k33 + " (1-0) vs Bears (0-1)";
const std::string kHome33Line = "Bears (1-0) vs " + k33 + " (0-1)";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseFirstLineTest,
    testing::Values(
        FirstLineCase{"Eagles (3-2) vs Bears (4-1)", true, "Eagles", "Bears"},
        FirstLineCase{"New York (Old) (3-2) vs Bears (4-1)", true, "New York (Old)", "Bears"},
        FirstLineCase{"Eagles (3-2) vs  Fighting Irish (4-1) ", true, "Eagles", "Fighting Irish"},
        FirstLineCase{"Eagles (3-2) versus Bears (4-1)", false, "", ""},
        FirstLineCase{"Eagles (3-2) Bears (4-1)", false, "", ""},
        FirstLineCase{"Eagles (3-2) vs vikings (4-1)", false, "", ""},
        FirstLineCase{"Eagles (3-2) vs Vikings (4-1)", true, "Eagles", "Vikings"},
        FirstLineCase{"Eagles (3-2) vs Bears", false, "", ""},
        FirstLineCase{"Eagles(3-2) vs Bears (4-1)", false, "", ""},
        FirstLineCase{"", false, "", ""},
        FirstLineCase{kName32Line.c_str(), true, k32.c_str(), "Bears"},
        FirstLineCase{kName33Line.c_str(), false, "", ""},
        FirstLineCase{kHome33Line.c_str(), false, "", ""},
        FirstLineCase{"Bears (3-2) vs bears (4-1)", false, "", ""},
        FirstLineCase{" (3-2) vs Bears (4-1)", false, "", ""}));

}  // namespace
}  // namespace yl::transcript
