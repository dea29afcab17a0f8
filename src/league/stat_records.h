// The sixteen per-category stat records of a player: plain counters of the
// model, filled by the crediting of plays. A record exists only once its
// player has been credited in that category; `longest` fields start at -101,
// a value no play can have.
#pragma once

#include <cstdint>

namespace yl::league {
inline namespace records {

constexpr std::int16_t kNoLongest = -101;

struct RushingRecord {
  std::int32_t attempts = 0;
  std::int32_t yards = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t touchdowns = 0;
  std::int32_t firstDowns = 0;
  std::int32_t bigPlays = 0;
  std::int32_t stuffs = 0;
  std::int32_t yardsLost = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct PassingRecord {
  std::int32_t attempts = 0;
  std::int32_t completions = 0;
  std::int32_t yards = 0;
  std::int32_t touchdowns = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t firstDowns = 0;
  std::int32_t bigPlays = 0;
  std::int32_t interceptions = 0;
  std::int32_t sacks = 0;
  std::int32_t sackYards = 0;
};

struct ReceivingRecord {
  std::int32_t receptions = 0;
  std::int32_t yards = 0;
  std::int32_t touchdowns = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t bigPlays = 0;
  std::int32_t firstDowns = 0;
  std::int32_t drops = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct DefensiveRecord {
  std::int32_t tackles = 0;
  std::int32_t tackleYards = 0;
  std::int32_t stuffs = 0;
  std::int32_t stuffYards = 0;
  std::int32_t sacks = 0;
  std::int32_t sackYards = 0;
  std::int32_t passesDefensed = 0;
  std::int32_t puntsBlocked = 0;
  std::int32_t fieldGoalsBlocked = 0;
};

// Tackles by an offense-side player.
struct MiscOffRecord {
  std::int32_t tackles = 0;
  std::int32_t tackleYards = 0;
};

// Tackles on kick-off and punt returns.
struct SpecialTeamsRecord {
  std::int32_t tackles = 0;
  std::int32_t tackleYards = 0;
};

struct InterceptionRecord {
  std::int32_t interceptions = 0;
  std::int32_t returnYards = 0;
  std::int32_t touchdowns = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct RecoveryRecord {
  std::int32_t recoveries = 0;
  std::int32_t returnYards = 0;
  std::int32_t touchdowns = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct PuntingRecord {
  std::int32_t punts = 0;
  std::int32_t inside20 = 0;
  std::int32_t touchbacks = 0;
  std::int32_t blocked = 0;
  std::int32_t returned = 0;
};

struct PuntReturnRecord {
  std::int32_t returns = 0;
  std::int32_t yards = 0;
  std::int32_t touchdowns = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t fairCatches = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct KickReturnRecord {
  std::int32_t returns = 0;
  std::int32_t yards = 0;
  std::int32_t touchdowns = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
};

struct FGKickingRecord {
  std::int32_t attempts = 0;
  std::int32_t attempts1to29 = 0;
  std::int32_t attempts30to39 = 0;
  std::int32_t attempts40to49 = 0;
  std::int32_t attempts50plus = 0;
  std::int32_t made = 0;
  std::int32_t made1to29 = 0;
  std::int32_t made30to39 = 0;
  std::int32_t made40to49 = 0;
  std::int32_t made50plus = 0;
  std::int16_t longest = kNoLongest;
  std::int32_t blocked = 0;
};

struct EPKickingRecord {
  std::int32_t attempts = 0;
  std::int32_t made = 0;
};

struct TwoPointRecord {
  std::int32_t passAttempts = 0;
  std::int32_t passMade = 0;
  std::int32_t rushAttempts = 0;
  std::int32_t rushMade = 0;
  std::int32_t receivingAttempts = 0;
  std::int32_t receivingMade = 0;
};

struct PenaltyRecord {
  std::int32_t flagged = 0;
  std::int32_t accepted = 0;
  std::int32_t yards = 0;
};

}  // namespace records
}  // namespace yl::league
