// players.csv: one row per player (and game, in game mode) with every field
// of his stat records and the figures the player tables derive from them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "league/league.h"

namespace yl::reports {

// The header row; its names and order are a stable interface.
std::string PlayersCsvHeader();

// A row for each player of the league who has a team (one of `teams`, when
// any are given) or a figure (a player the games never placed in a team has
// an empty team), ordered by team, number and name; `game` is the
// transcript's name in game mode, else "".
std::string PlayersCsvRows(const league::League& league, std::string_view game,
                           std::span<const std::string> teams = {});

}  // namespace yl::reports
