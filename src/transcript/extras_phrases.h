// The extras phrases in their stored order (decreasing length, equal lengths
// in ascending byte order); a phrase's code is its position. Fourteen of them
// carry one of the game's team names, before the phrase or, for the formation
// penalty, after it followed by a full stop.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "transcript/phrase_table.h"

namespace yl::transcript {

constexpr int kExtrasPhraseCount = 55;

// Where a phrase takes a team name in the game being read.
enum class TeamText : std::uint8_t {
  kNone,
  kHomeBefore,      // the home team's name, then the phrase
  kVisitingBefore,  // the visiting team's name, then the phrase
  kHomeAfter,       // the phrase, the home team's name, "."
  kVisitingAfter,   // the phrase, the visiting team's name, "."
};

// What a phrase is followed by on its line: a player token, a number, or
// nothing but the next phrase.
enum class ExtrasArgument : std::uint8_t { kNone, kPlayer, kNumber };

struct ExtrasPhraseEntry {
  std::string_view text;
  PhraseCode code;
  TeamText team;
  ExtrasArgument argument;
};

constexpr std::array<ExtrasPhraseEntry, kExtrasPhraseCount> kExtrasPhrases = {{
    {"Penalty on the play.  Illegal Formation.  Lineman lined up as an eligible receiver on ", 0,
     TeamText::kNone, ExtrasArgument::kPlayer},
    {"Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on ", 1,
     TeamText::kHomeAfter, ExtrasArgument::kNone},
    {"Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on ", 2,
     TeamText::kVisitingAfter, ExtrasArgument::kNone},
    {"Penalty on the play.  Kickoff did not travel 10 yards.  Illegal kick on ", 3, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Kickoff went out of bounds.  Illegal kick on ", 4, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {" accepted the penalty which was automatic placement on the ", 5, TeamText::kHomeBefore,
     ExtrasArgument::kNumber},
    {" accepted the penalty which was automatic placement on the ", 6, TeamText::kVisitingBefore,
     ExtrasArgument::kNumber},
    {" declined the penalty which was automatic placement on the ", 7, TeamText::kHomeBefore,
     ExtrasArgument::kNumber},
    {" declined the penalty which was automatic placement on the ", 8, TeamText::kVisitingBefore,
     ExtrasArgument::kNumber},
    {" accepted the penalty which was an automatic first down.", 9, TeamText::kHomeBefore,
     ExtrasArgument::kNone},
    {" accepted the penalty which was an automatic first down.", 10, TeamText::kVisitingBefore,
     ExtrasArgument::kNone},
    {"Penalty on the play.  Defensive pass interference on ", 11, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Offensive pass interference on ", 12, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Illegal use of the hands on ", 13, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Ineligible man downfield on ", 14, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Unsportsmanlike conduct on ", 15, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Fair-catch inteference on ", 16, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Grabbing the face mask on ", 17, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Grabbing the facemask on ", 18, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Intentional grounding on ", 19, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play. Grabbing the face mask on ", 20, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Illegal forward pass on ", 21, TeamText::kNone,
     ExtrasArgument::kPlayer},
    {"Penalty on the play.  Ineligible receiver on ", 22, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Penalty on the play.  Roughing the kicker on ", 23, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Two minutes left in the overtime period.", 24, TeamText::kNone, ExtrasArgument::kNone},
    {"Another overtime period will be played.", 25, TeamText::kNone, ExtrasArgument::kNone},
    {"Penalty on the play.  Delay of game on ", 26, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Penalty on the play.  Illegal block on ", 27, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Penalty on the play.  Personal foul on ", 28, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Two minutes left in the fourth quarter.", 29, TeamText::kNone, ExtrasArgument::kNone},
    {"Penalty on the play.  False start on ", 30, TeamText::kNone, ExtrasArgument::kPlayer},
    {" yards and an automatic first down.", 31, TeamText::kNone, ExtrasArgument::kNone},
    {"Penalty on the play.  Off sides on ", 32, TeamText::kNone, ExtrasArgument::kPlayer},
    {"Two minutes left in the first half.", 33, TeamText::kNone, ExtrasArgument::kNone},
    {"An overtime period will be played.", 34, TeamText::kNone, ExtrasArgument::kNone},
    {"Penalty on the play.  Holding on ", 35, TeamText::kNone, ExtrasArgument::kPlayer},
    {" accepted the penalty which was ", 36, TeamText::kHomeBefore, ExtrasArgument::kNumber},
    {" accepted the penalty which was ", 37, TeamText::kVisitingBefore, ExtrasArgument::kNumber},
    {" declined the penalty which was ", 38, TeamText::kHomeBefore, ExtrasArgument::kNumber},
    {" declined the penalty which was ", 39, TeamText::kVisitingBefore, ExtrasArgument::kNumber},
    {"Penalty on the play.  Piling on ", 40, TeamText::kNone, ExtrasArgument::kPlayer},
    {" assessed from the goal line.", 41, TeamText::kNone, ExtrasArgument::kNone},
    {"The overtime period is over.", 42, TeamText::kNone, ExtrasArgument::kNone},
    {"The fourth quarter is over.", 43, TeamText::kNone, ExtrasArgument::kNone},
    {"The first quarter is over.", 44, TeamText::kNone, ExtrasArgument::kNone},
    {"The third quarter is over.", 45, TeamText::kNone, ExtrasArgument::kNone},
    {" yards and loss of down.", 46, TeamText::kNone, ExtrasArgument::kNone},
    {"The first half is over.", 47, TeamText::kNone, ExtrasArgument::kNone},
    {" assessed from the ", 48, TeamText::kNone, ExtrasArgument::kNumber},
    {"The game is over.", 49, TeamText::kNone, ExtrasArgument::kNone},
    {" call time out.", 50, TeamText::kHomeBefore, ExtrasArgument::kNone},
    {" call time out.", 51, TeamText::kVisitingBefore, ExtrasArgument::kNone},
    {" yard line.", 52, TeamText::kNone, ExtrasArgument::kNone},
    {" yards.", 53, TeamText::kNone, ExtrasArgument::kNone},
    {".", 54, TeamText::kNone, ExtrasArgument::kNone},
}};

// The codes whose phrases the game reader and the possession rules look for.
constexpr PhraseCode kAnotherOvertimeCode = 25;  // "Another overtime period will be played."
constexpr PhraseCode kOvertimeCode = 34;         // "An overtime period will be played."
constexpr PhraseCode kFirstHalfOverCode = 47;    // "The first half is over."
static_assert(kExtrasPhrases[kAnotherOvertimeCode].text.starts_with("Another overtime"));
static_assert(kExtrasPhrases[kOvertimeCode].text.starts_with("An overtime"));
static_assert(kExtrasPhrases[kFirstHalfOverCode].text == "The first half is over.");

// The longest base phrase; a specialised text adds a team name and a stop.
constexpr std::size_t kLongestExtrasPhrase = 86;

}  // namespace yl::transcript
