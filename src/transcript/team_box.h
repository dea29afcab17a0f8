// The team box after "The game is over.": team totals and points by quarter,
// read by position only and added to the two teams of the game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "league/league.h"
#include "run/errors.h"
#include "transcript/reader.h"

namespace yl::transcript {

constexpr int kTeamBoxLines = 35;
// The box is read through a 300-byte line buffer: longer lines are read only
// up to their 299th byte.
constexpr std::size_t kBoxLineLength = 299;

// From position: a "-" anywhere makes the number negative; digits add up
// (wrapping as 16-bit arithmetic); other bytes are skipped before the first
// digit and end the number after it (position then stands after that byte).
std::int16_t ReadBoxInteger(std::string_view line, std::size_t& position);

// From position: a "-" makes the number negative; before a "." every digit
// joins the whole part and other bytes are skipped; after it digits are the
// fraction and the first other byte ends the number.
double ReadBoxReal(std::string_view line, std::size_t& position);

// The game's own score as its box gives it (the teams' totals add up every
// game they have played).
struct GameScore {
  std::array<std::int16_t, 4> visitingQuarters{};
  std::array<std::int16_t, 4> homeQuarters{};
  bool overtime = false;  // the box has an overtime column
  std::int16_t visitingOvertime = 0;
  std::int16_t homeOvertime = 0;
  std::int16_t visitingPoints = 0;
  std::int16_t homePoints = 0;
};

// What keeps the box at the text's reading position from being read: lines
// missing (the text cut short) or a number too large for its figure.
struct BoxFault {
  run::ErrorKind kind;
  std::string_view line;  // the line with the number; empty for a cut
};
// Looks at the box's 35 lines without reading them: the position stays.
std::optional<BoxFault> CheckTeamBox(TranscriptText& text);

// Reads the 35 lines of the box from the text's reading position, adds the
// counts to each team's totals and to the other team's opponent totals,
// stores the averages, carries minutes out of seconds and settles the game's
// result. A box cut short reads its missing lines as lines without digits.
GameScore ReadTeamBox(TranscriptText& text, league::TeamRecord& home, league::TeamRecord& visiting);

}  // namespace yl::transcript
