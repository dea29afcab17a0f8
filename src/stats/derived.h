// The figures of a player's records and of a team's totals, read and
// derived once for the ranking and the reports.
#pragma once

#include <cstdint>

#include "league/league.h"
#include "league/stat_records.h"

namespace yl::stats {

// A whole number taken from a player's records.
using PlayerFigure = std::int64_t (*)(const league::PlayerRecord& player);

// A field of one of the player's records; 0 when the record does not exist.
template <auto Slot, auto Field>
std::int64_t FieldOf(const league::PlayerRecord& p) {
  const auto& record = p.*Slot;
  return record ? static_cast<std::int64_t>((*record).*Field) : 0;
}

// The fields by record: kFromPassing<&PassingRecord::yards>.
template <auto Field>
inline constexpr PlayerFigure kFromRushing = &FieldOf<&league::PlayerRecord::rushing, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromPassing = &FieldOf<&league::PlayerRecord::passing, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromReceiving = &FieldOf<&league::PlayerRecord::receiving, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromFieldGoals = &FieldOf<&league::PlayerRecord::fgKicking, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromExtraPoints = &FieldOf<&league::PlayerRecord::epKicking, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromTwoPoint = &FieldOf<&league::PlayerRecord::twoPoint, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromMiscOffense = &FieldOf<&league::PlayerRecord::miscOff, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromPunting = &FieldOf<&league::PlayerRecord::punting, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromPuntReturns = &FieldOf<&league::PlayerRecord::puntReturn, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromKickReturns = &FieldOf<&league::PlayerRecord::kickReturn, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromSpecialTeams =
    &FieldOf<&league::PlayerRecord::specialTeams, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromDefSpecialTeams =
    &FieldOf<&league::PlayerRecord::defSpecialTeams, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromDefense = &FieldOf<&league::PlayerRecord::defensive, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromInterceptions =
    &FieldOf<&league::PlayerRecord::interception, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromRecoveries = &FieldOf<&league::PlayerRecord::recovery, Field>;
template <auto Field>
inline constexpr PlayerFigure kFromPenalties = &FieldOf<&league::PlayerRecord::penalty, Field>;

// Whether the player has the record: Has<&PlayerRecord::passing>.
template <auto Slot>
bool Has(const league::PlayerRecord& p) {
  return (p.*Slot).has_value();
}
// A record the scoring columns read: rushing, receiving, kicking or two-point.
bool HasScoringRecord(const league::PlayerRecord& player);

// Two-point tries and conversions passing, running and catching.
std::int64_t TwoPointAttempts(const league::PlayerRecord& player);
std::int64_t TwoPointMade(const league::PlayerRecord& player);
std::int64_t FieldGoalsMissed(const league::PlayerRecord& player);
// Yards lost by the offense on the player's sacks and stuffs.
std::int64_t YardsLost(const league::PlayerRecord& player);
// Punts and field goals blocked.
std::int64_t KicksBlocked(const league::PlayerRecord& player);

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
