// Fuzz target: one input is one transcript, compiled by a fresh compile run
// from the game reader through crediting to the report files and the error
// log. YL_FUZZ_MODE picks the report mode: 0 game reports in a file of
// their own, renamed after the two teams; 1 league mode (the input compiled
// twice, as two weeks of one season, so that players and teams carry over);
// 2 the per-play reports with their echo, in Windows line ends.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "fuzz_support.h"
#include "options/output_options.h"
#include "run/input_files.h"
#include "run/output_files.h"

#ifndef YL_FUZZ_MODE
#define YL_FUZZ_MODE 0
#endif

namespace {

yl::options::OutputOptions ModeOptions() {
  yl::options::OutputOptions options;
  options.lineEnds = yl::options::LineEnds::kUnix;
  if (YL_FUZZ_MODE == 0) {
    options.mode = yl::options::ReportMode::kGame;
    options.gameLayout = yl::options::FileLayout::kSeparateFiles;
  } else if (YL_FUZZ_MODE == 1) {
    options.mode = yl::options::ReportMode::kLeague;
    options.leadersCount = -1;  // every player in every leader table
  } else {
    options.mode = yl::options::ReportMode::kPerPlay;
    options.perPlayLayout = yl::options::FileLayout::kOneFile;
    options.lineEnds = yl::options::LineEnds::kWindows;
  }
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace yl;
  const std::string path = fuzz::WriteScratchFile("Game.txt", data, size);
  {
    fuzz::FuzzPlatform platform;
    compile::CompileRun run(platform, ModeOptions());
    std::vector<run::TransRecord> transcripts{run::MakeInputFileRecord(path)};
    if (YL_FUZZ_MODE == 1) transcripts.push_back(transcripts.front());
    compile::CompileStats(run, transcripts, {},
                          run::MakePrefixReply(fuzz::ScratchFolder() + "/Stats"));
  }
  fuzz::ClearScratchFolder();
  return 0;
}
