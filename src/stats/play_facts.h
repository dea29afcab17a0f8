// What crediting reads from a parsed play besides its plain fields: its
// yardage, the offense's quarterback, and the game's possession groups,
// through which sides and teams are compared.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "league/league.h"
#include "stats/longest_lists.h"
#include "stats/scoring_summary.h"
#include "transcript/current_play.h"
#include "transcript/game_reader.h"
#include "transcript/possession.h"

namespace yl::stats {

using league::PlayerRecord;
// Crediting fills the stat records of the model.
using namespace league::records;
using transcript::CurrentPlay;

using transcript::PenaltyKind;
using transcript::PlayKind;
using transcript::PlayResult;
using transcript::Role;
using transcript::StartKind;

// A player whose first down is confirmed only by the next play (he gained
// exactly the distance), with the record it goes to.
enum class PendingKind : std::uint8_t { kReceiving, kPassing, kRushing };
struct PendingFirstDown {
  PlayerRecord* player = nullptr;
  PendingKind kind = PendingKind::kReceiving;
};

// The game whose plays are being credited: the model its players are in,
// the game as read (its teams, its players' groups, its label merges), what
// the run keeps of it, and the scratch of the play being credited.
struct GameCredit {
  league::League& league;
  const transcript::GameState& read;
  ScoringSummary* scoring = nullptr;  // the game's scoring summary; none: not kept
  LongestLists* longest = nullptr;    // the run's longest plays; none: not kept
  std::int32_t leadersCount = 0;      // the leader tables' rows, for the longest plays

  // The play after the one being credited (none for the game's last).
  const CurrentPlay* next = nullptr;
  // The play's players whose first down waits for the next play.
  std::array<PendingFirstDown, 2> pending{};
  std::size_t pendingCount = 0;

  // The group a label stands for now. Merges can chain (5 into 2, later 2
  // into -1) and the map records only each single step, so the steps are
  // followed to the label still in use.
  std::int16_t Group(std::int16_t label) const;
};

// The play's yardage v (0 when it has none) and its signed form: +v for a
// gain, -v for a loss.
inline std::int16_t Yards(const CurrentPlay& play) {
  return play.gain.yards.value_or(0);
}
inline std::int16_t SignedYards(const CurrentPlay& play) {
  const std::int16_t v = Yards(play);
  return play.gain.positive ? v : static_cast<std::int16_t>(-v);
}
inline bool IsLoss(const CurrentPlay& play) {
  return !play.gain.positive;
}

// The first player in the player list who played quarterback on offense for
// the side that had the ball at the snap; nullptr when there is none.
PlayerRecord* OffenseQuarterback(const GameCredit& game, const CurrentPlay& play);

// The player in the role, or the offense's quarterback when nobody is.
PlayerRecord* PlayerOrQuarterback(const GameCredit& game, const CurrentPlay& play,
                                  transcript::Role role);

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
  return play.gain.positive && play.result == PlayResult::kTouchdown;
}

inline void UpdateLongest(std::int16_t& longest, std::int16_t yards) {
  if (yards > longest) longest = yards;
}

}  // namespace yl::stats
