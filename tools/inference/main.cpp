// yardledger-inference: measures team inference on simulated seasons. Each
// season folder written by yardledger-sim is compiled game by game through
// the engine's transcript reader, without team files and with them, in the
// per-game way (the league emptied after every game) and the cumulative way
// (kept, every team opened again after each game). After each game every
// player of that game is compared with the simulator's truth: his team and
// his offense/defense side.
//
//   yardledger-inference [--misses N] SEASON_DIR...
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "league/league.h"
#include "league/team_file.h"
#include "run/error_log.h"
#include "run/errors.h"
#include "run/platform.h"

namespace yl::inference {
namespace {

namespace fs = std::filesystem;

// The engine's platform for a batch tool: no dialogs, no progress; the error
// log goes to a file named by the tool.
class ToolPlatform : public run::Platform {
 public:
  std::string logPath;

  void ShowAlert(std::string_view message) override {
    std::fprintf(stderr, "alert: %.*s\n", static_cast<int>(message.size()), message.data());
  }
  std::optional<std::string> AskSaveFile(std::string_view, std::string_view) override {
    return logPath;
  }
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

struct TruthPlayer {
  std::string team;
  bool defense = false;
};

struct TruthGame {
  std::string file;
  std::string visiting;
  std::string home;
};

struct Truth {
  std::vector<std::string> teamFiles;
  std::vector<TruthGame> games;
  // (number, name) to every player of the season with that token.
  std::map<std::pair<int, std::string>, std::vector<TruthPlayer>> players;
};

bool LoadTruth(const fs::path& dir, Truth& truth) {
  std::ifstream in(dir / "truth.json", std::ios::binary);
  try {
    if (!in) throw std::runtime_error("cannot open the file");
    const nlohmann::json doc = nlohmann::json::parse(in);
    for (const nlohmann::json& team : doc.at("teams")) {
      truth.teamFiles.push_back((dir / team.at("file").get<std::string>()).string());
    }
    for (const nlohmann::json& game : doc.at("games")) {
      truth.games.push_back({(dir / game.at("file").get<std::string>()).string(),
                             game.at("visiting").get<std::string>(),
                             game.at("home").get<std::string>()});
    }
    for (const nlohmann::json& p : doc.at("players")) {
      truth.players[{p.at("number").get<int>(), p.at("name").get<std::string>()}].push_back(
          {p.at("team").get<std::string>(), p.at("side").get<std::string>() == "defense"});
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: truth.json not read: %s\n", dir.c_str(), e.what());
    return false;
  }
  return !truth.games.empty();
}

// What one mode found over the games it measured.
struct Tally {
  long players = 0;            // player-games measured
  long right = 0;              // team as the simulator's
  long wrong = 0;              // the other team of the game
  long unnamed = 0;            // no team at all
  long wrongNamedHere = 0;     // named in this game, but for the other team
  long wrongInMixedGroup = 0;  // ... because his group held players of both teams
  long missNotNamedHere = 0;   // not named in this game (name empty or from an earlier game)
  long missWithoutGroup = 0;   // ... having no group at all
  long ambiguous = 0;          // two players of the two teams share number and name
  long unknown = 0;            // a player the simulator never had
  long sideRight = 0;
  long sideWrong = 0;
  long sideUndecided = 0;
  long rosterPlayers = 0;              // with team files: roster players before the first game
  long rosterChanged = 0;              // ... whose team changed in it
  std::map<std::string, long> logged;  // error-log entries by message

  void Add(const Tally& t) {
    players += t.players;
    right += t.right;
    wrong += t.wrong;
    unnamed += t.unnamed;
    wrongNamedHere += t.wrongNamedHere;
    wrongInMixedGroup += t.wrongInMixedGroup;
    missNotNamedHere += t.missNotNamedHere;
    missWithoutGroup += t.missWithoutGroup;
    ambiguous += t.ambiguous;
    unknown += t.unknown;
    sideRight += t.sideRight;
    sideWrong += t.sideWrong;
    sideUndecided += t.sideUndecided;
    rosterPlayers += t.rosterPlayers;
    rosterChanged += t.rosterChanged;
    for (const auto& [message, count] : t.logged)
      logged[message] += count;
  }
};

struct Mode {
  const char* name;
  bool cumulative;
  bool teamFiles;
  bool firstGameOnly;
};

constexpr Mode kModes[] = {
    {"per-game, no team files", false, false, false},
    {"cumulative, no team files", true, false, false},
    {"per-game, team files (first game)", false, true, true},
    {"cumulative, team files", true, true, false},
};

struct Measurer {
  const Truth& truth;
  int missesToShow = 0;
  int missesShown = 0;

  // The truth of a player of a game between the two teams; null when the
  // simulator has no such player, ambiguous set when two have his token.
  const TruthPlayer* Find(const league::PlayerRecord& p, const TruthGame& game,
                          bool& ambiguous) const {
    ambiguous = false;
    const auto found = truth.players.find({p.number, p.name});
    if (found == truth.players.end()) return nullptr;
    const TruthPlayer* match = nullptr;
    for (const TruthPlayer& t : found->second) {
      if (t.team != game.visiting && t.team != game.home) continue;
      if (match != nullptr) ambiguous = true;
      match = &t;
    }
    return match;
  }

  void MeasureGame(const transcript::GamePlayers& read, const TruthGame& game, int number,
                   std::size_t playersBefore, Tally& tally) {
    // The players of the game: those it created and those it grouped.
    std::vector<const league::PlayerRecord*> players;
    for (const league::PlayerRecord* p : read.Named()) {
      const transcript::InGame in = read.Of(*p);
      if (p->index >= playersBefore || in.teamGroup != 0 || in.otherGroup != 0)
        players.push_back(p);
    }
    // Which groups hold players of both teams.
    std::map<int, std::set<std::string>> teamsOfGroup;
    for (const league::PlayerRecord* p : players) {
      bool ambiguous = false;
      const TruthPlayer* t = Find(*p, game, ambiguous);
      const int group = read.Of(*p).teamGroup;
      if (t != nullptr && !ambiguous && group != 0) teamsOfGroup[group].insert(t->team);
    }
    for (const league::PlayerRecord* p : players) {
      const transcript::InGame in = read.Of(*p);
      bool ambiguous = false;
      const TruthPlayer* t = Find(*p, game, ambiguous);
      if (t == nullptr) {
        ++tally.unknown;
        std::fprintf(stderr, "game %d: player #%d %s is not in the truth\n", number, p->number,
                     p->name.c_str());
        continue;
      }
      if (ambiguous) {
        ++tally.ambiguous;
        continue;
      }
      ++tally.players;
      const bool namedHere = !in.teamOpen;
      if (league::CompareText(p->teamName, t->team, false, true)) {
        ++tally.right;
      } else {
        if (p->teamName.empty()) {
          ++tally.unnamed;
        } else {
          ++tally.wrong;
        }
        if (namedHere && !p->teamName.empty()) {
          ++tally.wrongNamedHere;
          if (teamsOfGroup[in.teamGroup].size() > 1) ++tally.wrongInMixedGroup;
        } else {
          ++tally.missNotNamedHere;
          if (in.teamGroup == 0) ++tally.missWithoutGroup;
        }
        if (missesShown < missesToShow) {
          ++missesShown;
          std::printf("  miss: game %d (%s) #%d %s of %s: team \"%s\", group %d%s%s\n", number,
                      fs::path(game.file).filename().c_str(), p->number, p->name.c_str(),
                      t->team.c_str(), p->teamName.c_str(), in.teamGroup,
                      namedHere ? ", named in this game" : ", not named in this game",
                      teamsOfGroup[in.teamGroup].size() > 1 ? ", group mixed" : "");
        }
      }
      if (p->side == league::kUndecided) {
        ++tally.sideUndecided;
      } else if ((p->side == league::kDefense) == t->defense) {
        ++tally.sideRight;
      } else {
        ++tally.sideWrong;
      }
    }
  }

  Tally RunMode(const Mode& mode, const fs::path& workDir) {
    ToolPlatform platform;
    platform.logPath = (workDir / "errors.log").string();
    fs::remove(platform.logPath);
    options::OutputOptions options;
    options.lineEnds = options::LineEnds::kUnix;
    options.mode = mode.cumulative ? options::ReportMode::kCumulative : options::ReportMode::kGame;
    auto run = std::make_unique<compile::CompileRun>(platform, options);
    run::InitErrorLog(run->errorLog);
    Tally tally;
    // The roster players and their teams, to see whether the first game
    // changes any of them.
    std::vector<std::pair<const league::PlayerRecord*, std::string>> roster;
    if (mode.teamFiles) {
      for (const std::string& file : truth.teamFiles) {
        league::ReadTeamFile(run->league, run->errorLog, run->fileSystem,
                             run::MakeInputFileRecord(file));
      }
      for (const league::PlayerRecord& p : league::NewestFirst(run->league.players))
        roster.emplace_back(&p, p.teamName);
      tally.rosterPlayers = static_cast<long>(roster.size());
    }
    const std::size_t count = mode.firstGameOnly ? 1 : truth.games.size();
    for (std::size_t g = 0; g < count; ++g) {
      const TruthGame& game = truth.games[g];
      const run::TransRecord record = run::MakeInputFileRecord(game.file);
      const std::size_t playersBefore = run->league.players.size();
      const compile::CompiledGame compiled = compile::CompileTranscript(*run, record);
      if (compiled.outcome != transcript::ReadOutcome::kRead) {
        std::fprintf(stderr, "%s: rejected\n", game.file.c_str());
        continue;
      }
      MeasureGame(compiled.game->players, game, static_cast<int>(g + 1), playersBefore, tally);
      if (g == 0) {
        for (const auto& [player, team] : roster) {
          if (player->teamName != team) ++tally.rosterChanged;
        }
      }
      if (mode.cumulative) {
        league::OpenAllTeams(run->league);
      } else {
        league::ReleaseLeague(run->league);
      }
    }
    run::DumpErrorLog(run->errorLog);
    std::ifstream log(platform.logPath);
    std::string line;
    for (int i = 0; std::getline(log, line); ++i) {
      if (i % 3 == 1) ++tally.logged[line];
    }
    return tally;
  }
};

double Share(long part, long whole) {
  return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

void Print(const Mode& mode, const Tally& t) {
  std::printf("%s\n", mode.name);
  std::printf("  players of games measured: %ld (ambiguous tokens skipped: %ld, unknown: %ld)\n",
              t.players, t.ambiguous, t.unknown);
  std::printf("  team right: %ld (%.2f%%)  wrong: %ld (%.2f%%)  none: %ld (%.2f%%)\n", t.right,
              Share(t.right, t.players), t.wrong, Share(t.wrong, t.players), t.unnamed,
              Share(t.unnamed, t.players));
  std::printf(
      "  misses named in the game for the other team: %ld (in a group holding both teams: %ld);"
      " not named in the game: %ld (without any group: %ld)\n",
      t.wrongNamedHere, t.wrongInMixedGroup, t.missNotNamedHere, t.missWithoutGroup);
  const long sides = t.sideRight + t.sideWrong + t.sideUndecided;
  std::printf("  side right: %ld (%.2f%%)  wrong: %ld (%.2f%%)  undecided: %ld (%.2f%%)\n",
              t.sideRight, Share(t.sideRight, sides), t.sideWrong, Share(t.sideWrong, sides),
              t.sideUndecided, Share(t.sideUndecided, sides));
  if (t.rosterPlayers > 0) {
    std::printf("  roster players: %ld, team changed in the first game: %ld\n", t.rosterPlayers,
                t.rosterChanged);
  }
  long entries = 0;
  for (const auto& [message, count] : t.logged)
    entries += count;
  std::printf("  error-log entries: %ld\n", entries);
  for (const auto& [message, count] : t.logged) {
    std::printf("    \"%s\": %ld\n", message.c_str(), count);
  }
}

}  // namespace
}  // namespace yl::inference

namespace {

int Run(int argc, char** argv) {
  using namespace yl::inference;
  int misses = 0;
  std::vector<fs::path> seasons;
  CLI::App app{"Measures the engine's team inference on seasons written by yardledger-sim."};
  app.add_option("--misses", misses, "show the first N misses of every mode")->option_text("N");
  app.add_option("SEASON_DIR", seasons, "season folders")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help exits 0; any other fault in the arguments is a usage error.
    return app.exit(e) == 0 ? 0 : 2;
  }
  Tally totals[std::size(kModes)];
  int failures = 0;
  for (const fs::path& dir : seasons) {
    Truth truth;
    if (!LoadTruth(dir, truth)) return 1;
    std::printf("== %s: %zu games\n", dir.c_str(), truth.games.size());
    const fs::path work = fs::temp_directory_path() / ("yl-inference-" + std::to_string(getpid()));
    fs::create_directories(work);
    for (std::size_t m = 0; m < std::size(kModes); ++m) {
      Measurer measurer{truth, misses};
      const Tally tally = measurer.RunMode(kModes[m], work);
      Print(kModes[m], tally);
      totals[m].Add(tally);
      if (kModes[m].teamFiles && tally.rosterChanged > 0 && kModes[m].firstGameOnly) ++failures;
      if (tally.unknown > 0) ++failures;
    }
    fs::remove_all(work);
  }
  if (seasons.size() > 1) {
    std::printf("== all %zu seasons\n", seasons.size());
    for (std::size_t m = 0; m < std::size(kModes); ++m)
      Print(kModes[m], totals[m]);
  }
  // A roster player whose team changed in the first game, or a player the
  // simulator never had, is a fault, not a miss of the rules.
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const yl::run::FatalAlert& alert) {
    std::fprintf(stderr, "alert: %s\n", alert.what());
    return 1;
  }
}
