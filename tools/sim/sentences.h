// The simulator's sentence templates: play headers, descriptions, gains lines
// and extras lines in the transcript language. Every text here is written
// with "..." where an ellipsis stands; the season writer may turn each into
// the single ellipsis byte.
#pragma once

#include <string>
#include <string_view>

#include "random.h"
#include "roster.h"

namespace yl::sim::text {

// "#NN-Name".
std::string Token(const Player& player);

// The yard-line number of a spot counted from one goal line (1 to 99).
int YardNumber(int spot);

// "M:SS".
std::string Clock(int secondsLeft);

// "With the score V to H in the Nth quarter, M:SS" (or "in the OT period").
std::string ScoreClause(int visiting, int home, int period, int secondsLeft);

// The rest of a scrimmage header; ball counts from the offense's own goal
// line. Equivalent spellings (inches, goal line) are picked by random.
std::string ScrimmageHeader(const std::string& clause, int down, int toGo, int ball,
                            Random& random);
std::string KickoffHeader(const std::string& clause, int spot, bool freeKick);
std::string TryHeader(const std::string& clause);

// Tackle endings after a tackler's token ("... #55-Hill" + ending). gain
// chooses the verb: stops for losses, "finally" for long gains.
std::string TackleVerb(int gain, Random& random);
std::string PushedOutVerb(int gain, Random& random);
std::string SafetyVerb(Random& random);
// "... somebody ..." endings, which name no tackler.
std::string SomebodyTackled(int gain, Random& random);

// Gains lines. spot counts from either goal line (only its yard number is
// written).
std::string GainOnPlay(int gain, int spot);
std::string GainToEndZone(int gain);  // a touchdown
std::string LossToSafety(int loss);   // a safety
std::string ReturnGain(int yards, int spot, Random& random);
std::string ReturnToEndZone(int yards, Random& random);
std::string TurnedOver(int spot);
std::string FumbleReturn(int yards, int spot);  // yards >= 2
std::string FumbleReturnToEndZone(int yards);
std::string Placed(int spot);
std::string BallOn(int spot);
std::string KickLength(int yards, Random& random);

// Extras lines.
std::string TimeOut(std::string_view team);
std::string Decision(std::string_view team, bool accepted, int yards, std::string_view tail);
std::string PlacementDecision(std::string_view team, bool accepted, int spot);

inline constexpr std::string_view kYardsTail = " yards.";
inline constexpr std::string_view kFirstDownTail = " yards and an automatic first down.";
inline constexpr std::string_view kLossOfDownTail = " yards and loss of down.";

}  // namespace yl::sim::text
