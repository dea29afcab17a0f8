// The compile driver.
#include "compile/compile_driver.h"

#include "compile/credit_pass.h"
#include "league/league.h"
#include "league/team_file.h"
#include "reports/games_csv.h"
#include "reports/players_csv.h"
#include "reports/plays_csv.h"
#include "reports/report_buffer.h"
#include "reports/report_driver.h"
#include "reports/scoring_csv.h"
#include "reports/teams_csv.h"
#include "run/error_log.h"
#include "stats/scoring_summary.h"

namespace yl::compile {

namespace {

using reports::FlushWriteBuffer;
using reports::WriteString;

// The reports of a game, or (none) of the season.
void WriteReports(CompileRun& run, const CompiledGame* game) {
  reports::ReportSource source{run.league, run.longest, {}, nullptr};
  if (game != nullptr) {
    source.teams = game->Teams();
    source.scoring = &game->scoring;
  }
  reports::WriteReports(run.report, source, run.options);
}

// The model the run has built: its players and teams, and the longest plays
// that point at its players.
void ReleaseModel(CompileRun& run) {
  league::ReleaseLeague(run.league);
  stats::DisposeLongestLists(run.longest);
}

void EndOfRun(CompileRun& run) {
  reports::DisposeWriteBuffer(run.report);
  run::CloseTableFiles(run.tables);
  run.reportFiles = run.outputFiles.paths;
  for (const run::TableFile& table : run.tables.files)
    run.reportFiles.push_back(table.path);
  // The log before the list: should writing it fail, the report files are
  // still known and are deleted with it.
  run::DumpErrorLog(run.errorLog);
  run.outputFiles.paths.clear();
  run.control.platform.EndProgress();
  ReleaseModel(run);
}

std::string GamesRow(const run::TransRecord& record, const CompiledGame& compiled) {
  const transcript::GameState& game = *compiled.game;
  return reports::GamesCsvRow(record.name, game.visiting->name, game.home->name, game.score);
}

void StopPath(CompileRun& run) {
  run::CloseStatFile(run.outputFiles);
  run::DeleteStatFiles(run.outputFiles);
  run::DeleteTableFiles(run.tables);
  run::DeleteErrorLog(run.errorLog);
  EndOfRun(run);
}

}  // namespace

CompiledGame CompileTranscript(CompileRun& run, const run::TransRecord& record) {
  CompiledGame compiled;
  compiled.game = run::Allocating(run::ErrorKind::kPlayRecordMemory,
                                  [] { return std::make_unique<transcript::GameState>(); });
  transcript::GameState& game = *compiled.game;
  transcript::ReadContext context{run.league, game.players, run.errorLog,
                                  record.name.substr(0, kMaxTranscriptName)};
  compiled.outcome = transcript::ReadGame(context, run.control, game,
                                          transcript::LoadTranscript(run.fileSystem, record));
  if (compiled.outcome == transcript::ReadOutcome::kRejected) transcript::KeepFixedTeams(game);
  if (compiled.outcome != transcript::ReadOutcome::kRead) return compiled;
  if (!CreditGame(run, compiled, record.name)) compiled.outcome = transcript::ReadOutcome::kStopped;
  return compiled;
}

void CompileStats(CompileRun& run, const std::vector<run::TransRecord>& transcripts,
                  const std::vector<run::TeamFileRecord>& teamFiles,
                  const run::PrefixReply& reply) {
  const options::OutputOptions& o = run.options;
  run.control.stopRequested = false;
  // The log first: a file given as a team file may be none.
  run::InitErrorLog(run.errorLog);
  for (const run::TeamFileRecord& teamFile : teamFiles)
    league::ReadTeamFile(run.league, run.errorLog, run.fileSystem, teamFile);
  reports::InitWriteBuffer(run.report);
  run::OpenNextStatFile(run.outputFiles, o.mode, reply);
  // A per-play run writes its plays instead of its players and teams.
  run::TableFile* players = nullptr;
  run::TableFile* teams = nullptr;
  run::TableFile* games = nullptr;
  run::TableFile* scoring = nullptr;
  run.playsTable = nullptr;
  if (!run.tables.folder.empty()) {
    if (o.mode == options::ReportMode::kPerPlay) {
      run.playsTable = &run::CreateTableFile(run.tables, "plays");
      run::WriteTable(*run.playsTable, reports::PlaysCsvHeader());
    } else {
      players = &run::CreateTableFile(run.tables, "players");
      run::WriteTable(*players, reports::PlayersCsvHeader());
      teams = &run::CreateTableFile(run.tables, "teams");
      run::WriteTable(*teams, reports::TeamsCsvHeader());
    }
    games = &run::CreateTableFile(run.tables, "games");
    run::WriteTable(*games, reports::GamesCsvHeader());
    scoring = &run::CreateTableFile(run.tables, "scoring");
    run::WriteTable(*scoring, reports::ScoringCsvHeader());
  }
  run.control.platform.StartProgress(transcripts.empty() ? std::string() : transcripts.front().name,
                                     static_cast<int>(transcripts.size()));

  for (std::size_t i = 0; i < transcripts.size(); ++i) {
    const run::TransRecord& record = transcripts[i];
    const bool last = i + 1 == transcripts.size();
    run.control.platform.StepProgress(1, 25, record.name);

    if (!o.SeasonMode()) {
      WriteString(run.report, record.name.substr(0, kMaxTranscriptName));
      WriteString(run.report, run.report.doubleLineEnd);
      const CompiledGame game = CompileTranscript(run, record);
      // No release follows a rejection: what the game made stays for the next.
      if (game.outcome == transcript::ReadOutcome::kRejected) {
        ++run.gamesRejected;
        continue;
      }
      if (run.control.stopRequested) return StopPath(run);
      ++run.gamesCompiled;
      if (games != nullptr) {
        run::WriteTable(*games, GamesRow(record, game));
        run::WriteTable(*scoring, reports::ScoringCsvRows(record.name, game.scoring));
      }
      if (o.mode == options::ReportMode::kGame) WriteReports(run, &game);
      // The game's two teams: the first game also holds every team file's.
      const std::string gameTeams[] = {game.game->visiting->name, game.game->home->name};
      if (players != nullptr) {
        run::WriteTable(*players, reports::PlayersCsvRows(run.league, record.name, gameTeams));
        run::WriteTable(*teams, reports::TeamsCsvRows(run.league, record.name, gameTeams));
      }
      WriteString(run.report, run.report.doubleLineEnd);
      ReleaseModel(run);
      if (o.SeparateFiles()) {
        FlushWriteBuffer(run.report);
        run::CloseStatFile(run.outputFiles);
        run::RenameGameFile(run.outputFiles, o.mode, gameTeams[0], gameTeams[1]);
        if (!last) run::OpenNextStatFile(run.outputFiles, o.mode, reply);
      } else if (last) {
        FlushWriteBuffer(run.report);
        run::CloseStatFile(run.outputFiles);
      }
    } else {
      const CompiledGame game = CompileTranscript(run, record);
      if (game.outcome == transcript::ReadOutcome::kRejected) {
        ++run.gamesRejected;
        continue;
      }
      if (run.control.stopRequested) return StopPath(run);
      ++run.gamesCompiled;
      if (games != nullptr) {
        run::WriteTable(*games, GamesRow(record, game));
        run::WriteTable(*scoring, reports::ScoringCsvRows(record.name, game.scoring));
      }
      league::OpenAllTeams(run.league);
    }
  }

  if (o.SeasonMode()) {
    WriteReports(run, nullptr);
    if (players != nullptr) {
      run::WriteTable(*players, reports::PlayersCsvRows(run.league, ""));
      run::WriteTable(*teams, reports::TeamsCsvRows(run.league, ""));
    }
    FlushWriteBuffer(run.report);
    run::CloseStatFile(run.outputFiles);
  } else if (run.outputFiles.current.IsOpen()) {
    FlushWriteBuffer(run.report);
    run::CloseStatFile(run.outputFiles);
  }
  EndOfRun(run);
}

void AbandonRun(CompileRun& run) {
  run::AbandonStatFiles(run.outputFiles);
  run::DeleteTableFiles(run.tables);
  run::AbandonErrorLog(run.errorLog);
  run.reportFiles.clear();
  run.control.platform.EndProgress();
}

}  // namespace yl::compile
