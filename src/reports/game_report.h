// The game report: title line with the final score, the quarter-by-quarter
// score table, the scoring summary by quarter and the side-by-side comparison
// of the two teams.
#pragma once

#include <string>

#include "stats/scoring_summary.h"

namespace yl::run {
struct CompileRun;
}

namespace yl::reports {

// The text of a scoring entry after its time: "#32 Smith 4 yard TD RUN".
std::string ScoringPhrase(const stats::ScoringDriveRecord& entry);

// The report of the game just read; the fatal alert when the team list holds
// no home or no visiting team.
void WriteGameStats(run::CompileRun& run);

}  // namespace yl::reports
