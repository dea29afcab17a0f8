// The per-play report's echo of a play: its header, description, gains and
// extras lines written again from the codes, numbers and players read.
#pragma once

#include "reports/report_buffer.h"
#include "transcript/current_play.h"
#include "transcript/extras.h"

namespace yl::reports {

// The extras table is the game's own: its texts carry the game's team names.
void EchoPlay(ReportOutput& out, const transcript::ExtrasTable& extras,
              const transcript::CurrentPlay& play);

}  // namespace yl::reports
