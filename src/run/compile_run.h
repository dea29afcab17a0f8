// The context of one compile run: the options it reads, the platform it
// reports through, the league model and its stats state, the error log, the
// report buffer and report files, and the run-wide flags. Tests build a
// fresh run in one line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/report_buffer.h"
#include "run/error_log.h"
#include "run/output_files.h"
#include "run/platform.h"
#include "stats/run_stats.h"

namespace yl::run {

constexpr std::size_t kMaxTranscriptName = 63;

struct CompileRun {
  CompileRun(Platform& platform, const options::OutputOptions& options)
      : platform(platform), options(options) {}
  CompileRun(const CompileRun&) = delete;
  CompileRun& operator=(const CompileRun&) = delete;

  Platform& platform;
  options::OutputOptions options;  // leadersCount changes only inside the leader tables

  bool stopRequested = false;         // set by the front end's Stop
  bool transcriptRejected = false;    // set by the reader
  std::string currentTranscriptName;  // at most 63 characters

  league::League league;
  stats::RunStats stats;  // scoring summary of the current game, longest-play lists
  ErrorLog errorLog;
  reports::ReportBuffer reportBuffer;
  OutputFiles outputFiles;

  // The two teams of the game read last, for naming its report file.
  std::string visitingTeamName;
  std::string homeTeamName;

  // What the front ends report when the run is over.
  std::int32_t gamesCompiled = 0;
  std::int32_t gamesRejected = 0;
  std::vector<std::string> reportFiles;  // final paths of the report files kept
};

}  // namespace yl::run
