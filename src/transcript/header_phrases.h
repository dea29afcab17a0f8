// The 52 phrases of a play header and their length index.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "transcript/phrase_table.h"

namespace yl::transcript {

constexpr int kHeaderPhraseCount = 52;
// ":", the phrase between the minutes and the seconds of the clock.
constexpr PhraseCode kClockCode = 41;

// The header phrases in the order they are tried: decreasing length, equal
// lengths by ascending code.
std::span<const PhraseEntry> HeaderPhrases();
const LengthIndex& HeaderLengthIndex();

// The text of a header code; empty for a code that is none.
std::string_view HeaderPhraseText(PhraseCode code);

}  // namespace yl::transcript
