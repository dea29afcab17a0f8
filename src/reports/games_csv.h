// games.csv: one row per game compiled, with its score by quarter.
#pragma once

#include <string>
#include <string_view>

#include "transcript/team_box.h"

namespace yl::reports {

// The header row; its names and order are a stable interface.
std::string GamesCsvHeader();

// The game's row: its transcript's name, the two teams, and the score its
// box gives; the overtime columns are empty when no overtime was played.
std::string GamesCsvRow(std::string_view game, std::string_view visiting, std::string_view home,
                        const transcript::GameScore& score);

}  // namespace yl::reports
