// Extras lines: penalties and the decisions on them, time-outs, two-minute
// warnings, period ends and the game's end. The extras table is specialised
// with the two team names of each game; ParseExtras cuts a line into its
// phrases, numbers and players; ResolveExtras turns them into the play's
// penalty and period fields.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "league/league.h"
#include "transcript/current_play.h"
#include "transcript/extras_phrases.h"
#include "transcript/reader.h"

namespace yl::transcript {

// Room for the longest phrase with a team name and a full stop.
constexpr std::size_t kExtrasTextCapacity = kLongestExtrasPhrase + league::kMaxTeamName + 1;

// Player tokens handed to the league model are at most this long.
constexpr std::size_t kMaxExtrasToken = 35;

// The extras phrases of one game. Texts are kept by code in fixed storage;
// positionToCode gives the order of trial (longest first, equal lengths by
// code) and codeToPosition its inverse.
struct ExtrasTable {
  std::array<std::array<char, kExtrasTextCapacity>, kExtrasPhraseCount> storage{};
  std::array<std::uint8_t, kExtrasPhraseCount> lengths{};
  std::array<PhraseCode, kExtrasPhraseCount> positionToCode{};
  std::array<std::uint8_t, kExtrasPhraseCount> codeToPosition{};
  // By a byte with ASCII letters in upper case: the positions whose text
  // begins with it (letter case ignored), as bits, so that most texts are
  // passed over without a comparison.
  std::array<std::uint64_t, 256> positionsBeginning{};
  static_assert(kExtrasPhraseCount <= 64);

  std::string_view TextOfCode(PhraseCode code) const {
    return {storage[code].data(), lengths[code]};
  }
  std::string_view TextAt(std::size_t position) const {
    return TextOfCode(positionToCode[position]);
  }
};

// Builds the table of a game: the fourteen team texts with the home and the
// visiting team's names (cut to the length a team name holds), then the
// order of trial.
void PrepareExtrasPhrases(ExtrasTable& table, const league::TeamRecord& home,
                          const league::TeamRecord& visiting);
// The same from the names the transcript's first line gives. Phrases match
// with ASCII letter case ignored, as teams are found, so that the table
// matches what the one of the teams these names find matches.
void PrepareExtrasPhrases(ExtrasTable& table, std::string_view homeName,
                          std::string_view visitingName);

// Cuts one extras line into phrases (letter case ignored), numbers and player
// tokens (noted in the parse context), appending to the play's codes and
// values. A line that cannot be cut, or that would take the play past 10
// phrases or values, is noted as extras not understood and false is
// returned; the caller marks the play failed.
bool ParseExtras(ParseContext& parse, const ExtrasTable& table, std::string_view line,
                 CurrentPlay& play);

// The players of the values from `begin` to `end` (cut to the slots), once
// their tokens have been looked up.
void NameExtrasPlayers(ExtrasText& extras, std::size_t begin, std::size_t end,
                       const CarriedParse& carried);

// One line on its own: parsed, its players found or created in the league,
// a line that cannot be cut logged.
bool ParseExtras(ReadContext& context, const ExtrasTable& table, std::string_view line,
                 CurrentPlay& play);

// Whether a phrase read so far ends the game (ResolveExtras then sets the
// play's gameOver): the parser stops reading extras lines there.
bool EndsGame(const ExtrasText& extras);

// Walks every extras phrase of the play read so far, from the first, and
// sets its penalty, period and game-end fields; the fouler takes the side
// his foul tells and, once a team decides on the penalty, the other team's
// name. Returns how many of the walked phrases end the first half (the
// reader steps the progress display for each).
int ResolveExtras(ReadContext& context, const league::TeamRecord& home,
                  const league::TeamRecord& visiting, CurrentPlay& play);

// After each extras line: value i stays paired with phrase i across lines.
void EndExtrasLine(ExtrasText& extras);

// What the extras lines tell of the next play's possession: the second half
// begins (the first phrase ends the first half), an overtime period begins
// (the second phrase announces it), or nothing.
enum class PeriodChange : std::uint8_t { kNone, kSecondHalf, kOvertime };
PeriodChange PeriodChangeAfter(const ExtrasText& extras);

// Gives the fouler the team's name, unless he has another team fixed
// already: then the conflict is logged (a change of team name, with his
// name).
void AssignFoulerTeam(ReadContext& context, league::PlayerRecord& fouler,
                      const league::TeamRecord& team);

}  // namespace yl::transcript
