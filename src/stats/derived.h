// The figures derived from several counters of a player's records or a
// team's totals, defined once for the ranking and the reports.
#pragma once

#include <cstdint>

#include "league/league.h"

namespace yl::stats {

// Touchdowns running and catching; return touchdowns are not counted.
std::int64_t Touchdowns(const league::PlayerRecord& player);
// Two-point conversions made running or catching; a passer's two-point
// passes score nothing for him.
std::int64_t TwoPointConversions(const league::PlayerRecord& player);
// 6 per touchdown, 3 per field goal, 1 per extra point, 2 per conversion.
std::int64_t Points(const league::PlayerRecord& player);
// Any touchdown, kick or conversion that counts for Points.
bool HasScored(const league::PlayerRecord& player);
// Fumbles lost as a rusher, receiver, returner or after a recovery or an
// interception.
std::int64_t FumblesLost(const league::PlayerRecord& player);

// Interceptions thrown and fumbles lost by the team's opponents, and by the
// team itself.
std::int64_t Takeaways(const league::TeamRecord& team);
std::int64_t Giveaways(const league::TeamRecord& team);

}  // namespace yl::stats
