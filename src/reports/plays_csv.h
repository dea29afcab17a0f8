// plays.csv: one row per play credited in a per-play run, with the players
// by their role in it.
#pragma once

#include <string>
#include <string_view>

#include "transcript/current_play.h"

namespace yl::reports {

// The header row; its names and order are a stable interface.
std::string PlaysCsvHeader();

// The play's row; fields the play does not have are empty.
std::string PlaysCsvRow(std::string_view game, const transcript::CurrentPlay& play);

}  // namespace yl::reports
