// Simulated seasons through the compiler: every line is understood, and the
// team totals read from the boxes equal the simulator's truth.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/league.h"
#include "run/compile_run.h"
#include "run/error_log.h"
#include "sim_support.h"
#include "support/fake_platform.h"
#include "transcript/game_loop.h"

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
  output.gameStats = 0;
  output.cumulativeStats = 1;
  run::CompileRun run(platform, output);
  run::InitErrorLog(run);
  const JsonValue& games = season->truth["games"];
  for (const JsonValue& game : games.items) {
    const run::TransRecord record = run::MakeInputFileRecord(season->Path(game["file"].text));
    run.currentTranscriptName = record.name;
    transcript::ProcessTranscript(run, record);
    ASSERT_FALSE(run.transcriptRejected) << record.name;
    league::OpenAllTeams(run.league);
  }
  EXPECT_EQ(run.errorLog.entries, 0)
      << std::string(run.errorLog.buffer.data(), std::min<std::size_t>(run.errorLog.fill, 600));

  const JsonValue& teams = season->truth["teams"];
  ASSERT_EQ(run.league.teamCount, static_cast<int>(teams.items.size()));
  for (const JsonValue& truth : teams.items) {
    league::TeamRecord* team = league::FindOrCreateTeam(run.league, truth["name"].text);
    SCOPED_TRACE(truth["name"].text);
    EXPECT_EQ(team->wins, truth["wins"].Int());
    EXPECT_EQ(team->losses, truth["losses"].Int());
    EXPECT_EQ(team->ties, truth["ties"].Int());
    EXPECT_EQ(team->gamesPlayed, truth["wins"].Int() + truth["losses"].Int() + truth["ties"].Int());
    const JsonValue& box = truth["box"];
    for (const auto& [name, field] : kSummed)
      EXPECT_EQ(team->own.*field, box[name].Int()) << name;
    EXPECT_EQ(team->own.timeMinutes * 60 + team->own.timeSeconds,
              box["timeMinutes"].Int() * 60 + box["timeSeconds"].Int());
    EXPECT_LT(team->own.timeSeconds, 60);
    EXPECT_EQ(team->opponents.points, box["pointsAgainst"].Int());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CompileSeasonTest,
    testing::Values(SeasonCase{11, sim::EllipsisForm::kDots, sim::LineEnd::kLf},
                    SeasonCase{12, sim::EllipsisForm::kByte, sim::LineEnd::kCr},
                    SeasonCase{13, sim::EllipsisForm::kMixed, sim::LineEnd::kMixed},
                    SeasonCase{14, sim::EllipsisForm::kByte, sim::LineEnd::kCrLf}));

}  // namespace
}  // namespace yl::simtest
