// The compile driver.
#include "compile/compile_driver.h"

#include <sys/stat.h>

#include <set>
#include <utility>

#include "compile/credit_pass.h"
#include "compile/read_ahead.h"
#include "compile/sinks.h"
#include "league/league.h"
#include "league/team_file.h"
#include "run/error_log.h"

namespace yl::compile {

namespace {

// The model the run has built: its players and teams, and the longest plays
// that point at its players.
void ReleaseModel(CompileRun& run) {
  league::ReleaseLeague(run.league);
  stats::DisposeLongestLists(run.longest);
}

// The season's players and teams for the front end, and the leader tables
// pointing at the kept players instead of the league's.
void KeepSeason(CompileRun& run) {
  run::Allocating(run::ErrorKind::kTranscriptListMemory, [&] {
    run.results.players.assign(run.league.players.begin(), run.league.players.end());
    run.results.teams.assign(run.league.teams.begin(), run.league.teams.end());
  });
  for (reports::LeaderRanking& ranking : run.leaders)
    for (reports::LeaderRow& row : ranking.rows)
      row.player = &run.results.players[row.player->index];
}

// The run is over: the progress is ended and the log written while the
// sinks still hold the kept files, so that should either fail, the sinks
// still delete them (and put back a site the new one replaced).
void EndOfRun(CompileRun& run, std::vector<std::string> kept) {
  run.reportFiles = std::move(kept);
  run.control.platform.EndProgress();
  run::DumpErrorLog(run.errorLog);
  run.sinks.clear();
  if (run.keepResults && run.options.SeasonMode()) KeepSeason(run);
  ReleaseModel(run);
}

void StopRun(CompileRun& run) {
  for (const auto& sink : run.sinks)
    sink->Discard();
  run::DeleteErrorLog(run.errorLog);
  EndOfRun(run, {});
}

// The transcripts to compile: a file given twice (by two paths, or by a
// folder and by its own name) counts once, and the log says so.
std::vector<TranscriptToRead> DistinctTranscripts(
    CompileRun& run, const std::vector<run::TransRecord>& transcripts) {
  std::vector<TranscriptToRead> distinct;
  std::set<std::pair<dev_t, ino_t>> seen;
  for (const run::TransRecord& record : transcripts) {
    struct stat info;
    // A file that cannot be looked at fails when it is read, with its reason.
    const bool found = ::stat(record.path.c_str(), &info) == 0;
    if (found && !seen.emplace(info.st_dev, info.st_ino).second) {
      run::LogTranscriptError(run.errorLog, record.name, run::ErrorKind::kSameTranscript,
                              record.path);
      continue;
    }
    run::Allocating(run::ErrorKind::kTranscriptListMemory, [&] {
      distinct.push_back(TranscriptToRead{&record, found && S_ISREG(info.st_mode)});
    });
  }
  return distinct;
}

// The game as the front end lists it: its teams and score, and in a game
// run its players, whose figures are the game's alone.
void KeepGame(CompileRun& run, std::string_view transcript, const transcript::GameState& game) {
  run::Allocating(run::ErrorKind::kTranscriptListMemory, [&] {
    GameResult& kept = run.results.games.emplace_back();
    kept.transcript = std::string(transcript);
    kept.visiting = game.visiting->name;
    kept.home = game.home->name;
    kept.visitingPoints = game.score.visitingPoints;
    kept.homePoints = game.score.homePoints;
    if (!run.options.SeasonMode())
      for (const league::PlayerRecord* player : game.players.Named())
        kept.players.push_back(*player);
  });
}

}  // namespace

CompiledGame CompileTranscript(CompileRun& run, const run::TransRecord& record) {
  return CompileParsed(run, record,
                       transcript::ParseGame(transcript::LoadTranscript(run.fileSystem, record)));
}

CompiledGame CompileParsed(CompileRun& run, const run::TransRecord& record,
                           transcript::ParsedGame parsed) {
  CompiledGame compiled;
  compiled.game = run::Allocating(run::ErrorKind::kPlayRecordMemory,
                                  [] { return std::make_unique<transcript::GameState>(); });
  transcript::GameState& game = *compiled.game;
  transcript::ReadContext context{run.league, game.players, run.errorLog,
                                  record.name.substr(0, kMaxTranscriptName)};
  compiled.outcome = transcript::ResolveGame(context, run.control, game, std::move(parsed));
  if (compiled.outcome == transcript::ReadOutcome::kRejected)
    transcript::KeepFixedTeams(run.league, game);
  if (compiled.outcome != transcript::ReadOutcome::kRead) return compiled;
  if (!CreditGame(run, compiled, record.name)) compiled.outcome = transcript::ReadOutcome::kStopped;
  return compiled;
}

void CompileStats(CompileRun& run, const std::vector<run::TransRecord>& transcripts,
                  const std::vector<run::TeamFileRecord>& teamFiles,
                  const run::PrefixReply& reply) {
  run.control.stopRequested = false;
  // The log first: a file given as a team file may be none.
  run::InitErrorLog(run.errorLog);
  for (const run::TeamFileRecord& teamFile : teamFiles)
    league::ReadTeamFile(run.league, run.errorLog, run.fileSystem, teamFile);
  // Each game of the game modes starts from what the team files gave, as the
  // first one does; a season goes on with the model.
  const league::Roster roster =
      run.options.SeasonMode() ? league::Roster{} : league::KeepRoster(run.league);
  const std::vector<TranscriptToRead> games = DistinctTranscripts(run, transcripts);
  run.sinks = MakeSinks(run, reply);
  for (const auto& sink : run.sinks)
    sink->BeginRun(games.size());
  run.control.platform.StartProgress(games.empty() ? std::string() : games.front().record->name,
                                     static_cast<int>(games.size()));

  ReadAhead ahead(run.fileSystem, games, run.jobs);
  for (std::size_t next = 0; next < games.size(); ++next) {
    const run::TransRecord& record = *games[next].record;
    run.control.platform.StepProgress(1, 25, record.name);
    for (const auto& sink : run.sinks)
      sink->BeginGame(record.name);
    const CompiledGame game = CompileParsed(run, record, ahead.Take(next));
    // No release follows a rejection: what the game made stays for the next.
    if (game.outcome == transcript::ReadOutcome::kRejected) {
      ++run.gamesRejected;
      run::Allocating(run::ErrorKind::kTranscriptListMemory,
                      [&] { run.rejected.push_back(record.name); });
      continue;
    }
    if (run.control.stopRequested) return StopRun(run);
    ++run.gamesCompiled;
    for (const auto& sink : run.sinks)
      sink->GameRead(record.name, game);
    if (run.keepResults) KeepGame(run, record.name, *game.game);
    if (run.options.SeasonMode()) {
      league::OpenAllTeams(run.league);
    } else {
      league::RestoreRoster(run.league, roster);
    }
  }

  // Reports of no game would only look like results: the run keeps its log.
  if (run.gamesCompiled == 0 && run.gamesRejected > 0) {
    for (const auto& sink : run.sinks)
      sink->Discard();
    return EndOfRun(run, {});
  }
  std::vector<std::string> kept;
  for (const auto& sink : run.sinks)
    sink->EndRun(kept);
  EndOfRun(run, std::move(kept));
}

void AbandonRun(CompileRun& run) {
  for (const auto& sink : run.sinks)
    sink->Abandon();
  run.sinks.clear();
  run::AbandonErrorLog(run.errorLog);
  run.reportFiles.clear();
  run.control.platform.EndProgress();
}

}  // namespace yl::compile
