// The codes a parsed play carries: how it started, what kind of play it was,
// how it ended and which penalty was called. Their values are the ones the
// phrase tables and the effect tables are written in.
#pragma once

#include <cstdint>

namespace yl::transcript {

// How the play started (from its header).
enum class StartKind : std::int16_t {
  kScrimmage = -1,  // no phrase said otherwise
  kTry = 0,         // an extra-point try
  kKickOff = 3,
  kFreeKick = 8,
};

// What kind of play it was (from its description). A play without a kind
// word counts as a rush.
enum class PlayKind : std::int16_t {
  kExtraPoint = 1,
  kPunt = 2,
  kKickOff = 3,
  kRush = 4,
  kPass = 5,
  kFieldGoal = 6,
  kSack = 7,
};

// How the play ended (from its description).
enum class PlayResult : std::int16_t {
  kNone = -1,
  kPuntNotFielded = 0,  // downed after a fair catch or out of bounds
  kLooseBallOutOfBounds = 1,
  kKickingTeamRecovered = 2,  // a kick-off recovered by the kicking team
  kTwoPointGood = 4,          // a two-point run good
  kTackled = 5,
  kFairCatch = 6,
  kTouchdown = 7,
  kWhistledDead = 8,  // with a penalty
  kExtraPointNoGood = 9,
  kSafety = 10,
  kFieldGoalNoGood = 11,
  kOutOfBounds = 12,
  kExtraPointGood = 13,
  kIncomplete = 14,
  kFieldGoalGood = 15,
  kPuntDowned = 16,
  kTouchback = 17,
  kSack = 18,
  kTryNoGood = 19,  // a conversion try no good
  kPuntTouchdown = 20,
};

// The penalty called (from the penalty sentence of the extras lines).
enum class PenaltyKind : std::int16_t {
  kNone = -1,
  kHolding = 0,
  kIllegalKick = 1,
  kFaceMask = 2,
  kPilingOn = 3,
  kIllegalBlock = 4,
  kDefensivePassInterference = 5,
  kPersonalFoul = 6,
  kIllegalUseOfHands = 7,
  kIneligibleReceiver = 8,
  kOffensivePassInterference = 9,
  kUnsportsmanlikeConduct = 10,
  kIneligibleManDownfield = 11,
  kDelayOfGame = 12,
  kOffSides = 13,
  kFewerThanSevenOnTheLine = 14,
  kFairCatchInterference = 15,
  kRoughingTheKicker = 16,
  kIntentionalGrounding = 17,
  kFalseStart = 18,
  kLinemanEligible = 19,  // a lineman lined up as an eligible receiver
  kIllegalForwardPass = 20,
};

// The code as the tables write it.
template <typename Code>
constexpr std::int16_t CodeValue(Code code) {
  return static_cast<std::int16_t>(code);
}

}  // namespace yl::transcript
