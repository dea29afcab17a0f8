// What crediting reads from a parsed play besides its plain fields: the
// players in its role slots, its yardage and header numbers, and the game's
// possession groups, through which sides and teams are compared.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "league/league.h"
#include "options/output_options.h"
#include "stats/run_stats.h"
#include "transcript/current_play.h"
#include "transcript/possession.h"

namespace yl::stats {

using league::PlayerRecord;
// Crediting fills the stat records of the model.
using namespace league::records;
using transcript::CurrentPlay;

using transcript::PenaltyKind;
using transcript::PlayKind;
using transcript::PlayResult;
using transcript::StartKind;

// The game whose plays are being credited: the model its players are in,
// the run's stats state (scoring summary, longest-play lists), the options
// that say which of them are kept, and the game's label merges.
struct GameCredit {
  league::League& league;
  RunStats& stats;
  const options::OutputOptions& options;
  const transcript::GroupMap* groupMap = nullptr;  // none: no label has been merged
  // Keep the scoring summary also outside game mode (for the tables).
  bool scoringForTables = false;

  // The group a label stands for now. Merges can chain (5 into 2, later 2
  // into -1) and the map records only each single step, so the steps are
  // followed to the label still in use.
  std::int16_t Group(std::int16_t label) const;
};

// The player a role or fumble slot names; nullptr for none or a bad index.
PlayerRecord* PlayerAt(const CurrentPlay& play, std::int16_t index);
PlayerRecord* Fumbler(const CurrentPlay& play, int fumble);
PlayerRecord* Recoverer(const CurrentPlay& play, int fumble);

// The play's yardage v (0 when it has none) and its signed form: +v for a
// gain, -v for a loss.
bool HasYardage(const CurrentPlay& play);
std::int16_t Yards(const CurrentPlay& play);
std::int16_t SignedYards(const CurrentPlay& play);
bool IsLoss(const CurrentPlay& play);

// The yard line the ball is on after the play, when the gains line says.
std::optional<std::int16_t> BallOnLine(const CurrentPlay& play);

// A header number by its index field (downIndex, quarterIndex, ...).
std::optional<std::int16_t> HeaderNumber(const CurrentPlay& play, std::int16_t index);

// The player of an extras value slot (the fouler), and a number slot.
PlayerRecord* ExtrasPlayer(const CurrentPlay& play, std::int16_t index);
std::optional<std::int16_t> ExtrasNumber(const CurrentPlay& play, std::int16_t index);

// The first player in the player list who played quarterback on offense for
// the side that had the ball at the snap; nullptr when there is none.
PlayerRecord* OffenseQuarterback(const GameCredit& game, const CurrentPlay& play);

// The named player, or the offense's quarterback when the slot is empty.
PlayerRecord* PlayerOrQuarterback(const GameCredit& game, const CurrentPlay& play,
                                  std::int16_t index);

// The team name of the first player of the label's group that has one;
// empty when no such player exists.
std::string_view TeamNameOfGroup(const GameCredit& game, std::int16_t label);

// The recoverer of the last recovery of the play's fumble chain.
PlayerRecord* LastRecoverer(const CurrentPlay& play);

// Offers a play to one longest-play list when the league leaders are wanted.
using LongestEntry = void (*)(LongestLists&, std::int32_t, PlayerRecord*, std::int16_t);
void OfferLongest(GameCredit& game, LongestEntry enter, PlayerRecord* player, std::int16_t yards);

// A gain that scored a touchdown.
inline bool ScoredOnGain(const CurrentPlay& play) {
  return play.gainPositive != 0 && play.result == PlayResult::kTouchdown;
}

inline void UpdateLongest(std::int16_t& longest, std::int16_t yards) {
  if (yards > longest) longest = yards;
}

}  // namespace yl::stats
