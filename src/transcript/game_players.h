// The players of the game being read and what the game says of each: his
// possession groups and whether his team is still open. It lives as long as
// the game; the league model keeps only what outlasts it.
#pragma once

#include <cstdint>
#include <ranges>
#include <type_traits>
#include <vector>

#include "league/league.h"

namespace yl::transcript {

// One player in the game. A plain aggregate that starts all zero, so that a
// game's table of them is cleared as one block.
struct InGame {
  std::int16_t teamGroup;   // the label of his side; 0: no group yet
  std::int16_t otherGroup;  // the label in possession at the snap of his last play
  bool teamOpen;            // the game may still name his team (set when he is named)
  bool named;               // a token of the game named him
};
static_assert(std::is_trivially_default_constructible_v<InGame>);

class GamePlayers {
 public:
  // What the game says of the player; a player the game has not touched is
  // in no group.
  InGame& operator[](const league::PlayerRecord& player) {
    if (player.index >= entries_.size()) entries_.resize(player.index + 1);
    return entries_[player.index];
  }
  const InGame& Of(const league::PlayerRecord& player) const {
    static constexpr InGame kUntouched{};
    return player.index < entries_.size() ? entries_[player.index] : kUntouched;
  }

  // Puts a player a token named on the game's list, once; his team is open
  // unless the league has fixed it.
  void Name(league::PlayerRecord& player) {
    InGame& entry = (*this)[player];
    if (!entry.named) AddNamed(player, entry);
  }
  // The players the game's tokens named, newest first. Only they can be
  // given a possession group, so the group operations walk them instead of
  // the whole league.
  auto Named() const {
    return std::views::reverse(named_) | std::views::transform(&NamedEntry::player);
  }
  // Calls visit(player, inGame) for each of them, newest first, without a
  // look-up per player: the group walks run on every play.
  template <class Visit>
  void ForEachNamed(Visit visit) {
    for (auto it = named_.rbegin(); it != named_.rend(); ++it)
      visit(*it->player, entries_[it->index]);
  }

 private:
  void AddNamed(league::PlayerRecord& player, InGame& entry);

  struct NamedEntry {
    league::PlayerRecord* player;
    std::uint32_t
        index;  // his index in the league, kept here to spare the walks a read of his record
  };
  std::vector<InGame> entries_;    // by the player's index in the league
  std::vector<NamedEntry> named_;  // oldest first
};

}  // namespace yl::transcript
