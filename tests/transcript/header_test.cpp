// The play header: reading phrases and numbers, which number is which, and
// the headers that are refused.
#include "transcript/header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transcript/header_phrases.h"
#include "transcript/line_parser_fixture.h"

namespace yl::transcript {
namespace {

constexpr std::string_view kNotUnderstood = "Don't understand play header";

// What a header says once resolved, -1 where it says nothing.
struct Figures {
  int startKind, quarter, minutes, seconds, visiting, home, down, distance, yardLine, inches,
      ownSide;
  bool operator==(const Figures&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Figures& s) {
  return out << "start " << s.startKind << " q" << s.quarter << " " << s.minutes << ":" << s.seconds
             << " score " << s.visiting << "-" << s.home << " down " << s.down << " dist "
             << s.distance << " yard " << s.yardLine << " inches " << s.inches << " own "
             << s.ownSide;
}

Figures Resolved(const CurrentPlay& play) {
  const Situation s = ResolveHeader(play.header);
  return {CodeValue(s.start),
          s.quarter.value_or(-1),
          s.minutes.value_or(-1),
          s.seconds.value_or(-1),
          s.visitingScore.value_or(-1),
          s.homeScore.value_or(-1),
          s.down.value_or(-1),
          s.distance.value_or(-1),
          s.yardLine.value_or(-1),
          s.inches ? 1 : 0,
          s.ownSide ? 1 : 0};
}

struct HeaderCase {
  const char* name;
  std::string line;
  Figures expected;
};

void PrintTo(const HeaderCase& c, std::ostream* out) {
  *out << c.name;
}

const std::string kScore = "With the score 14 to 7 in the 2nd quarter, 12:34 on the clock, and ";

const HeaderCase kHeaderCases[] = {
    {"KickOff",
     "With the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off from the 35 "
     "yard line...",
     {3, 1, 15, 0, 0, 0, -1, -1, 35, 0, 0}},
    {"KickOffFromOwn",
     kScore + "kicking-off from their own 30 yard line\xC9",
     {3, 2, 12, 34, 14, 7, -1, -1, 30, 0, 1}},
    {"FreeKick",
     kScore + "free kicking from their own 20 yard line...",
     {8, 2, 12, 34, 14, 7, -1, -1, 20, 0, 1}},
    {"Try",
     kScore + "trying for an extra point from the 2 yard line...",
     {0, 2, 12, 34, 14, 7, -1, -1, 2, 0, 0}},
    {"FirstAndTenOwn",
     kScore + "1st-and-10 to go from their own 35 yard line...",
     {-1, 2, 12, 34, 14, 7, 1, 10, 35, 0, 1}},
    {"ThirdAndSevenOther",
     kScore + "3rd-and-7 to go from the 42 yard line\xC9",
     {-1, 2, 12, 34, 14, 7, 3, 7, 42, 0, 0}},
    {"FourthAndInchesOwn",
     kScore + "4th-and-inches to go from their own 20 yard line\xC9",
     {-1, 2, 12, 34, 14, 7, 4, 1, 20, 1, 1}},
    {"SecondAndInchesOther",
     kScore + "2nd-and-inches to go from the 45 yard line...",
     {-1, 2, 12, 34, 14, 7, 2, 1, 45, 1, 0}},
    {"InchesAtGoalLine",
     kScore + "3rd-and-inches to go from the goal line\xC9",
     {-1, 2, 12, 34, 14, 7, 3, 1, 1, 1, 0}},
    {"GoalAtGoalLine",
     kScore + "1st-and-goal to go from the goal line...",
     {-1, 2, 12, 34, 14, 7, 1, 1, 1, 1, 0}},
    {"GoalToGo",
     kScore + "1st-and-goal to go from the 3 yard line...",
     {-1, 2, 12, 34, 14, 7, 1, 3, 3, 0, 0}},
    {"FromOwnGoalLine",
     kScore + "2nd-and-12 to go from their own goal line\xC9",
     {-1, 2, 12, 34, 14, 7, 2, 12, 1, 0, 1}},
    {"Overtime",
     "With the score 21 to 21 in the OT period, 9:05 on the clock, and 1st-and-10 to go from "
     "their own 25 yard line...",
     {-1, 5, 9, 5, 21, 21, 1, 10, 25, 0, 1}},
};

class HeaderCaseTest : public test::LineParserTest,
                       public testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderCaseTest, ReadsAndResolves) {
  ASSERT_TRUE(ParseExact(ParseHeader, GetParam().line));
  EXPECT_EQ(Resolved(play), GetParam().expected);
  EXPECT_EQ(errorLog.entries, 0);
}

INSTANTIATE_TEST_SUITE_P(Headers, HeaderCaseTest, testing::ValuesIn(kHeaderCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

using HeaderTest = test::LineParserTest;

TEST_F(HeaderTest, LongestPhraseWins) {
  // "st-and-goal to go from the " must win over "st-and-" followed by text
  // that no phrase reads.
  ASSERT_TRUE(ParseExact(ParseHeader, kScore + "1st-and-goal to go from the 3 yard line..."));
  const std::vector<int> codes(play.header.codes.begin(), play.header.codes.end());
  EXPECT_EQ(codes, (std::vector<int>{29, 40, 35, 31, 41, 26, 21, 34}));
  const std::vector<int> numbers(play.header.numbers.begin(), play.header.numbers.end());
  EXPECT_EQ(numbers, (std::vector<int>{14, 7, 2, 12, 34, 1, 3}));
}

TEST_F(HeaderTest, EllipsisSpellingsReadAlike) {
  const std::string tail = "th-and-goal to go from the goal line";
  ASSERT_TRUE(ParseExact(ParseHeader, kScore + "4" + tail + "..."));
  const Figures dots = Resolved(play);
  play = CurrentPlay{};
  ASSERT_TRUE(ParseExact(ParseHeader, kScore + "4" + tail + "\xC9"));
  EXPECT_EQ(Resolved(play), dots);
  EXPECT_EQ(play.header.codes[6], 49);  // the twin of code 11
}

// A number too large for its figure makes the header not understood; it
// never wraps around to a small one.
TEST_F(HeaderTest, NumbersTooLargeAreRefused) {
  ASSERT_TRUE(ParseExact(ParseHeader,
                         "With the score 32767 to 0 in the 1st quarter, 15:00 on the clock, and "
                         "kicking-off from the 35 yard line..."));
  EXPECT_EQ(play.header.numbers[0], 32767);
  play = CurrentPlay{};
  EXPECT_FALSE(ParseExact(ParseHeader,
                          "With the score 70000 to 65537 in the 1st quarter, 15:00 on the clock, "
                          "and kicking-off from the 35 yard line..."));
}

// "With the score 1:1:...:1 yard line..." with k numbers, each `digits` long
// (leading zeros: 0001).
std::string HeaderWithNumbers(int count, int digits) {
  std::string line = "With the score ";
  for (int i = 0; i < count; ++i) {
    if (i > 0) line += ":";
    line += std::string(static_cast<std::size_t>(digits) - 1, '0') + "1";
  }
  return line + " yard line...";
}

TEST_F(HeaderTest, FourteenNumbersFitFifteenDoNot) {
  ASSERT_TRUE(ParseExact(ParseHeader, HeaderWithNumbers(14, 1)));
  EXPECT_EQ(play.header.numbers.size(), 14u);
  EXPECT_EQ(play.header.codes.size(), 15u);
  play = CurrentPlay{};
  const std::string tooMany = HeaderWithNumbers(15, 1);
  EXPECT_FALSE(ParseExact(ParseHeader, tooMany));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, tooMany)}));
}

TEST_F(HeaderTest, LinesUpTo499BytesOnly) {
  // 41 bytes of phrases and 14 numbers: 13 of 32 digits and one of 42.
  std::string line = HeaderWithNumbers(14, 32);
  line.insert(15, 10, '0');
  ASSERT_EQ(line.size(), 499u);
  EXPECT_TRUE(ParseExact(ParseHeader, line));
  play = CurrentPlay{};
  line.insert(15, 1, '0');
  EXPECT_FALSE(ParseExact(ParseHeader, line));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, line.substr(0, 499))}));
}

struct RefusedHeader {
  const char* name;
  std::string line;
};

void PrintTo(const RefusedHeader& c, std::ostream* out) {
  *out << c.name;
}

const RefusedHeader kRefusedHeaders[] = {
    {"EndsWithNumber", "With the score 0 to 0"},
    {"StartsWithNumber",
     "7With the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off from the "
     "35 yard line..."},
    {"WordThatIsNoPhrase", kScore + "punting from the 35 yard line..."},
    {"WrongCase",
     "with the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off "
     "from the 35 yard line..."},
    {"NoNumber", "With the score "},
    {"PhraseOnly", ":"},
    {"Empty", ""},
    {"BlankBeforeEnd", kScore + "1st-and-10 to go from the 35 yard line... "},
    {"SegmentOver199", "With the score " + std::string(200, '1') + " to 0 yard line..."},
};

class RefusedHeaderTest : public test::LineParserTest,
                          public testing::WithParamInterface<RefusedHeader> {};

TEST_P(RefusedHeaderTest, LoggedAsNotUnderstood) {
  EXPECT_FALSE(ParseExact(ParseHeader, GetParam().line));
  EXPECT_EQ(Logged(), (std::vector{Entry(kNotUnderstood, GetParam().line)}));
}

INSTANTIATE_TEST_SUITE_P(Headers, RefusedHeaderTest, testing::ValuesIn(kRefusedHeaders),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// A guide kept from header to header (as a game keeps one) changes nothing
// a header reads: every line above, texts that a kept one begins, and
// headers that leave a number out.
TEST(HeaderGuide, ChangesNothingAHeaderReads) {
  std::vector<std::string> lines;
  for (const HeaderCase& c : kHeaderCases)
    lines.push_back(c.line);
  for (const RefusedHeader& c : kRefusedHeaders)
    lines.push_back(c.line);
  lines.push_back(HeaderWithNumbers(14, 1));
  lines.push_back(HeaderWithNumbers(15, 1));
  lines.push_back(kScore + "1st-and-99999 to go from the 35 yard line...");
  lines.push_back(kScore + "1st-and-10 to go from the 35 yard line...");
  lines.push_back(kScore + "1st-and-10 to go from the 35 yard line...X");
  lines.push_back(kScore + "1st-and-10 to go from the 35 yard line...");
  lines.push_back(kScore + "st-and-10 to go from the 35 yard line...");  // a number left out
  lines.push_back(kScore + "1st-and-10 to go from the 35 yard lines...");
  lines.push_back(
      "With the score 14 to 7 in the 2nd quarter, 12:34 on the clock, and 1st-and-10 to go "
      "from the 35 yard line...");
  lines.push_back(
      "With the score 14 to 7 in the 2nd quarter,12:34 on the clock, and 1st-and-10 to go "
      "from the 35 yard line...");
  test::ExpectGuideChangesNothing<HeaderGuide>(
      lines,
      [](ParseContext& parse, std::string_view line, CurrentPlay& play, HeaderGuide* guide) {
        return ParseHeader(parse, line, play, guide);
      },
      [](CurrentPlay& play) -> HeaderText& { return play.header; }, kClockCode);
}

}  // namespace
}  // namespace yl::transcript
