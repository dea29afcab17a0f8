// yardledger-season-check: plays games with the simulator and compiles each
// game that had neither a fumble nor a penalty on its own, with the two
// teams' files, then compares every player's rushing, passing, receiving,
// field-goal and extra-point figures of that game with the simulator's.
// Prints the share of players that match and every difference; the exit
// status is 0 only when all of them match.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "game.h"
#include "league/team_file.h"
#include "random.h"
#include "roster.h"
#include "run/compile_run.h"
#include "run/error_log.h"
#include "schedule.h"
#include "season.h"
#include "transcript/game_loop.h"

namespace {

using yl::league::PlayerRecord;
namespace fs = std::filesystem;

class CheckPlatform : public yl::run::Platform {
 public:
  void ShowAlert(std::string_view message) override {
    std::fprintf(stderr, "alert: %.*s\n", static_cast<int>(message.size()), message.data());
  }
  [[noreturn]] void Terminate(int status) override { std::exit(status == 0 ? 2 : status); }
  bool AskSaveFile(std::string_view, std::string_view, yl::run::SaveFileReply&) override {
    return false;
  }
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

struct Field {
  const char* name;
  int truth;
  int compiled;
};

// The compared figures; a record the player never got counts as zeros, a
// longest of no play as -101 on both sides.
std::vector<Field> Fields(const yl::sim::PlayerTotals& t, const PlayerRecord* p) {
  const auto* rush = p != nullptr ? p->rushing.get() : nullptr;
  const auto* pass = p != nullptr ? p->passing.get() : nullptr;
  const auto* rec = p != nullptr ? p->receiving.get() : nullptr;
  const auto* fg = p != nullptr ? p->fgKicking.get() : nullptr;
  const auto* ep = p != nullptr ? p->epKicking.get() : nullptr;
  auto value = [](const auto* record, auto member) { return record ? record->*member : 0; };
  using namespace yl::stats;
  return {
      {"rushing.attempts", t.rushAttempts, value(rush, &RushingRecord::attempts)},
      {"rushing.yards", t.rushYards, value(rush, &RushingRecord::yards)},
      {"rushing.touchdowns", t.rushTouchdowns, value(rush, &RushingRecord::touchdowns)},
      {"rushing.longest", t.rushLongest == yl::sim::kNoLongest ? kNoLongest : t.rushLongest,
       rush ? rush->longest : kNoLongest},
      {"passing.attempts", t.passAttempts, value(pass, &PassingRecord::attempts)},
      {"passing.completions", t.completions, value(pass, &PassingRecord::completions)},
      {"passing.yards", t.passYards, value(pass, &PassingRecord::yards)},
      {"passing.touchdowns", t.passTouchdowns, value(pass, &PassingRecord::touchdowns)},
      {"passing.interceptions", t.interceptionsThrown, value(pass, &PassingRecord::interceptions)},
      {"passing.sacks", t.timesSacked, value(pass, &PassingRecord::sacks)},
      {"passing.sackYards", t.sackYardsLost, value(pass, &PassingRecord::sackYards)},
      {"receiving.receptions", t.receptions, value(rec, &ReceivingRecord::receptions)},
      {"receiving.yards", t.receivingYards, value(rec, &ReceivingRecord::yards)},
      {"receiving.touchdowns", t.receivingTouchdowns, value(rec, &ReceivingRecord::touchdowns)},
      {"receiving.drops", t.drops, value(rec, &ReceivingRecord::drops)},
      {"fieldGoals.attempts", t.fieldGoalsAttempted, value(fg, &FGKickingRecord::attempts)},
      {"fieldGoals.made", t.fieldGoalsMade, value(fg, &FGKickingRecord::made)},
      {"extraPoints.attempts", t.extraPointsAttempted, value(ep, &EPKickingRecord::attempts)},
      {"extraPoints.made", t.extraPointsMade, value(ep, &EPKickingRecord::made)},
  };
}

// A player took part in the compared categories when either side has a
// figure for him.
bool TookPart(const std::vector<Field>& fields) {
  for (const Field& f : fields) {
    const int none = std::string_view(f.name) == "rushing.longest" ? yl::stats::kNoLongest : 0;
    if (f.truth != none || f.compiled != none) return true;
  }
  return false;
}

PlayerRecord* FindCompiled(yl::league::League& league, const std::string& team,
                           const yl::sim::Player& player) {
  for (PlayerRecord* p = league.players; p != nullptr; p = p->next) {
    if (p->number == player.number && p->name == player.name && p->teamName == team) return p;
  }
  return nullptr;
}

bool WriteBytes(const fs::path& path, const void* bytes, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

struct Counts {
  int games = 0, cleanGames = 0, rejected = 0, loggedErrors = 0;
  int players = 0, matching = 0;
};

}  // namespace

int main(int argc, char** argv) {
  namespace sim = yl::sim;
  std::uint64_t seed = 1;
  int teamCount = 8;
  int gameCount = 40;
  CLI::App app{
      "Compiles simulated games without fumbles and penalties and compares the players' "
      "rushing, passing, receiving, field-goal and extra-point figures with the "
      "simulator's."};
  app.add_option("--seed", seed, "random seed (default 1)");
  app.add_option("--teams", teamCount, "number of teams (default 8)")
      ->check(CLI::Range(2, sim::MaxTeams()));
  app.add_option("--games", gameCount, "games of the round robin (default 40)")
      ->check(CLI::Range(1, 99999));
  // Rare enough that many games have neither; the others are not compared.
  sim::GameSettings settings;
  settings.penaltyRate = 0.003;
  settings.fumbleRate = 0.003;
  app.add_option("--penalty-rate", settings.penaltyRate,
                 "chance of a flag on a scrimmage down (default 0.003)")
      ->check(CLI::Range(0.0, 1.0));
  app.add_option("--fumble-rate", settings.fumbleRate,
                 "chance that a ball carrier fumbles (default 0.003)")
      ->check(CLI::Range(0.0, 1.0));
  CLI11_PARSE(app, argc, argv);

  const fs::path dir = fs::temp_directory_path() / ("yl-season-check-" + std::to_string(seed) +
                                                    "-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);

  sim::Random teamRandom(sim::DeriveSeed(seed, 1, 0));
  const std::vector<sim::Team> teams = sim::MakeTeams(teamCount, teamRandom);
  for (const sim::Team& team : teams) {
    const auto bytes = sim::EncodeTeamFile(team);
    if (!WriteBytes(dir / (team.name + ".fbt"), bytes.data(), bytes.size())) {
      std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
      return 2;
    }
  }

  CheckPlatform platform;
  yl::options::OutputOptions options;
  options.fileFormat = yl::options::kUnix;
  Counts counts;
  int number = 0;
  for (const sim::ScheduledGame& scheduled : sim::MakeGames(teamCount, gameCount)) {
    ++number;
    ++counts.games;
    std::vector<std::array<sim::PlayerTotals, sim::kRosterEntries>> truth(teams.size());
    const sim::GameResult game = sim::SimulateGame(teams, scheduled, {"0-0", "0-0"}, settings,
                                                   sim::DeriveSeed(seed, 2, number), truth);
    if (game.hadFumble || game.hadPenalty) continue;
    ++counts.cleanGames;

    sim::Random format(0);
    const std::string bytes =
        sim::TranscriptBytes(game.lines, sim::EllipsisForm::kDots, sim::LineEnd::kLf, format);
    const std::string name =
        sim::GameFileName(number, teams[scheduled.visiting].name, teams[scheduled.home].name);
    WriteBytes(dir / name, bytes.data(), bytes.size());

    yl::run::CompileRun run(platform, options);
    yl::run::InitErrorLog(run);
    for (const int side : {scheduled.visiting, scheduled.home}) {
      const fs::path teamFile = dir / (teams[side].name + ".fbt");
      yl::league::ReadTeamFile(run.league, yl::run::MakeInputFileRecord(teamFile.string()));
    }
    run.currentTranscriptName = name;
    yl::transcript::ProcessTranscript(run, yl::run::MakeInputFileRecord((dir / name).string()));
    counts.loggedErrors += run.errorLog.entries;
    if (run.transcriptRejected) {
      ++counts.rejected;
      std::printf("%s: rejected\n", name.c_str());
      continue;
    }

    for (const int side : {scheduled.visiting, scheduled.home}) {
      const sim::Team& team = teams[side];
      for (const int entry : sim::kPlayingEntries) {
        const sim::Player& player = team.entries[entry];
        const std::vector<Field> fields =
            Fields(truth[side][entry], FindCompiled(run.league, team.name, player));
        if (!TookPart(fields)) continue;
        ++counts.players;
        bool match = true;
        for (const Field& f : fields) {
          if (f.truth == f.compiled) continue;
          if (match)
            std::printf("%s #%d %s (%s):", name.c_str(), player.number, player.name.c_str(),
                        team.name.c_str());
          match = false;
          std::printf(" %s %d/%d", f.name, f.truth, f.compiled);
        }
        if (match) {
          ++counts.matching;
        } else {
          std::printf("  (simulator/compiled)\n");
        }
      }
    }
  }
  fs::remove_all(dir);

  std::printf(
      "%d games, %d without fumbles and penalties, %d rejected, %d lines logged as errors\n"
      "%d of %d players match (%.1f%%)\n",
      counts.games, counts.cleanGames, counts.rejected, counts.loggedErrors, counts.matching,
      counts.players, counts.players > 0 ? 100.0 * counts.matching / counts.players : 0.0);
  return counts.matching == counts.players && counts.rejected == 0 ? 0 : 1;
}
