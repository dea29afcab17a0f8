// The team box after "The game is over." reads back, by the box-reading
// rules, to the figures truth.json holds for the game.
#include <gtest/gtest.h>

#include <cmath>

#include "sim_support.h"

namespace yl::simtest {
namespace {

// The values of one box row, read as the layout says.
std::vector<int> Integers(const std::string& line, int count, std::size_t start = 0) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i)
    values.push_back(ReadBoxInteger(line, start));
  return values;
}

std::vector<double> Reals(const std::string& line, std::size_t start = 0) {
  const double first = ReadBoxReal(line, start);
  return {first, ReadBoxReal(line, start)};
}

struct IntegerRow {
  int line;                         // 1-based, empty lines not counted
  std::vector<const char*> fields;  // visiting's, then home's
};

struct RealRow {
  int line;
  const char* field;
  std::size_t start;
};

const std::vector<IntegerRow> kIntegerRows = {{3, {"rushingYards"}},
                                              {4, {"rushingPlays"}},
                                              {6, {"passingYards"}},
                                              {7, {"passingPlays"}},
                                              {9, {"completions", "attempts"}},
                                              {11, {"timesSacked"}},
                                              {12, {"intercepted"}},
                                              {13, {"fumbles", "fumblesLost"}},
                                              {14, {"firstDowns"}},
                                              {16, {"punts"}},
                                              {18, {"netYards"}},
                                              {22, {"touchdowns"}},
                                              {23, {"extraPoints"}},
                                              {24, {"fieldGoalsMade", "fieldGoalsAttempted"}},
                                              {26, {"safeties"}},
                                              {27, {"penalties", "penaltyYards"}},
                                              {28, {"totalPlays"}},
                                              {29, {"timeMinutes", "timeSeconds"}},
                                              {30, {"totalYards"}},
                                              {31, {"points"}}};

const std::vector<RealRow> kRealRows = {
    {15, "thirdDownEfficiency", 10}, {17, "yardsPerPunt", 0},     {19, "yardsPerPuntReturn", 0},
    {20, "yardsPerKickReturn", 0},   {21, "yardsPerTurnover", 0}, {25, "yardsPerFieldGoal", 0}};

// Checks a box against the figures of both teams, the quarters and overtime.
void ExpectBox(const std::vector<std::string>& box, const json& visiting, const json& home,
               const json& quarters, const json& overtime, const std::string& where) {
  ASSERT_EQ(box.size(), 35u) << where;
  for (const IntegerRow& row : kIntegerRows) {
    const int count = static_cast<int>(row.fields.size());
    const std::vector<int> values = Integers(box[row.line - 1], 2 * count);
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(values[i], visiting.at(row.fields[i]).get<int>()) << where << " " << row.fields[i];
      EXPECT_EQ(values[count + i], home.at(row.fields[i]).get<int>())
          << where << " " << row.fields[i];
    }
  }
  for (const RealRow& row : kRealRows) {
    const std::vector<double> values = Reals(box[row.line - 1], row.start);
    EXPECT_NEAR(values[0], visiting.at(row.field).get<double>(), 1e-9) << where << " " << row.field;
    EXPECT_NEAR(values[1], home.at(row.field).get<double>(), 1e-9) << where << " " << row.field;
  }
  const bool hasOvertime = box[32].find('O') != std::string::npos;
  EXPECT_EQ(hasOvertime, !overtime.is_null()) << where;
  for (int side = 0; side < 2; ++side) {
    const std::vector<int> values = Integers(box[33 + side], hasOvertime ? 5 : 4, 11);
    const json& expected = quarters.at(side == 0 ? "visiting" : "home");
    for (int q = 0; q < 4; ++q)
      EXPECT_EQ(values[q], expected.at(q).get<int>()) << where << " q" << q + 1;
    if (hasOvertime) {
      EXPECT_EQ(values[4], overtime.at(side == 0 ? "visiting" : "home").get<int>())
          << where << " OT";
    }
  }
}

TEST(SimBox, RowsReadBackToTheTruth) {
  sim::SeasonOptions options;
  options.seed = 5;
  options.teams = 8;
  options.games = 80;
  options.eol = sim::LineEnd::kCrLf;
  options.game.overtimeRate = 1.0;
  const auto season = WriteSampleSeason(options);
  int overtimeGames = 0;
  for (const json& game : season->truth.at("games")) {
    const Transcript transcript = ReadTranscript(season->Lines(game));
    const json& box = game.at("box");
    ExpectBox(transcript.box, box.at("visiting"), box.at("home"), game.at("quarters"),
              game.at("overtime"), game.at("file").get<std::string>());
    // The figures agree with the game itself.
    int points[2] = {0, 0};
    for (int side = 0; side < 2; ++side) {
      const char* key = side == 0 ? "visiting" : "home";
      for (const json& q : game.at("quarters").at(key))
        points[side] += q.get<int>();
      if (!game.at("overtime").is_null()) points[side] += game.at("overtime").at(key).get<int>();
    }
    EXPECT_EQ(points[0], game.at("visitingScore").get<int>());
    EXPECT_EQ(points[1], game.at("homeScore").get<int>());
    EXPECT_EQ(box.at("visiting").at("points").get<int>(), points[0]);
    EXPECT_EQ(box.at("home").at("points").get<int>(), points[1]);
    const int seconds = 60 * (box.at("visiting").at("timeMinutes").get<int>() +
                              box.at("home").at("timeMinutes").get<int>()) +
                        box.at("visiting").at("timeSeconds").get<int>() +
                        box.at("home").at("timeSeconds").get<int>();
    if (game.at("overtime").is_null()) {
      EXPECT_EQ(seconds, 3600) << game.at("file").get<std::string>();
    } else {
      ++overtimeGames;
      EXPECT_GT(seconds, 3600);
      EXPECT_LE(seconds, 3600 + 900 * game.at("overtimePeriods").get<int>());
    }
  }
  EXPECT_GT(overtimeGames, 0);
}

// Negative figures, a name as long as the name column and an overtime column.
TEST(SimBox, NegativeFiguresLongNamesAndOvertimeReadBack) {
  sim::GameResult result;
  sim::TeamCounts& v = result.counts[0];
  v.passingYards = -7;
  v.passingPlays = 9;
  v.rushingYards = 12;
  v.intercepted = 2;
  v.punts = 9;
  v.puntYards = 371;
  v.possessionSeconds = 2103;
  v.points = 9;
  sim::TeamCounts& h = result.counts[1];
  h.rushingYards = -3;
  h.passingYards = 250;
  h.completions = 21;
  h.attempts = 33;
  h.thirdDownAttempts = 12;
  h.thirdDownConversions = 5;
  h.fieldGoalsMade = 3;
  h.fieldGoalsAttempted = 4;
  h.fieldGoalYards = 115;
  h.possessionSeconds = 2397 + 421;
  h.points = 12;
  result.overtimePeriods = 1;
  result.quarterPoints = {{{0, 3, 0, 6}, {3, 3, 3, 0}}};
  result.overtimePoints = {0, 3};
  result.score = {9, 12};
  for (int side = 0; side < 2; ++side)
    result.box[side] = sim::MakeBoxFigures(result.counts[side]);
  const std::vector<std::string> lines = sim::TeamBoxLines("Thunderbirds", "Owls", result);

  const auto figures = [](const sim::BoxFigures& b) {
    std::string text = "{";
    const auto add = [&](const char* key, const std::string& value) {
      text += std::string(text.size() > 1 ? ", " : "") + "\"" + key + "\": " + value;
    };
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, int>>{{"rushingYards", b.rushingYards},
                                                  {"rushingPlays", b.rushingPlays},
                                                  {"passingYards", b.passingYards},
                                                  {"passingPlays", b.passingPlays},
                                                  {"completions", b.completions},
                                                  {"attempts", b.attempts},
                                                  {"timesSacked", b.timesSacked},
                                                  {"intercepted", b.intercepted},
                                                  {"fumbles", b.fumbles},
                                                  {"fumblesLost", b.fumblesLost},
                                                  {"firstDowns", b.firstDowns},
                                                  {"punts", b.punts},
                                                  {"netYards", b.netYards},
                                                  {"touchdowns", b.touchdowns},
                                                  {"extraPoints", b.extraPoints},
                                                  {"fieldGoalsMade", b.fieldGoalsMade},
                                                  {"fieldGoalsAttempted", b.fieldGoalsAttempted},
                                                  {"safeties", b.safeties},
                                                  {"penalties", b.penalties},
                                                  {"penaltyYards", b.penaltyYards},
                                                  {"totalPlays", b.totalPlays},
                                                  {"timeMinutes", b.timeMinutes},
                                                  {"timeSeconds", b.timeSeconds},
                                                  {"totalYards", b.totalYards},
                                                  {"points", b.points}})
      add(key, std::to_string(value));
    add("thirdDownEfficiency", b.thirdDownEfficiency);
    add("yardsPerPunt", b.yardsPerPunt);
    add("yardsPerPuntReturn", b.yardsPerPuntReturn);
    add("yardsPerKickReturn", b.yardsPerKickReturn);
    add("yardsPerTurnover", b.yardsPerTurnover);
    add("yardsPerFieldGoal", b.yardsPerFieldGoal);
    return json::parse(text + "}");
  };
  EXPECT_EQ(result.box[0].yardsPerTurnover, "2.5");
  EXPECT_EQ(result.box[1].thirdDownEfficiency, "0.42");
  EXPECT_EQ(result.box[1].timeMinutes, 46);
  EXPECT_EQ(result.box[1].timeSeconds, 58);
  ExpectBox(lines, figures(result.box[0]), figures(result.box[1]),
            json::parse(R"({"visiting": [0, 3, 0, 6], "home": [3, 3, 3, 0]})"),
            json::parse(R"({"visiting": 0, "home": 3})"), "crafted box");
  EXPECT_EQ(lines[33].substr(0, 12), "Thunderbirds");
}

}  // namespace
}  // namespace yl::simtest
