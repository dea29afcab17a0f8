// yardledger-season-check: plays games with the simulator and compiles each
// one on its own, with the two teams' files, then compares every player's
// figures of that game with the simulator's. By default only games without
// a fumble and without a penalty are compiled, and only the rushing,
// passing, receiving, field-goal and extra-point figures compared; two
// options widen either. Prints every difference and the share of players
// that match; the exit status is 0 only when all of them match.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "game.h"
#include "league/team_file.h"
#include "random.h"
#include "roster.h"
#include "run/error_log.h"
#include "run/errors.h"
#include "schedule.h"
#include "season.h"

namespace {

namespace fs = std::filesystem;
namespace sim = yl::sim;
using yl::league::PlayerRecord;
using namespace yl::stats;
using namespace yl::league::records;

class CheckPlatform : public yl::run::Platform {
 public:
  void ShowAlert(std::string_view message) override {
    std::fprintf(stderr, "alert: %.*s\n", static_cast<int>(message.size()), message.data());
  }
  std::optional<std::string> AskSaveFile(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

// One compared figure: the simulator's, and the compiled one summed over
// the records it is spread across (a record never created counts as 0).
struct Field {
  const char* name;
  int truth;
  int compiled;
  int none = 0;  // the value of a player who took no part
};

template <typename Record>
int Sum(const std::optional<Record>& record, std::int32_t Record::*member) {
  return record ? (*record).*member : 0;
}

std::vector<Field> MainFields(const sim::PlayerTotals& t, const PlayerRecord& p) {
  return {
      {"rushing.attempts", t.rushAttempts, Sum(p.rushing, &RushingRecord::attempts)},
      {"rushing.yards", t.rushYards, Sum(p.rushing, &RushingRecord::yards)},
      {"rushing.touchdowns", t.rushTouchdowns, Sum(p.rushing, &RushingRecord::touchdowns)},
      {"rushing.longest", t.rushLongest == sim::kNoLongest ? kNoLongest : t.rushLongest,
       p.rushing ? p.rushing->longest : kNoLongest, kNoLongest},
      {"passing.attempts", t.passAttempts, Sum(p.passing, &PassingRecord::attempts)},
      {"passing.completions", t.completions, Sum(p.passing, &PassingRecord::completions)},
      {"passing.yards", t.passYards, Sum(p.passing, &PassingRecord::yards)},
      {"passing.touchdowns", t.passTouchdowns, Sum(p.passing, &PassingRecord::touchdowns)},
      {"passing.interceptions", t.interceptionsThrown,
       Sum(p.passing, &PassingRecord::interceptions)},
      {"passing.sacks", t.timesSacked, Sum(p.passing, &PassingRecord::sacks)},
      {"passing.sackYards", t.sackYardsLost, Sum(p.passing, &PassingRecord::sackYards)},
      {"receiving.receptions", t.receptions, Sum(p.receiving, &ReceivingRecord::receptions)},
      {"receiving.yards", t.receivingYards, Sum(p.receiving, &ReceivingRecord::yards)},
      {"receiving.touchdowns", t.receivingTouchdowns,
       Sum(p.receiving, &ReceivingRecord::touchdowns)},
      {"receiving.drops", t.drops, Sum(p.receiving, &ReceivingRecord::drops)},
      {"fieldGoals.attempts", t.fieldGoalsAttempted, Sum(p.fgKicking, &FGKickingRecord::attempts)},
      {"fieldGoals.made", t.fieldGoalsMade, Sum(p.fgKicking, &FGKickingRecord::made)},
      {"extraPoints.attempts", t.extraPointsAttempted,
       Sum(p.epKicking, &EPKickingRecord::attempts)},
      {"extraPoints.made", t.extraPointsMade, Sum(p.epKicking, &EPKickingRecord::made)},
  };
}

// The other categories. The simulator counts blocked punts among punts and
// special-teams tackles among all tackles; a player's fumbles are spread
// over the records of whatever he was doing.
std::vector<Field> OtherFields(const sim::PlayerTotals& t, const PlayerRecord& p) {
  const int fumbles =
      Sum(p.rushing, &RushingRecord::fumbles) + Sum(p.receiving, &ReceivingRecord::fumbles) +
      Sum(p.kickReturn, &KickReturnRecord::fumbles) +
      Sum(p.puntReturn, &PuntReturnRecord::fumbles) +
      Sum(p.interception, &InterceptionRecord::fumbles) + Sum(p.recovery, &RecoveryRecord::fumbles);
  const int lost = Sum(p.rushing, &RushingRecord::fumblesLost) +
                   Sum(p.receiving, &ReceivingRecord::fumblesLost) +
                   Sum(p.kickReturn, &KickReturnRecord::fumblesLost) +
                   Sum(p.puntReturn, &PuntReturnRecord::fumblesLost) +
                   Sum(p.interception, &InterceptionRecord::fumblesLost) +
                   Sum(p.recovery, &RecoveryRecord::fumblesLost);
  const int specialTackles = Sum(p.specialTeams, &SpecialTeamsRecord::tackles) +
                             Sum(p.defSpecialTeams, &SpecialTeamsRecord::tackles);
  return {
      {"punts", t.punts,
       Sum(p.punting, &PuntingRecord::punts) + Sum(p.punting, &PuntingRecord::blocked)},
      {"kickReturns.returns", t.kickReturns, Sum(p.kickReturn, &KickReturnRecord::returns)},
      {"kickReturns.yards", t.kickReturnYards, Sum(p.kickReturn, &KickReturnRecord::yards)},
      {"kickReturns.touchdowns", t.kickReturnTouchdowns,
       Sum(p.kickReturn, &KickReturnRecord::touchdowns)},
      {"puntReturns.returns", t.puntReturns, Sum(p.puntReturn, &PuntReturnRecord::returns)},
      {"puntReturns.yards", t.puntReturnYards, Sum(p.puntReturn, &PuntReturnRecord::yards)},
      {"puntReturns.touchdowns", t.puntReturnTouchdowns,
       Sum(p.puntReturn, &PuntReturnRecord::touchdowns)},
      {"puntReturns.fairCatches", t.fairCatches, Sum(p.puntReturn, &PuntReturnRecord::fairCatches)},
      {"interceptions.count", t.interceptions,
       Sum(p.interception, &InterceptionRecord::interceptions)},
      {"interceptions.yards", t.interceptionReturnYards,
       Sum(p.interception, &InterceptionRecord::returnYards)},
      {"interceptions.touchdowns", t.interceptionTouchdowns,
       Sum(p.interception, &InterceptionRecord::touchdowns)},
      {"defense.tackles", t.tackles,
       Sum(p.defensive, &DefensiveRecord::tackles) + Sum(p.miscOff, &MiscOffRecord::tackles) +
           specialTackles},
      {"defense.specialTeamsTackles", t.specialTeamsTackles, specialTackles},
      {"defense.sacks", t.sacks, Sum(p.defensive, &DefensiveRecord::sacks)},
      {"defense.sackYards", t.sackYards, Sum(p.defensive, &DefensiveRecord::sackYards)},
      {"defense.passesDefensed", t.passesDefensed,
       Sum(p.defensive, &DefensiveRecord::passesDefensed)},
      {"recoveries.count", t.fumbleRecoveries, Sum(p.recovery, &RecoveryRecord::recoveries)},
      {"recoveries.yards", t.fumbleReturnYards, Sum(p.recovery, &RecoveryRecord::returnYards)},
      {"recoveries.touchdowns", t.fumbleReturnTouchdowns,
       Sum(p.recovery, &RecoveryRecord::touchdowns)},
      {"fumbles.fumbles", t.fumbles, fumbles},
      {"fumbles.lost", t.fumblesLost, lost},
      {"penalties.flagged", t.penalties, Sum(p.penalty, &PenaltyRecord::flagged)},
      {"penalties.accepted", t.penaltiesAccepted, Sum(p.penalty, &PenaltyRecord::accepted)},
      {"penalties.yards", t.penaltyYards, Sum(p.penalty, &PenaltyRecord::yards)},
      {"twoPoint.rushAttempts", t.twoPointRushAttempts,
       Sum(p.twoPoint, &TwoPointRecord::rushAttempts)},
      {"twoPoint.rushesMade", t.twoPointRushesMade, Sum(p.twoPoint, &TwoPointRecord::rushMade)},
      {"twoPoint.passAttempts", t.twoPointPassAttempts,
       Sum(p.twoPoint, &TwoPointRecord::passAttempts)},
      {"twoPoint.passesMade", t.twoPointPassesMade, Sum(p.twoPoint, &TwoPointRecord::passMade)},
      {"twoPoint.targets", t.twoPointTargets, Sum(p.twoPoint, &TwoPointRecord::receivingAttempts)},
      {"twoPoint.receptions", t.twoPointReceptions,
       Sum(p.twoPoint, &TwoPointRecord::receivingMade)},
  };
}

PlayerRecord* FindCompiled(yl::league::League& league, const std::string& team,
                           const sim::Player& player) {
  for (PlayerRecord& p : yl::league::NewestFirst(league.players)) {
    if (p.number == player.number && p.name == player.name && p.teamName == team) return &p;
  }
  return nullptr;
}

bool WriteBytes(const fs::path& path, const void* bytes, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

struct Settings {
  std::uint64_t seed = 1;
  int teams = 8;
  int games = 40;
  sim::GameSettings game;
  bool everyGame = false;
  bool everyCategory = false;
  std::string keep;
};

struct Counts {
  int games = 0, compiled = 0, rejected = 0, loggedErrors = 0;
  int players = 0, matching = 0;
};

// Compares the players of one compiled game; prints each one that differs.
void ComparePlayers(const Settings& settings, const std::string& name,
                    const std::vector<sim::Team>& teams, const sim::ScheduledGame& scheduled,
                    const std::vector<std::array<sim::PlayerTotals, sim::kRosterEntries>>& truth,
                    yl::league::League& league, Counts& counts) {
  for (const int side : {scheduled.visiting, scheduled.home}) {
    const sim::Team& team = teams[side];
    for (const int entry : sim::kPlayingEntries) {
      const sim::Player& player = team.entries[entry];
      const PlayerRecord* compiled = FindCompiled(league, team.name, player);
      static const PlayerRecord kNobody;
      const PlayerRecord& p = compiled != nullptr ? *compiled : kNobody;
      std::vector<Field> fields = MainFields(truth[side][entry], p);
      if (settings.everyCategory) {
        const std::vector<Field> other = OtherFields(truth[side][entry], p);
        fields.insert(fields.end(), other.begin(), other.end());
      }
      bool tookPart = false;
      bool match = true;
      for (const Field& f : fields) {
        tookPart = tookPart || f.truth != f.none || f.compiled != f.none;
        match = match && f.truth == f.compiled;
      }
      if (!tookPart) continue;
      ++counts.players;
      if (match) {
        ++counts.matching;
        continue;
      }
      std::printf("%s #%d %s (%s), simulator/compiled:", name.c_str(), player.number,
                  player.name.c_str(), team.name.c_str());
      for (const Field& f : fields) {
        if (f.truth != f.compiled) std::printf(" %s %d/%d", f.name, f.truth, f.compiled);
      }
      std::printf("\n");
    }
  }
}

}  // namespace

static int Check(int argc, char** argv) {
  Settings settings;
  // Rare enough that many games have neither a fumble nor a penalty.
  settings.game.penaltyRate = 0.003;
  settings.game.fumbleRate = 0.003;
  CLI::App app{
      "Compiles simulated games one by one and compares the players' figures with the "
      "simulator's."};
  app.add_option("--seed", settings.seed, "random seed (default 1)");
  app.add_option("--teams", settings.teams, "number of teams (default 8)")
      ->check(CLI::Range(2, sim::MaxTeams()));
  app.add_option("--games", settings.games, "games of the round robin (default 40)")
      ->check(CLI::Range(1, 99999));
  app.add_option("--penalty-rate", settings.game.penaltyRate,
                 "chance of a flag on a scrimmage down (default 0.003)")
      ->check(CLI::Range(0.0, 1.0));
  app.add_option("--fumble-rate", settings.game.fumbleRate,
                 "chance that a ball carrier fumbles (default 0.003)")
      ->check(CLI::Range(0.0, 1.0));
  app.add_flag("--every-game", settings.everyGame,
               "also compile the games with a fumble or a penalty");
  app.add_flag("--every-category", settings.everyCategory,
               "also compare returns, interceptions, defence, recoveries, fumbles, penalties "
               "and two-point tries");
  app.add_option("--keep", settings.keep, "write the files into this folder and keep them");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }

  const fs::path dir =
      !settings.keep.empty()
          ? fs::path(settings.keep)
          : fs::temp_directory_path() / ("yl-season-check-" + std::to_string(settings.seed) + "-" +
                                         std::to_string(std::random_device{}()));
  std::error_code error;
  fs::create_directories(dir, error);

  sim::Random teamRandom(sim::DeriveSeed(settings.seed, 1, 0));
  const std::vector<sim::Team> teams = sim::MakeTeams(settings.teams, teamRandom);
  for (const sim::Team& team : teams) {
    const auto bytes = sim::EncodeTeamFile(team);
    if (error || !WriteBytes(dir / (team.name + ".fbt"), bytes.data(), bytes.size())) {
      std::fprintf(stderr, "yardledger-season-check: cannot write into %s\n", dir.c_str());
      return 2;
    }
  }

  CheckPlatform platform;
  yl::options::OutputOptions options;
  options.lineEnds = yl::options::LineEnds::kUnix;
  Counts counts;
  int number = 0;
  for (const sim::ScheduledGame& scheduled : sim::MakeGames(settings.teams, settings.games)) {
    ++number;
    ++counts.games;
    std::vector<std::array<sim::PlayerTotals, sim::kRosterEntries>> truth(teams.size());
    const sim::GameResult game =
        sim::SimulateGame(teams, scheduled, {"0-0", "0-0"}, settings.game,
                          sim::DeriveSeed(settings.seed, 2, number), truth);
    if (!settings.everyGame && (game.hadFumble || game.hadPenalty)) continue;
    ++counts.compiled;

    sim::Random format(sim::DeriveSeed(settings.seed, 3, number));
    const std::string bytes =
        sim::TranscriptBytes(game.lines, sim::EllipsisForm::kDots, sim::LineEnd::kLf, format);
    const std::string name =
        sim::GameFileName(number, teams[scheduled.visiting].name, teams[scheduled.home].name);
    if (!WriteBytes(dir / name, bytes.data(), bytes.size())) {
      std::fprintf(stderr, "yardledger-season-check: cannot write %s\n", name.c_str());
      return 2;
    }

    yl::compile::CompileRun run(platform, options);
    yl::run::InitErrorLog(run.errorLog);
    for (const int side : {scheduled.visiting, scheduled.home}) {
      const fs::path teamFile = dir / (teams[side].name + ".fbt");
      yl::league::ReadTeamFile(run.league, run.errorLog, run.fileSystem,
                               yl::run::MakeInputFileRecord(teamFile.string()));
    }
    const auto compiled =
        yl::compile::CompileTranscript(run, yl::run::MakeInputFileRecord((dir / name).string()));
    counts.loggedErrors += run.errorLog.entries;
    if (compiled.outcome != yl::transcript::ReadOutcome::kRead) {
      ++counts.rejected;
      std::printf("%s: rejected\n", name.c_str());
      continue;
    }
    ComparePlayers(settings, name, teams, scheduled, truth, run.league, counts);
  }
  if (settings.keep.empty()) fs::remove_all(dir, error);

  std::printf(
      "%d games, %d compiled, %d rejected, %d lines logged as errors\n"
      "%d of %d players match (%.1f%%)\n",
      counts.games, counts.compiled, counts.rejected, counts.loggedErrors, counts.matching,
      counts.players, counts.players > 0 ? 100.0 * counts.matching / counts.players : 0.0);
  return counts.matching == counts.players && counts.rejected == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  try {
    return Check(argc, argv);
  } catch (const yl::run::FatalAlert& alert) {
    std::fprintf(stderr, "alert: %s\n", alert.what());
    return 2;
  }
}
