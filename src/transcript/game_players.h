// The players of the game being read and what the game says of each: his
// possession groups and whether his team is still open. It lives as long as
// the game; the league model keeps only what outlasts it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "league/league.h"

namespace yl::transcript {

// One player in the game.
struct InGame {
  std::int16_t teamGroup = 0;   // the label of his side; 0: no group yet
  std::int16_t otherGroup = 0;  // the label in possession at the snap of his last play
  bool teamOpen = true;         // the game may still name his team
  bool seen = false;            // the game has asked about him
  bool named = false;           // a token of the game named him
};

class GamePlayers {
 public:
  // What the game says of the player; at first a player is in no group and
  // his team is open unless the league has fixed it.
  InGame& operator[](const league::PlayerRecord& player) {
    if (player.index >= entries_.size()) entries_.resize(player.index + 1);
    InGame& entry = entries_[player.index];
    if (!entry.seen) {
      entry.seen = true;
      entry.teamOpen = !player.teamFixed;
    }
    return entry;
  }
  InGame Of(const league::PlayerRecord& player) const {
    if (player.index < entries_.size() && entries_[player.index].seen)
      return entries_[player.index];
    InGame entry;
    entry.teamOpen = !player.teamFixed;
    return entry;
  }

  // Puts a player a token named on the game's list, once, newest first.
  void Name(league::PlayerRecord& player);
  // The players the game's tokens named, newest first. Only they can be
  // given a possession group, so the group operations walk them instead of
  // the whole league.
  std::span<league::PlayerRecord* const> Named() const { return named_; }

 private:
  std::vector<InGame> entries_;  // by the player's index in the league
  std::vector<league::PlayerRecord*> named_;
};

}  // namespace yl::transcript
