// The play header: its phrases and numbers, and which number is which.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "transcript/current_play.h"
#include "transcript/reader.h"

namespace yl::transcript {

// The texts between the numbers of the headers a game read last, and their
// codes, by place: the next header mostly has the same ones in the same
// places, so they are tried first. The texts are views into the game's
// transcript, their first and last eight bytes also kept as words.
struct HeaderGuide {
  struct Text {
    std::string_view text;
    std::uint64_t head = 0;  // zero-filled past a shorter text
    std::uint64_t tail = 0;
    PhraseCode code = 0;
  };
  std::array<Text, kHeaderNumbers + 1> texts{};
};

// Cuts a header line (leading blanks removed) into phrase codes and the
// numbers between them, filling the play's header text. A line that does not
// read as phrase, number, phrase, ..., phrase is noted as a play header not
// understood and false is returned. `guide`, when given, only saves work.
bool ParseHeader(ParseContext& parse, std::string_view line, CurrentPlay& play,
                 HeaderGuide* guide = nullptr);
// The same, logged at once.
bool ParseHeader(ReadContext& context, std::string_view line, CurrentPlay& play);

// The situation the header's phrases and numbers give.
Situation ResolveHeader(const HeaderText& header);

}  // namespace yl::transcript
