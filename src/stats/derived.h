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

// The optional record of each kind in a player record. The special-teams
// tackles by defense players (defSpecialTeams) are named by FieldOf.
template <typename Record>
inline constexpr auto kSlotOf = nullptr;
template <>
inline constexpr auto kSlotOf<league::RushingRecord> = &league::PlayerRecord::rushing;
template <>
inline constexpr auto kSlotOf<league::PassingRecord> = &league::PlayerRecord::passing;
template <>
inline constexpr auto kSlotOf<league::ReceivingRecord> = &league::PlayerRecord::receiving;
template <>
inline constexpr auto kSlotOf<league::FGKickingRecord> = &league::PlayerRecord::fgKicking;
template <>
inline constexpr auto kSlotOf<league::EPKickingRecord> = &league::PlayerRecord::epKicking;
template <>
inline constexpr auto kSlotOf<league::TwoPointRecord> = &league::PlayerRecord::twoPoint;
template <>
inline constexpr auto kSlotOf<league::MiscOffRecord> = &league::PlayerRecord::miscOff;
template <>
inline constexpr auto kSlotOf<league::PuntingRecord> = &league::PlayerRecord::punting;
template <>
inline constexpr auto kSlotOf<league::PuntReturnRecord> = &league::PlayerRecord::puntReturn;
template <>
inline constexpr auto kSlotOf<league::KickReturnRecord> = &league::PlayerRecord::kickReturn;
template <>
inline constexpr auto kSlotOf<league::SpecialTeamsRecord> = &league::PlayerRecord::specialTeams;
template <>
inline constexpr auto kSlotOf<league::DefensiveRecord> = &league::PlayerRecord::defensive;
template <>
inline constexpr auto kSlotOf<league::InterceptionRecord> = &league::PlayerRecord::interception;
template <>
inline constexpr auto kSlotOf<league::RecoveryRecord> = &league::PlayerRecord::recovery;
template <>
inline constexpr auto kSlotOf<league::PenaltyRecord> = &league::PlayerRecord::penalty;

template <typename Record, typename Value>
Record RecordOf(Value Record::*field);

// A field of the player's record of its kind: kField<&PassingRecord::yards>.
template <auto Field>
inline constexpr PlayerFigure kField = &FieldOf<kSlotOf<decltype(RecordOf(Field))>, Field>;

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
