// The end-of-game team box: reading its numbers, adding them to the two
// teams, minutes out of seconds, results, overtime, and boxes cut short.
#include "transcript/team_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace yl::transcript {
namespace {

struct IntegerCase {
  std::string line;
  std::size_t start;
  std::vector<int> values;  // read one after the other
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
  return out << '"' << c.line << '"';
}

class BoxIntegers : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(BoxIntegers, ReadOneAfterTheOther) {
  const IntegerCase& c = GetParam();
  std::size_t position = c.start;
  std::vector<int> values;
  for (std::size_t k = 0; k < c.values.size(); ++k)
    values.push_back(ReadBoxInteger(c.line, position));
  EXPECT_EQ(values, c.values) << c.line;
  EXPECT_LE(position, std::max(c.start, c.line.size()));  // never past the line
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BoxIntegers,
    ::testing::Values(
        IntegerCase{"Passes (Comp/Atts)     12/20     15/31", 0, {12, 20, 15, 31}},
        IntegerCase{"Total Time    28:75   30:45", 0, {28, 75, 30, 45}},
        IntegerCase{"Passing Yards   -12   40", 0, {-12, 40}},
        // A hyphen anywhere before the digits makes the number negative.
        IntegerCase{"Mud-Hens   7    0", 0, {-7, 0}}, IntegerCase{"Mud-Hens   7    0", 11, {7, 0}},
        // Past sixteen bytes of label, and a hyphen there.
        IntegerCase{"Third Down Conversion Rate-Adj   4    5", 0, {-4, 5}},
        IntegerCase{std::string(40, ' ') + "9 " + std::string(20, '.') + "3", 0, {9, 3}},
        IntegerCase{"Bears      0   -3", 11, {0, -3}}, IntegerCase{"no digits here", 0, {0, 0}},
        IntegerCase{"", 0, {0}}, IntegerCase{"12", 5, {0}},  // a start past the end reads nothing
        // 16-bit wrap: 70000 - 65536 and 40000 - 65536.
        IntegerCase{"70000 40000 -32768", 0, {4464, -25536, -32768}}));

TEST(ReadBoxInteger, PositionStandsAfterTheEndingByte) {
  std::size_t position = 0;
  EXPECT_EQ(ReadBoxInteger("  12/20", position), 12);
  EXPECT_EQ(position, 5u);
  EXPECT_EQ(ReadBoxInteger("  12/20", position), 20);
  EXPECT_EQ(position, 7u);
}

struct RealCase {
  std::string line;
  std::size_t start;
  std::vector<double> values;
};

std::ostream& operator<<(std::ostream& out, const RealCase& c) {
  return out << '"' << c.line << '"';
}

class BoxReals : public ::testing::TestWithParam<RealCase> {};

TEST_P(BoxReals, ReadOneAfterTheOther) {
  const RealCase& c = GetParam();
  std::size_t position = c.start;
  for (const double expected : c.values)
    EXPECT_DOUBLE_EQ(ReadBoxReal(c.line, position), expected) << c.line;
  EXPECT_LE(position, c.line.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BoxReals,
    ::testing::Values(RealCase{"Yards Per Punt      41.2     38.0", 0, {41.2, 38.0}},
                      RealCase{"3rd Down Efficiency   33.3   41.7", 10, {33.3, 41.7}},
                      // From the start the label's digit joins the whole part.
                      RealCase{"3rd Down Efficiency   33.3   41.7", 0, {333.3, 41.7}},
                      RealCase{"Yards Per Turnover  -2.5  0.25", 0, {-2.5, 0.25}},
                      // Before the stop nothing but the stop ends the number.
                      RealCase{"Yards 1 2.5 7", 0, {12.5, 7.0}}, RealCase{"12.5.6", 0, {12.5, 6.0}},
                      RealCase{"", 0, {0.0, 0.0}}));

// A box as a transcript carries it after the game's end, visiting team first.
std::vector<std::string> Box(const std::string& time, const std::string& points,
                             const std::string& heading, const std::string& visitingQuarters,
                             const std::string& homeQuarters) {
  return {
      "Team Statistics             Mud Hens      Bears",
      "----------------------------------------------",
      "Rushing Yards                    112         87",
      "Rushing Plays                     28         25",
      "Passing",
      "Passing Yards                    201        -12",
      "Passing Plays                     20         31",
      "Completions",
      "Passes (Comp/Atts)             12/20      15/31",
      "Defense",
      "Sacked                             2          3",
      "Intercepted                        1          0",
      "Fumbles (No/Lost)                3/1        2/2",
      "First Downs                       17         19",
      "3rd Down Efficiency             33.3       41.7",
      "Punts                              5          4",
      "Yards Per Punt                  41.2       38.0",
      "Net Yards                        188        150",
      "Yards Per Punt Return            8.5        6.0",
      "Yards Per Kick Return           21.3       19.8",
      "Yards Per Turnover              12.0        0.5",
      "Touchdowns                         2          3",
      "Extra Points                       2          3",
      "Field Goals (No/Atts)            1/2        0/1",
      "Yards Per Field Goal            42.0        0.0",
      "Safeties                           0          1",
      "Penalties (No/Yards)            6/45       4/30",
      "Total Plays                       63         61",
      "Total Time                " + time,
      "Total Yards                      313         75",
      "Points                    " + points,
      "Score by quarter",
      heading,
      visitingQuarters,
      homeQuarters,
  };
}

std::vector<std::string> PlainBox() {
  return Box("28:75      30:45", "17    23", "             1    2    3    4  Total",
             "Mud-Hens    7    0    3    7     17", "Bears       0   10    6    7     23");
}

// Reads the box after the line "The game is over." as the game loop leaves it.
GameScore ReadBox(const std::vector<std::string>& lines, league::TeamRecord& home,
                  league::TeamRecord& visiting, const std::string& eol = "\r\n") {
  std::string bytes = "The game is over." + eol;
  for (const std::string& line : lines)
    bytes += line + eol;
  TranscriptText text;
  text.text.assign(bytes.begin(), bytes.end());
  LineState state;
  ReadLine(text, state);
  const GameScore score = ReadTeamBox(text, home, visiting);
  EXPECT_LE(text.position, static_cast<std::int32_t>(text.text.size()));
  return score;
}

void ExpectSameTotals(const league::TeamTotals& a, const league::TeamTotals& b) {
  const std::vector<std::int32_t> countsA = {
      a.rushingYards,   a.rushingPlays,        a.passingYards,
      a.passingPlays,   a.completions,         a.attempts,
      a.timesSacked,    a.intercepted,         a.fumbles,
      a.fumblesLost,    a.firstDowns,          a.punts,
      a.netYards,       a.touchdowns,          a.extraPoints,
      a.fieldGoalsMade, a.fieldGoalsAttempted, a.safeties,
      a.penalties,      a.penaltyYards,        a.totalPlays,
      a.timeMinutes,    a.timeSeconds,         a.totalYards,
      a.points,         a.overtimePoints};
  const std::vector<std::int32_t> countsB = {
      b.rushingYards,   b.rushingPlays,        b.passingYards,
      b.passingPlays,   b.completions,         b.attempts,
      b.timesSacked,    b.intercepted,         b.fumbles,
      b.fumblesLost,    b.firstDowns,          b.punts,
      b.netYards,       b.touchdowns,          b.extraPoints,
      b.fieldGoalsMade, b.fieldGoalsAttempted, b.safeties,
      b.penalties,      b.penaltyYards,        b.totalPlays,
      b.timeMinutes,    b.timeSeconds,         b.totalYards,
      b.points,         b.overtimePoints};
  EXPECT_EQ(countsA, countsB);
  EXPECT_EQ(a.quarterPoints, b.quarterPoints);
  const std::vector<double> realsA = {a.thirdDownEfficiency, a.yardsPerPunt,
                                      a.yardsPerPuntReturn,  a.yardsPerKickReturn,
                                      a.yardsPerTurnover,    a.yardsPerFieldGoal};
  const std::vector<double> realsB = {b.thirdDownEfficiency, b.yardsPerPunt,
                                      b.yardsPerPuntReturn,  b.yardsPerKickReturn,
                                      b.yardsPerTurnover,    b.yardsPerFieldGoal};
  EXPECT_EQ(realsA, realsB);
}

TEST(ReadTeamBox, EveryRowLandsInItsTotals) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  ReadBox(PlainBox(), home, visiting);

  const league::TeamTotals& v = visiting.own;
  EXPECT_EQ(v.rushingYards, 112);
  EXPECT_EQ(v.rushingPlays, 28);
  EXPECT_EQ(v.passingYards, 201);
  EXPECT_EQ(v.passingPlays, 20);
  EXPECT_EQ(v.completions, 12);
  EXPECT_EQ(v.attempts, 20);
  EXPECT_EQ(v.timesSacked, 2);
  EXPECT_EQ(v.intercepted, 1);
  EXPECT_EQ(v.fumbles, 3);
  EXPECT_EQ(v.fumblesLost, 1);
  EXPECT_EQ(v.firstDowns, 17);
  EXPECT_DOUBLE_EQ(v.thirdDownEfficiency, 33.3);
  EXPECT_EQ(v.punts, 5);
  EXPECT_DOUBLE_EQ(v.yardsPerPunt, 41.2);
  EXPECT_EQ(v.netYards, 188);
  EXPECT_DOUBLE_EQ(v.yardsPerPuntReturn, 8.5);
  EXPECT_DOUBLE_EQ(v.yardsPerKickReturn, 21.3);
  EXPECT_DOUBLE_EQ(v.yardsPerTurnover, 12.0);
  EXPECT_EQ(v.touchdowns, 2);
  EXPECT_EQ(v.extraPoints, 2);
  EXPECT_EQ(v.fieldGoalsMade, 1);
  EXPECT_EQ(v.fieldGoalsAttempted, 2);
  EXPECT_DOUBLE_EQ(v.yardsPerFieldGoal, 42.0);
  EXPECT_EQ(v.safeties, 0);
  EXPECT_EQ(v.penalties, 6);
  EXPECT_EQ(v.penaltyYards, 45);
  EXPECT_EQ(v.totalPlays, 63);
  EXPECT_EQ(v.timeMinutes, 29);  // 28:75
  EXPECT_EQ(v.timeSeconds, 15);
  EXPECT_EQ(v.totalYards, 313);
  EXPECT_EQ(v.points, 17);
  EXPECT_EQ(v.quarterPoints, (std::array<std::int32_t, 4>{7, 0, 3, 7}));  // hyphen in the name
  EXPECT_EQ(v.overtimePoints, -1);

  const league::TeamTotals& h = home.own;
  EXPECT_EQ(h.passingYards, -12);  // a hyphen before the number
  EXPECT_EQ(h.completions, 15);
  EXPECT_EQ(h.attempts, 31);
  EXPECT_EQ(h.fumbles, 2);
  EXPECT_EQ(h.fumblesLost, 2);
  EXPECT_DOUBLE_EQ(h.thirdDownEfficiency, 41.7);
  EXPECT_DOUBLE_EQ(h.yardsPerTurnover, 0.5);
  EXPECT_EQ(h.safeties, 1);
  EXPECT_EQ(h.timeMinutes, 30);
  EXPECT_EQ(h.timeSeconds, 45);
  EXPECT_EQ(h.points, 23);
  EXPECT_EQ(h.quarterPoints, (std::array<std::int32_t, 4>{0, 10, 6, 7}));

  // Each team's figures are the other's opponent figures.
  ExpectSameTotals(visiting.own, home.opponents);
  ExpectSameTotals(home.own, visiting.opponents);

  EXPECT_EQ(home.gamesPlayed, 1);
  EXPECT_EQ(home.wins, 1);
  EXPECT_EQ(home.losses, 0);
  EXPECT_EQ(visiting.gamesPlayed, 1);
  EXPECT_EQ(visiting.losses, 1);
  EXPECT_EQ(visiting.wins, 0);
  EXPECT_EQ(home.ties + visiting.ties, 0);
}

TEST(ReadTeamBox, GamesAddUpAndAveragesAreReplaced) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  ReadBox(PlainBox(), home, visiting);
  std::vector<std::string> second =
      Box("30:50      29:10", "20    13", "             1    2    3    4  Total",
          "Mud-Hens    7    7    3    3     20", "Bears       3    3    0    7     13");
  second[16] = "Yards Per Punt                  40.0       35.5";
  ReadBox(second, home, visiting, "\n");

  EXPECT_EQ(visiting.own.rushingYards, 224);
  EXPECT_EQ(home.own.completions, 30);
  EXPECT_EQ(home.own.attempts, 62);
  // 29:15 + 30:50 = 59:65, carried to 60:05.
  EXPECT_EQ(visiting.own.timeMinutes, 60);
  EXPECT_EQ(visiting.own.timeSeconds, 5);
  EXPECT_EQ(home.opponents.timeMinutes, 60);
  EXPECT_EQ(home.opponents.timeSeconds, 5);
  // 30:45 + 29:10 = 59:55.
  EXPECT_EQ(home.own.timeMinutes, 59);
  EXPECT_EQ(home.own.timeSeconds, 55);
  EXPECT_DOUBLE_EQ(visiting.own.yardsPerPunt, 40.0);
  EXPECT_DOUBLE_EQ(home.opponents.yardsPerPunt, 40.0);
  EXPECT_DOUBLE_EQ(home.own.yardsPerPunt, 35.5);
  EXPECT_EQ(visiting.own.quarterPoints, (std::array<std::int32_t, 4>{14, 7, 6, 10}));
  EXPECT_EQ(home.gamesPlayed, 2);
  EXPECT_EQ(home.wins, 1);
  EXPECT_EQ(home.losses, 1);
  EXPECT_EQ(visiting.wins, 1);
  EXPECT_EQ(visiting.losses, 1);
  ExpectSameTotals(visiting.own, home.opponents);
}

TEST(ReadTeamBox, EqualPointsAreATie) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  ReadBox(Box("30:00      30:00", "17    17", "             1    2    3    4  Total",
              "Mud-Hens    7    0    3    7     17", "Bears       0   10    0    7     17"),
          home, visiting);
  EXPECT_EQ(home.ties, 1);
  EXPECT_EQ(visiting.ties, 1);
  EXPECT_EQ(home.wins + home.losses + visiting.wins + visiting.losses, 0);
  EXPECT_EQ(home.gamesPlayed, 1);
}

TEST(ReadTeamBox, OvertimeColumnStartsTheOvertimePoints) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  EXPECT_FALSE(ReadBox(PlainBox(), home, visiting).overtime);
  EXPECT_EQ(home.own.overtimePoints, -1);

  // The game's own score, beside the totals of both games.
  const GameScore score = ReadBox(
      Box("35:10      34:20", "23    20", "             1    2    3    4   OT  Total",
          "Mud-Hens    7    3    3    7    3    23", "Bears       7    7    3    3    0    20"),
      home, visiting);
  EXPECT_TRUE(score.overtime);
  EXPECT_EQ(score.visitingQuarters, (std::array<std::int16_t, 4>{7, 3, 3, 7}));
  EXPECT_EQ(score.homeQuarters, (std::array<std::int16_t, 4>{7, 7, 3, 3}));
  EXPECT_EQ(score.visitingOvertime, 3);
  EXPECT_EQ(score.homeOvertime, 0);
  EXPECT_EQ(score.visitingPoints, 23);
  EXPECT_EQ(score.homePoints, 20);
  EXPECT_EQ(visiting.own.overtimePoints, 3);
  EXPECT_EQ(home.opponents.overtimePoints, 3);
  EXPECT_EQ(home.own.overtimePoints, 0);  // no longer -1 once overtime was played
  EXPECT_EQ(visiting.opponents.overtimePoints, 0);
  EXPECT_EQ(visiting.own.quarterPoints, (std::array<std::int32_t, 4>{14, 3, 6, 14}));

  ReadBox(Box("35:10      34:20", "6    0", "             1    2    3    4   OT  Total",
              "Mud-Hens    0    0    0    0    6     6", "Bears       0    0    0    0    0     0"),
          home, visiting);
  EXPECT_EQ(visiting.own.overtimePoints, 9);
}

TEST(ReadTeamBox, EmptyLinesInTheBoxAreSkipped) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  std::vector<std::string> lines = PlainBox();
  lines.insert(lines.begin() + 2, "");
  lines.insert(lines.begin() + 20, "");
  ReadBox(lines, home, visiting);
  league::TeamRecord plainHome;
  league::TeamRecord plainVisiting;
  ReadBox(PlainBox(), plainHome, plainVisiting);
  ExpectSameTotals(home.own, plainHome.own);
  ExpectSameTotals(visiting.own, plainVisiting.own);
}

TEST(ReadTeamBox, BoxCutShortReadsTheMissingRowsAsZero) {
  for (const bool endsInTerminator : {true, false}) {
    std::string bytes = "The game is over.\n";
    const std::vector<std::string> lines = PlainBox();
    for (std::size_t k = 0; k < 20; ++k)
      bytes += lines[k] + "\n";
    if (!endsInTerminator) bytes.pop_back();
    TranscriptText text;
    text.text.assign(bytes.begin(), bytes.end());
    LineState state;
    ReadLine(text, state);
    league::TeamRecord home;
    league::TeamRecord visiting;
    ReadTeamBox(text, home, visiting);
    EXPECT_EQ(text.position, static_cast<std::int32_t>(bytes.size()));
    EXPECT_EQ(visiting.own.completions, 12);
    EXPECT_DOUBLE_EQ(visiting.own.yardsPerKickReturn, 21.3);  // the last line there
    EXPECT_DOUBLE_EQ(visiting.own.yardsPerTurnover, 0.0);
    EXPECT_EQ(visiting.own.touchdowns, 0);
    EXPECT_EQ(visiting.own.points, 0);
    EXPECT_EQ(visiting.own.overtimePoints, -1);
    // Points 0 to 0: the game counts as tied.
    EXPECT_EQ(home.gamesPlayed, 1);
    EXPECT_EQ(home.ties, 1);
  }
}

TEST(ReadTeamBox, LinesAreReadUpTo299Bytes) {
  league::TeamRecord home;
  league::TeamRecord visiting;
  std::vector<std::string> lines = PlainBox();
  std::string rushing = "Rushing Yards";
  rushing.resize(296, ' ');
  rushing += "12";    // bytes 296 and 297
  rushing += "  34";  // from byte 300 on: beyond the line buffer
  lines[2] = rushing;
  ReadBox(lines, home, visiting);
  EXPECT_EQ(visiting.own.rushingYards, 12);
  EXPECT_EQ(home.own.rushingYards, 0);
  EXPECT_EQ(visiting.own.rushingPlays, 28);  // the next line is the next row
}

}  // namespace
}  // namespace yl::transcript
