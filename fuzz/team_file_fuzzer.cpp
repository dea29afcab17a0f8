// Fuzz target: one input is one team file (Eagles.fbt), read with a small
// transcript of the Eagles' game in league mode, so that the roster's
// names, numbers, positions and sides meet the transcript's players, the
// player hash, position inference and every league report.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "fuzz_support.h"
#include "options/output_options.h"
#include "run/input_files.h"
#include "run/output_files.h"

namespace {

constexpr std::string_view kGame =
    "Eagles (3-2) vs Bears (4-1)\n"
    "With the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off from their "
    "own 35 yard line...\n"
    "The kickoff was taken by #23-Morgan... #55-Hill took him down.  \n"
    "The ball was returned 27 yards and is on the 27 yard line.  \n"
    "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to go from "
    "their own 27 yard line...\n"
    "#7-Harris's pass was caught by #81-Lewis... #24-Grant tackled him.  \n"
    "Gain of 12 yards on the play.  The ball is on the 39 yard line.  \n"
    "Penalty on the play.  Holding on #66-Price.\n"
    "Eagles declined the penalty which was 10 yards.\n"
    "With the score 0 to 0 in the 1st quarter, 14:21 on the clock, and 1st-and-10 to go from "
    "their own 39 yard line...\n"
    "#33-Carter took the hand-off... #91-Brooks took him down.  \n"
    "Loss of 2 yards on the play.  The ball is on the 37 yard line.  \n"
    "With the score 0 to 0 in the 1st quarter, 13:50 on the clock, and 2nd-and-12 to go from "
    "their own 37 yard line...\n"
    "#4-Boyd... the punt was taken by #21-Wells... #50-Ames tackled him.  \n"
    "Gain of 5 yards on the return.  The ball is on the 24 yard line.  \n"
    "The game is over.\n"
    "                            Eagles        Bears\n"
    "-----------------------------------------------\n"
    "Rushing Yards                   -2            0\n"
    "Rushing Plays                    1            0\n"
    "Yards Per Rush               -2.0          0.0\n"
    "Passing Yards                   12            0\n"
    "Passing Plays                    1            0\n"
    "Yards Per Pass               12.0          0.0\n"
    "Passes (Comp/Atts)             1/1          0/0\n"
    "Completion Percentage         1.00         0.00\n"
    "Sacked                           0            0\n"
    "Intercepted                      0            0\n"
    "Fumbles (No/Lost)              0/0          0/0\n"
    "First Downs                      1            0\n"
    "3rd Down Efficiency           0.00         0.00\n"
    "Punts                            1            0\n"
    "Yards Per Punt                44.0          0.0\n"
    "Net Yards                       10            0\n"
    "Yards Per Punt Return          0.0          5.0\n"
    "Yards Per Kick Return         27.0          0.0\n"
    "Yards Per Turnover             0.0          0.0\n"
    "Touchdowns                       0            0\n"
    "Extra Points                     0            0\n"
    "Field Goals (No/Atts)          0/0          0/0\n"
    "Yards Per Field Goal           0.0          0.0\n"
    "Safeties                         0            0\n"
    "Penalties (No/Yards)           0/0          0/0\n"
    "Total Plays                      4            0\n"
    "Total Time                    1:10         0:00\n"
    "Total Yards                     10            0\n"
    "Points                           0            0\n"
    "-----------------------------------------------\n"
    "              1st   2nd   3rd   4th   Final\n"
    "Eagles          0     0     0     0       0\n"
    "Bears           0     0     0     0       0\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace yl;
  const std::string team = fuzz::WriteScratchFile("Eagles.fbt", data, size);
  const std::string game = fuzz::WriteScratchFile(
      "Game.txt", reinterpret_cast<const std::uint8_t*>(kGame.data()), kGame.size());
  {
    fuzz::FuzzPlatform platform;
    options::OutputOptions options;
    options.lineEnds = options::LineEnds::kUnix;
    options.mode = options::ReportMode::kLeague;
    options.leadersCount = -1;
    compile::CompileRun run(platform, options);
    compile::CompileStats(run, {run::MakeInputFileRecord(game)}, {run::MakeInputFileRecord(team)},
                          run::MakePrefixReply(fuzz::ScratchFolder() + "/Stats"));
  }
  fuzz::ClearScratchFolder();
  return 0;
}
