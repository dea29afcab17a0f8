// Simulated seasons through the compiler: every line is understood, the team
// totals read from the boxes equal the simulator's truth, and the league
// report's record lines give every team its true record.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "league/league.h"
#include "run/error_log.h"
#include "sim_support.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace yl::simtest {
namespace {

struct SeasonCase {
  std::uint64_t seed;
  sim::EllipsisForm ellipsis;
  sim::LineEnd eol;
};

class CompileSeasonTest : public testing::TestWithParam<SeasonCase> {};

// The box figures that add up over a season, by their names in truth.json.
const std::vector<std::pair<const char*, std::int32_t league::TeamTotals::*>> kSummed = {
    {"rushingYards", &league::TeamTotals::rushingYards},
    {"rushingPlays", &league::TeamTotals::rushingPlays},
    {"passingYards", &league::TeamTotals::passingYards},
    {"passingPlays", &league::TeamTotals::passingPlays},
    {"completions", &league::TeamTotals::completions},
    {"attempts", &league::TeamTotals::attempts},
    {"timesSacked", &league::TeamTotals::timesSacked},
    {"intercepted", &league::TeamTotals::intercepted},
    {"fumbles", &league::TeamTotals::fumbles},
    {"fumblesLost", &league::TeamTotals::fumblesLost},
    {"firstDowns", &league::TeamTotals::firstDowns},
    {"punts", &league::TeamTotals::punts},
    {"netYards", &league::TeamTotals::netYards},
    {"touchdowns", &league::TeamTotals::touchdowns},
    {"extraPoints", &league::TeamTotals::extraPoints},
    {"fieldGoalsMade", &league::TeamTotals::fieldGoalsMade},
    {"fieldGoalsAttempted", &league::TeamTotals::fieldGoalsAttempted},
    {"safeties", &league::TeamTotals::safeties},
    {"penalties", &league::TeamTotals::penalties},
    {"penaltyYards", &league::TeamTotals::penaltyYards},
    {"totalPlays", &league::TeamTotals::totalPlays},
    {"totalYards", &league::TeamTotals::totalYards},
    {"points", &league::TeamTotals::points},
};

TEST_P(CompileSeasonTest, EveryLineIsUnderstoodAndTheBoxesAddUp) {
  sim::SeasonOptions options;
  options.seed = GetParam().seed;
  options.teams = 6;
  options.ellipsis = GetParam().ellipsis;
  options.eol = GetParam().eol;
  const std::unique_ptr<SampleSeason> season = WriteSampleSeason(options);

  test::FakePlatform platform;
  options::OutputOptions output;
  output.mode = options::ReportMode::kCumulative;
  compile::CompileRun run(platform, output);
  run::InitErrorLog(run.errorLog);
  const json& games = season->truth.at("games");
  for (const json& game : games) {
    const run::TransRecord record =
        run::MakeInputFileRecord(season->Path(game.at("file").get<std::string>()));
    ASSERT_EQ(compile::CompileTranscript(run, record).outcome, transcript::ReadOutcome::kRead)
        << record.name;
    league::OpenAllTeams(run.league);
  }
  EXPECT_EQ(run.errorLog.entries, 0)
      << std::string(run.errorLog.buffer.data(), std::min<std::size_t>(run.errorLog.fill, 600));

  const json& teams = season->truth.at("teams");
  ASSERT_EQ(std::ssize(run.league.teams), static_cast<int>(teams.size()));
  for (const json& truth : teams) {
    league::TeamRecord* team =
        league::FindOrCreateTeam(run.league, truth.at("name").get<std::string>());
    SCOPED_TRACE(truth.at("name").get<std::string>());
    EXPECT_EQ(team->wins, truth.at("wins").get<int>());
    EXPECT_EQ(team->losses, truth.at("losses").get<int>());
    EXPECT_EQ(team->ties, truth.at("ties").get<int>());
    EXPECT_EQ(team->gamesPlayed, truth.at("wins").get<int>() + truth.at("losses").get<int>() +
                                     truth.at("ties").get<int>());
    const json& box = truth.at("box");
    for (const auto& [name, field] : kSummed)
      EXPECT_EQ(team->own.*field, box.at(name).get<int>()) << name;
    EXPECT_EQ(team->own.timeMinutes * 60 + team->own.timeSeconds,
              box.at("timeMinutes").get<int>() * 60 + box.at("timeSeconds").get<int>());
    EXPECT_LT(team->own.timeSeconds, 60);
    EXPECT_EQ(team->opponents.points, box.at("pointsAgainst").get<int>());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CompileSeasonTest,
    testing::Values(SeasonCase{11, sim::EllipsisForm::kDots, sim::LineEnd::kLf},
                    SeasonCase{12, sim::EllipsisForm::kByte, sim::LineEnd::kCr},
                    SeasonCase{13, sim::EllipsisForm::kMixed, sim::LineEnd::kMixed},
                    SeasonCase{14, sim::EllipsisForm::kByte, sim::LineEnd::kCrLf}));

// The season's transcripts in the order played, and its team files by name.
std::vector<run::TransRecord> Transcripts(const SampleSeason& season) {
  std::vector<run::TransRecord> transcripts;
  for (const json& game : season.truth.at("games"))
    transcripts.push_back(
        run::MakeInputFileRecord(season.Path(game.at("file").get<std::string>())));
  return transcripts;
}

std::vector<run::TeamFileRecord> TeamFiles(const SampleSeason& season) {
  std::vector<run::TeamFileRecord> teamFiles;
  for (const auto& entry : std::filesystem::directory_iterator(season.Path("teams")))
    teamFiles.push_back(run::MakeInputFileRecord(entry.path().string()));
  std::sort(teamFiles.begin(), teamFiles.end(),
            [](const auto& a, const auto& b) { return a.path < b.path; });
  return teamFiles;
}

// The main job end to end: a season of eight teams over seven weeks, compiled
// in league mode with its team files; each team's season report opens with
// its record, which must be the one the simulator played.
TEST(LeagueSeasonReport, RecordLinesEqualTheSimulatedRecords) {
  sim::SeasonOptions options;
  options.seed = 5;
  options.teams = 8;
  options.weeks = 7;
  const std::unique_ptr<SampleSeason> season = WriteSampleSeason(options);

  const std::vector<run::TransRecord> transcripts = Transcripts(*season);
  const std::vector<run::TeamFileRecord> teamFiles = TeamFiles(*season);

  test::FakePlatform platform;
  options::OutputOptions output;
  output.mode = options::ReportMode::kLeague;
  output.lineEnds = options::LineEnds::kUnix;
  compile::CompileRun run(platform, output);
  compile::CompileStats(run, transcripts, teamFiles, run::MakePrefixReply(season->Path("Season")));
  EXPECT_EQ(run.gamesCompiled, static_cast<int>(transcripts.size()));
  EXPECT_EQ(run.errorLog.entries, 0);
  ASSERT_EQ(run.reportFiles.size(), 1u);

  // Per team, in report order: its record line "Name      W-L-T      .pct" and
  // its own season total and per-game average of plays.
  struct Printed {
    std::string record;
    double plays = 0;
    double playsPerGame = 0;
  };
  const std::regex recordLine(R"((.+?)      (\d+-\d+-\d+)      (1\.000|\.\d{3}))");
  const std::regex playsLine(R"(Total Plays +\d+ +[\d.]+ +(\d+) +([\d.]+))");
  std::vector<std::string> names;
  std::map<std::string, Printed> printed;
  std::istringstream report(test::ReadFileBytes(run.reportFiles.front()));
  std::smatch match;
  for (std::string line; std::getline(report, line);) {
    if (std::regex_match(line, match, recordLine)) {
      names.push_back(match[1]);
      printed[names.back()].record = match[2];
    } else if (!names.empty() && std::regex_match(line, match, playsLine)) {
      printed[names.back()].plays = std::stod(match[1]);
      printed[names.back()].playsPerGame = std::stod(match[2]);
    }
  }

  std::vector<std::string> expectedNames;
  for (const json& team : season->truth.at("teams")) {
    const std::string name = team.at("name").get<std::string>();
    SCOPED_TRACE(name);
    expectedNames.push_back(name);
    EXPECT_EQ(printed[name].record, std::to_string(team.at("wins").get<int>()) + "-" +
                                        std::to_string(team.at("losses").get<int>()) + "-" +
                                        std::to_string(team.at("ties").get<int>()));
    int games = 0;
    for (const json& game : season->truth.at("games"))
      games += game.at("home").get<std::string>() == name ||
               game.at("visiting").get<std::string>() == name;
    ASSERT_GT(games, 0);
    // The average is divided by the games the team played.
    EXPECT_NEAR(printed[name].playsPerGame, printed[name].plays / games, 0.05 + 1e-9);
  }
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(names, expectedNames);
}

// Team files serve every game of a game-mode or per-play run, not only the
// first: each game's part of the run's report equals the report of that game
// compiled alone with the same team files.
struct SoloCase {
  const char* name;
  options::ReportMode mode;
  options::LineEnds lineEnds;
};

class TeamFilesTest : public testing::TestWithParam<SoloCase> {};

TEST_P(TeamFilesTest, EachGameReportsAsItWouldAlone) {
  sim::SeasonOptions options;
  options.seed = 21;
  options.teams = 4;
  options.games = 4;
  options.game.fumbleRate = 0.03;
  const std::unique_ptr<SampleSeason> season = WriteSampleSeason(options);
  const std::vector<run::TeamFileRecord> teamFiles = TeamFiles(*season);
  options::OutputOptions output;
  output.mode = GetParam().mode;
  output.lineEnds = GetParam().lineEnds;
  output.gameLayout = options::FileLayout::kOneFile;
  output.perPlayLayout = options::FileLayout::kOneFile;
  // The report of a run over the transcripts, in a folder of its own.
  int runs = 0;
  const auto report = [&](const std::vector<run::TransRecord>& transcripts) {
    const std::string folder = season->Path("run" + std::to_string(++runs));
    std::filesystem::create_directory(folder);
    test::FakePlatform platform;
    compile::CompileRun run(platform, output);
    compile::CompileStats(run, transcripts, teamFiles, run::MakePrefixReply(folder + "/R"));
    EXPECT_EQ(run.gamesCompiled, static_cast<int>(transcripts.size()));
    return run.reportFiles.size() == 1 ? test::ReadFileBytes(run.reportFiles.front()) : "";
  };

  const std::vector<run::TransRecord> transcripts = Transcripts(*season);
  ASSERT_GE(transcripts.size(), 3u);
  const std::string whole = report(transcripts);
  std::size_t at = 0;
  for (const run::TransRecord& transcript : transcripts) {
    SCOPED_TRACE(transcript.name);
    const std::string alone = report({transcript});
    ASSERT_FALSE(alone.empty());
    // Where the run's part first differs, rather than two whole reports.
    const std::string part = whole.substr(at, alone.size());
    const auto [differs, unused] = std::mismatch(part.begin(), part.end(), alone.begin());
    const std::size_t from = part.rfind('\n', static_cast<std::size_t>(differs - part.begin()));
    EXPECT_TRUE(part == alone) << "the run's part at " << part.substr(from + 1, 120)
                               << "\nalone: " << alone.substr(from + 1, 120);
    at += alone.size();
  }
  EXPECT_EQ(at, whole.size());
}

INSTANTIATE_TEST_SUITE_P(Modes, TeamFilesTest,
                         testing::Values(SoloCase{"GameUnix", options::ReportMode::kGame,
                                                  options::LineEnds::kUnix},
                                         SoloCase{"GameWindows", options::ReportMode::kGame,
                                                  options::LineEnds::kWindows},
                                         SoloCase{"PerPlayMacintosh", options::ReportMode::kPerPlay,
                                                  options::LineEnds::kMacintosh}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

}  // namespace
}  // namespace yl::simtest
