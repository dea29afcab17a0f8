// The play header: its phrases and numbers, and which number is which.
#pragma once

#include <string_view>

#include "transcript/current_play.h"
#include "transcript/reader.h"

namespace yl::transcript {

// Cuts a header line (leading blanks removed) into phrase codes and the
// numbers between them, filling the play's header text. A line that does not
// read as phrase, number, phrase, ..., phrase is noted as a play header not
// understood and false is returned.
bool ParseHeader(ParseContext& parse, std::string_view line, CurrentPlay& play);
// The same, logged at once.
bool ParseHeader(ReadContext& context, std::string_view line, CurrentPlay& play);

// The situation the header's phrases and numbers give.
Situation ResolveHeader(const HeaderText& header);

}  // namespace yl::transcript
