// teams.csv: one row per team (and game, in game mode) with every figure of
// its team box, its opponents' figures, and its record where a season is
// compiled.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "league/league.h"

namespace yl::reports {

// The header row; its names and order are a stable interface.
std::string TeamsCsvHeader();

// A row for each team of the league (one of `teams`, when any are given),
// ordered by name; `game` is the transcript's name in game mode, else "".
std::string TeamsCsvRows(const league::League& league, std::string_view game,
                         std::span<const std::string> teams = {});

}  // namespace yl::reports
