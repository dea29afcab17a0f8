// The play header: its phrases and numbers, and which number is which.
#pragma once

#include <string_view>

#include "transcript/current_play.h"
#include "transcript/reader.h"

namespace yl::transcript {

// Number slots 14 to 16 hold the constants that some phrases imply, so a
// header may carry at most 14 numbers of its own.
constexpr int kMaxHeaderNumbers = 14;
constexpr int kHeaderOvertimeSlot = 14;  // receives 5, the overtime period
constexpr int kHeaderInchesSlot = 15;    // receives 1, a distance of inches or to the goal line
constexpr int kHeaderGoalLineSlot = 16;  // receives 1, a ball on the goal line

// Cuts a header line (leading blanks removed) into phrase codes and the
// numbers between them, filling headerCodes and headerNumbers. A line that
// does not read as phrase, number, phrase, ..., phrase is logged as a play
// header not understood and false is returned.
bool ParseHeader(ReadContext& context, std::string_view line, CurrentPlay& play);

// Sets the index fields, startKind, inches and ownSide from the codes.
void ResolveHeader(CurrentPlay& play);

}  // namespace yl::transcript
