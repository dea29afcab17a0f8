// The scoring summary of the current game: one entry per scoring or
// conversion event, in event order. An entry may be filled in two steps (a
// touchdown pass names the passer, then the receiver), so the summary keeps
// the entry being filled and whether the next event starts a new one.
#pragma once

#include <cstdint>
#include <list>
#include <string>

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
  ScoringDriveRecord* next = nullptr;
};

struct ScoringSummary {
  ScoringDriveRecord* head = nullptr;
  ScoringDriveRecord* tail = nullptr;
  ScoringDriveRecord* current = nullptr;  // the entry being filled
  bool appendNext = true;                 // the next event starts a new entry
  // Owns every entry of the game, also one that was filled but never linked.
  std::list<ScoringDriveRecord> entries;
};

// A new blank entry, owned by the summary but not yet linked.
ScoringDriveRecord* CreateScoringDrive(ScoringSummary& summary);

// Links the entry at the tail of the summary (it becomes the head of an
// empty one). An entry that is already the tail is not linked again.
void LinkScoringDrive(ScoringSummary& summary, ScoringDriveRecord* entry);

// Start of a game: an empty summary whose next event starts a new entry.
void ResetScoringSummary(ScoringSummary& summary);

// Frees every entry; head, tail and current entry become empty.
void DisposeScoringSummary(ScoringSummary& summary);

}  // namespace yl::stats
