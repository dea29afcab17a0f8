// The crediting pass over a game as read: every play in order goes to the
// crediting of the stats layer, and then to the run's sinks.
#pragma once

#include <string_view>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "transcript/game_reader.h"

namespace yl::compile {

// Credits the game's plays (plays whistled dead are skipped). The stop flag
// is tested before the first play and every ninth; false when the user
// stopped the run.
bool CreditGame(CompileRun& run, CompiledGame& compiled, std::string_view name);

}  // namespace yl::compile
