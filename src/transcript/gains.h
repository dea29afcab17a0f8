// The gains line of a play: yards gained or lost, where the ball now stands,
// or the length of a kick or attempt. ParseGains cuts the line into gains
// phrases and numbers; ResolveGains turns the codes into the play's fields.
#pragma once

#include <string_view>

#include "transcript/current_play.h"
#include "transcript/reader.h"

namespace yl::transcript {

// Number slots 0 to 7 take the numbers of the line (slot i follows phrase i);
// slot 8 is the constant of a play without yards, slot 9 the goal line's 1.
constexpr int kMaxGainsNumbers = 8;
constexpr int kNoYardsSlot = 8;
constexpr int kGainsGoalLineSlot = 9;

// Cuts the line into codes and numbers. A line that cannot be cut (or is
// longer than a line holds, or has more than 8 numbers) is logged as gains not understood
// with the line and false is returned; the caller marks the play failed.
bool ParseGains(ReadContext& context, std::string_view line, CurrentPlay& play);

// Sets gainPositive, gainIndex, ballOnIndex, shortGain, returnSpot and
// turnedOver from the codes, in line order.
void ResolveGains(CurrentPlay& play);

// A play whose description is followed by an empty line has no gains line:
// its yardage reads 1 through slot 8.
void MarkNoGainsLine(CurrentPlay& play);

}  // namespace yl::transcript
