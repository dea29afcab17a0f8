// The compile driver: one call turns the transcript list and the team-file
// list into report files.
#pragma once

#include <vector>

#include "run/input_files.h"
#include "run/output_files.h"

namespace yl::run {

struct CompileRun;

// Runs the compile. On return run.stopRequested tells whether the user
// stopped it (the front end then keeps its lists), and run.reportFiles lists
// the report files kept.
void CompileStats(CompileRun& run, const std::vector<TransRecord>& transcripts,
                  const std::vector<TeamFileRecord>& teamFiles, const PrefixReply& reply);

// After a fatal alert has ended CompileStats: closes the files the run holds
// open and ends the progress display. The files written so far stay.
void AbandonRun(CompileRun& run);

}  // namespace yl::run
