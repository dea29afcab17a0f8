// The compile driver.
#include "run/compile_driver.h"

#include "league/league.h"
#include "league/team_file.h"
#include "reports/report_buffer.h"
#include "reports/report_driver.h"
#include "run/compile_run.h"
#include "run/error_log.h"
#include "transcript/game_loop.h"

namespace yl::run {

namespace {

using reports::FlushWriteBuffer;
using reports::WriteString;

bool GameMode(const CompileRun& run) {
  return !run.options.cumulativeStats && !run.options.leagueStats;
}

// Everything a game leaves in the league model, in release order.
void ReleaseGame(CompileRun& run) {
  league::League& league = run.league;
  stats::DisposeScoringSummary(run.stats.scoring);
  league::ReleaseAllPlayerStats(league);
  league::ResetHomeFlags(league);
  league::ReleasePlayers(league);
  league::ReleaseHash(league);
  league::ReleaseTeams(league);
}

void EndOfRun(CompileRun& run) {
  reports::DisposeWriteBuffer(run);
  run.reportFiles.clear();
  for (const SpecRecord& record : run.outputFiles.specs)
    run.reportFiles.push_back(record.path);
  FreeSpecList(run);
  DumpErrorLog(run);
  run.platform.EndProgress();
  league::ReleaseAllPlayerStats(run.league);
  league::ResetHomeFlags(run.league);
  stats::DisposeScoringSummary(run.stats.scoring);
  league::ReleasePlayers(run.league);
  league::ReleaseHash(run.league);
  league::ReleaseTeams(run.league);
  // The lists exist only when the league leaders were wanted; they refer to
  // players that are gone now, so none may outlive the run.
  stats::DisposeLongestLists(run.stats.longest);
}

void StopPath(CompileRun& run) {
  CloseStatFile(run);
  DeleteStatFiles(run);
  DeleteErrorLog(run);
  EndOfRun(run);
}

}  // namespace

void CompileStats(CompileRun& run, const std::vector<TransRecord>& transcripts,
                  const std::vector<TeamFileRecord>& teamFiles, const PrefixReply& reply) {
  const options::OutputOptions& o = run.options;
  run.stopRequested = false;
  for (const TeamFileRecord& teamFile : teamFiles)
    league::ReadTeamFile(run.league, teamFile);
  reports::InitWriteBuffer(run);
  InitErrorLog(run);
  OpenNextStatFile(run, reply);
  run.platform.StartProgress(transcripts.empty() ? std::string() : transcripts.front().name,
                             static_cast<int>(transcripts.size()));

  const std::string_view doubleEnd = options::DoubleLineEnding(o.fileFormat);
  for (std::size_t i = 0; i < transcripts.size(); ++i) {
    const TransRecord& record = transcripts[i];
    const bool last = i + 1 == transcripts.size();
    run.platform.StepProgress(1, 25, record.name);
    run.currentTranscriptName = record.name.substr(0, kMaxTranscriptName);

    if (GameMode(run)) {
      WriteString(run, run.currentTranscriptName);
      WriteString(run, doubleEnd);
      transcript::ProcessTranscript(run, record);
      if (run.transcriptRejected) {
        ++run.gamesRejected;
        // No release follows a rejection: the rejected game's teams must not
        // pass for the home and visiting teams of the next game.
        league::ResetHomeFlags(run.league);
        continue;
      }
      if (run.stopRequested) return StopPath(run);
      ++run.gamesCompiled;
      if (!o.perPlayStats) reports::WriteReports(run);
      WriteString(run, doubleEnd);
      ReleaseGame(run);
      if ((o.gameStats && o.separateFiles) || (o.perPlayStats && o.perPlaySeparateFiles)) {
        FlushWriteBuffer(run);
        CloseStatFile(run);
        RenameGameFile(run, run.visitingTeamName, run.homeTeamName);
        if (!last) OpenNextStatFile(run, reply);
      }
      if ((o.gameStats && o.oneFile) || (o.perPlayStats && o.perPlayOneFile)) {
        if (last) {
          FlushWriteBuffer(run);
          CloseStatFile(run);
        }
      }
    } else {
      transcript::ProcessTranscript(run, record);
      if (run.transcriptRejected) {
        ++run.gamesRejected;
        continue;
      }
      if (run.stopRequested) return StopPath(run);
      ++run.gamesCompiled;
      league::OpenAllTeams(run.league);
    }
  }

  if (o.cumulativeStats || o.leagueStats) {
    reports::WriteReports(run);
    FlushWriteBuffer(run);
    CloseStatFile(run);
  } else if (run.outputFiles.current.IsOpen()) {
    FlushWriteBuffer(run);
    CloseStatFile(run);
  }
  EndOfRun(run);
}

void AbandonRun(CompileRun& run) {
  // Closing by assignment reports nothing: the run has failed already.
  run.outputFiles.current = OpenFile();
  run.errorLog.file = OpenFile();
  run.errorLog.open = false;
  run.platform.EndProgress();
}

}  // namespace yl::run
