// The cell values of the player tables, shared by the team player sections
// and the league-leader tables: a field of one of the player's stat records
// as a count, an average, a percentage or a made/attempted pair, and the few
// values that combine several records.
#pragma once

#include <cstdint>
#include <string>

#include "league/league.h"
#include "league/stat_records.h"
#include "reports/report_text.h"
#include "stats/derived.h"
#include "stats/ranking.h"

namespace yl::reports::cells {

using league::PlayerRecord;

// A field of one of the player's records; 0 when the record does not exist.
template <auto Slot, auto Field>
std::int64_t Value(const PlayerRecord& p) {
  const auto& record = p.*Slot;
  return record ? static_cast<std::int64_t>((*record).*Field) : 0;
}

template <auto Slot>
bool Has(const PlayerRecord& p) {
  return (p.*Slot).has_value();
}

template <auto Slot, auto Field>
std::string Count(const PlayerRecord& p) {
  return IntegerText(Value<Slot, Field>(p));
}

// A longest play that was never set prints as 0.
template <auto Slot, auto Field>
std::string Longest(const PlayerRecord& p) {
  const std::int64_t longest = Value<Slot, Field>(p);
  return IntegerText(longest == league::kNoLongest ? 0 : longest);
}

// Two decimals, "0.00" when the divisor is 0.
template <auto Slot, auto Yards, auto Divisor>
std::string Average(const PlayerRecord& p) {
  return RatioText(static_cast<double>(Value<Slot, Yards>(p)), Value<Slot, Divisor>(p), 2);
}

template <auto Slot, auto Part, auto Whole>
std::string Percent(const PlayerRecord& p) {
  return PercentText(Value<Slot, Part>(p), Value<Slot, Whole>(p));
}

template <auto Slot, auto Made, auto Attempted>
std::string Pair(const PlayerRecord& p) {
  return PairText(Value<Slot, Made>(p), Value<Slot, Attempted>(p));
}

// The slots, named once for the templates.
namespace slot {
constexpr auto rushing = &PlayerRecord::rushing;
constexpr auto passing = &PlayerRecord::passing;
constexpr auto receiving = &PlayerRecord::receiving;
constexpr auto fgKicking = &PlayerRecord::fgKicking;
constexpr auto epKicking = &PlayerRecord::epKicking;
constexpr auto twoPoint = &PlayerRecord::twoPoint;
constexpr auto miscOff = &PlayerRecord::miscOff;
constexpr auto punting = &PlayerRecord::punting;
constexpr auto puntReturn = &PlayerRecord::puntReturn;
constexpr auto kickReturn = &PlayerRecord::kickReturn;
constexpr auto specialTeams = &PlayerRecord::specialTeams;
constexpr auto defensive = &PlayerRecord::defensive;
constexpr auto interception = &PlayerRecord::interception;
constexpr auto recovery = &PlayerRecord::recovery;
constexpr auto penalty = &PlayerRecord::penalty;
}  // namespace slot

// PasserRating with 2 decimals, "0.00" without attempts.
inline std::string PassingRate(const PlayerRecord& p) {
  if (!p.passing || p.passing->attempts == 0) return "0.00";
  const league::PassingRecord& r = *p.passing;
  return FormatDecimal(
      stats::PasserRating(r.completions, r.attempts, r.yards, r.touchdowns, r.interceptions), 2);
}

// The scoring columns.
inline std::string TouchdownsText(const PlayerRecord& p) {
  return IntegerText(stats::Touchdowns(p));
}
inline std::string TwoPointConversionsText(const PlayerRecord& p) {
  return IntegerText(stats::TwoPointConversions(p));
}
inline std::string PointsText(const PlayerRecord& p) {
  return IntegerText(stats::Points(p));
}

}  // namespace yl::reports::cells
