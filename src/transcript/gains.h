// The gains line of a play: yards gained or lost, where the ball now stands,
// or the length of a kick or attempt. ParseGains cuts the line into gains
// phrases and numbers; ResolveGains says what they mean.
#pragma once

#include <string_view>

#include "transcript/current_play.h"
#include "transcript/reader.h"
#include "transcript/text_guide.h"

namespace yl::transcript {

// Cuts the line into codes and numbers. A line that cannot be cut (or is
// longer than a line holds, or has more than 8 numbers) is noted as gains
// not understood with the line and false is returned; the caller marks the
// play failed. `guide`, the texts the game's gains lines held so far, when
// given, only saves work.
bool ParseGains(ParseContext& parse, std::string_view line, CurrentPlay& play,
                TextGuide* guide = nullptr);
// The same, logged at once.
bool ParseGains(ReadContext& context, std::string_view line, CurrentPlay& play);

// Makes `gain` the gain the line's phrases and numbers give, walked in line
// order. (Written in place: a gain returned by value went through memory a
// few bytes at a time, and was loaded back as words before the stores had
// landed.)
void ResolveGains(const GainsText& gains, Gain& gain);

// The gain of a play whose description is followed by an empty line: it
// has no gains line, and its yardage reads 1.
Gain NoGainsLine();

}  // namespace yl::transcript
