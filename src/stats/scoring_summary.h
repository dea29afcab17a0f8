// The scoring summary of a game: one entry per scoring or conversion event,
// in event order. An entry may be filled in two steps (a touchdown pass names
// the passer, then the receiver), so the summary knows whether the next
// event starts a new one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yl::stats {

enum class ScoringKind : std::int16_t {
  kNone = -1,
  kPuntTouchdown = 1,  // no player named
  kSafety = 2,         // no player named
  kTwoPointRunGood = 3,
  kTwoPointRunFailed = 4,
  kTwoPointPassGood = 5,
  kTwoPointPassFailed = 6,
  kExtraPointGood = 7,
  kExtraPointFailed = 8,
  kFieldGoalGood = 9,
  kFieldGoalMissed = 10,  // missed or blocked
  kKickoffReturnTouchdown = 11,
  kPuntReturnTouchdown = 12,
  kInterceptionReturnTouchdown = 13,
  kFumbleRecoveryTouchdown = 14,
  kPassingTouchdown = 15,  // player1 the passer, player2 the receiver
  kRushingTouchdown = 16,
};

constexpr std::int16_t kNotSet = -1;  // 0xFFFF: the field has not been filled

struct ScoringDriveRecord {
  std::int16_t quarter = kNotSet;
  std::int16_t minutes = kNotSet;  // minutes elapsed in the quarter
  std::int16_t seconds = kNotSet;  // seconds elapsed beyond minutes
  std::string team;
  std::string player1;
  std::int16_t number1 = kNotSet;
  std::string player2;
  std::int16_t number2 = kNotSet;
  std::int16_t yards = kNotSet;
  ScoringKind kind = ScoringKind::kNone;
};

// The summary of one game, its entries in event order. The last entry may
// still be open: the next event of the same play fills it further.
struct ScoringSummary {
  std::vector<ScoringDriveRecord> entries;
  bool appendNext = true;  // the next event starts a new entry
};

}  // namespace yl::stats
