// The context of one compile run, and the only place that holds all of it:
// the run's control (platform, stop flag), the options it reads, the league
// model and its stats state, the error log, the sinks that own the report and
// table files, and what the front ends report when the run is over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compile/sinks.h"
#include "league/league.h"
#include "options/output_options.h"
#include "reports/leader_tables.h"
#include "run/error_log.h"
#include "run/file_layer.h"
#include "run/platform.h"
#include "run/run_control.h"
#include "stats/longest_lists.h"

namespace yl::compile {

constexpr std::size_t kMaxTranscriptName = 63;

// A compiled game as a front end lists it after the run.
struct GameResult {
  std::string transcript;  // as the run was given it
  std::string visiting;    // the teams' names (Mac OS Roman)
  std::string home;
  std::int16_t visitingPoints = 0;
  std::int16_t homePoints = 0;
  // In game and per-play runs, the game's players with that game's figures;
  // empty in season runs, whose figures are the league's.
  std::vector<league::PlayerRecord> players;
};

// What a run keeps for a front end that shows it: each compiled game in
// transcript order, and for a season run the league's players and teams as
// the run left them (kept before the model is released).
struct RunResults {
  std::vector<GameResult> games;
  std::vector<league::PlayerRecord> players;  // by index
  std::vector<league::TeamRecord> teams;
};

struct CompileRun {
  // Tests may put faults between the run and the system.
  CompileRun(run::Platform& frontEnd, const options::OutputOptions& chosen,
             run::FileFaults* faults = nullptr)
      : control(frontEnd),
        options(chosen),
        fileSystem(faults),
        errorLog(frontEnd, fileSystem, chosen.lineEnds) {}
  CompileRun(const CompileRun&) = delete;
  CompileRun& operator=(const CompileRun&) = delete;

  run::RunControl control;
  options::OutputOptions options;
  run::FileSystem fileSystem;  // every file of the run is read and written through it

  league::League league;
  stats::LongestLists longest;  // the longest plays, for the league leaders
  run::ErrorLog errorLog;
  std::string tablesFolder;          // where the CSV tables go; "": none are written
  std::string siteFolder;            // where a season run's web site goes; "": none is written
  std::string siteTitle = "League";  // the site's name for the league
  // The threads that read and parse transcripts, the run's own included
  // (the front ends give at most the machine's cores); 1: the run's thread
  // alone. The results are the same whatever the number.
  int jobs = 1;
  Sinks sinks;  // what the games go to, while the run lasts
  // The league report's leader tables as it ranked them, kept for the site
  // and the results (empty when the report has none).
  std::vector<reports::LeaderRanking> leaders;

  // What the front ends report when the run is over.
  std::int32_t gamesCompiled = 0;
  std::int32_t gamesRejected = 0;
  std::vector<std::string> rejected;     // the rejected transcripts' names, in order
  std::vector<std::string> reportFiles;  // final paths of the report and table files kept
  // Set by a front end that shows the results after the run: `results`
  // then keeps them, and a season run's leader tables too (`leaders`, which
  // then point at the kept players).
  bool keepResults = false;
  RunResults results;
};

}  // namespace yl::compile
