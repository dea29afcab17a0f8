// The report driver: which reports are written at a moment of the run.
#pragma once

namespace yl::run {
struct CompileRun;
}

namespace yl::reports {

void WriteReports(run::CompileRun& run);

}  // namespace yl::reports
