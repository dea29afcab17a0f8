// The compile driver: one call turns the transcript list and the team-file
// list into report files. It reads each game, credits it, hands it to the
// sinks the options chose, and releases what the game left in the model.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "compile/compile_run.h"
#include "reports/game_report.h"
#include "run/input_files.h"
#include "run/output_files.h"
#include "stats/scoring_summary.h"
#include "transcript/game_reader.h"

namespace yl::compile {

// Runs the compile. On return run.control.stopRequested tells whether the
// user stopped it (the front end then keeps its lists), and run.reportFiles
// lists the report files kept. A fatal condition raises run::FatalAlert.
void CompileStats(CompileRun& run, const std::vector<run::TransRecord>& transcripts,
                  const std::vector<run::TeamFileRecord>& teamFiles, const run::PrefixReply& reply);

// After a fatal alert has ended CompileStats: closes the files the run holds
// open, deletes the run's report files and the error log it made, as Stop
// does, and ends the progress display. Nothing else of the folder is touched.
void AbandonRun(CompileRun& run);

// Everything that lives for one game: the game as read (its teams, plays and
// possession groups) and its scoring summary. Releasing a game is destroying
// this object.
struct CompiledGame {
  transcript::ReadOutcome outcome = transcript::ReadOutcome::kRejected;
  std::unique_ptr<transcript::GameState> game;
  stats::ScoringSummary scoring;

  reports::GameTeams Teams() const { return {game->visiting, game->home}; }
};
// One transcript of the run, read and credited; each play goes to the run's
// sinks as it is credited.
CompiledGame CompileTranscript(CompileRun& run, const run::TransRecord& record);
// The same for a transcript parsed already.
CompiledGame CompileParsed(CompileRun& run, const run::TransRecord& record,
                           transcript::ParsedGame parsed);

}  // namespace yl::compile
