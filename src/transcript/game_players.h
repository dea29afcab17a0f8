// The players of the game being read and what the game says of each: his
// possession groups and whether his team is still open. It lives as long as
// the game; the league model keeps only what outlasts it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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
  struct NamedEntry {
    league::PlayerRecord* player;
    std::uint32_t index;  // his index in the league: the walks need not read his record
  };

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

  // The players the game's tokens named, newest first, as pointers. Only
  // they can be given a possession group, so the group operations walk them
  // instead of the whole league. (Written out: the standard range views do
  // not build with every compiler the project supports.)
  class NamedRange {
   public:
    class Iterator {
     public:
      using iterator_category = std::forward_iterator_tag;
      using value_type = league::PlayerRecord*;
      using difference_type = std::ptrdiff_t;
      using pointer = void;
      using reference = league::PlayerRecord*;

      Iterator() = default;
      explicit Iterator(std::vector<NamedEntry>::const_reverse_iterator at) : at_(at) {}
      league::PlayerRecord* operator*() const { return at_->player; }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      Iterator operator++(int) {
        Iterator before = *this;
        ++at_;
        return before;
      }
      bool operator==(const Iterator&) const = default;

     private:
      std::vector<NamedEntry>::const_reverse_iterator at_;
    };

    explicit NamedRange(const std::vector<NamedEntry>& entries) : entries_(&entries) {}
    Iterator begin() const { return Iterator(entries_->rbegin()); }
    Iterator end() const { return Iterator(entries_->rend()); }
    std::size_t size() const { return entries_->size(); }

   private:
    const std::vector<NamedEntry>* entries_;
  };
  NamedRange Named() const { return NamedRange(named_); }

  // Calls visit(player, inGame) for each of them, newest first, without a
  // look-up per player: the group walks run on every play.
  template <class Visit>
  void ForEachNamed(Visit visit) {
    for (auto it = named_.rbegin(); it != named_.rend(); ++it)
      visit(*it->player, entries_[it->index]);
  }

 private:
  void AddNamed(league::PlayerRecord& player, InGame& entry);

  std::vector<InGame> entries_;    // by the player's index in the league
  std::vector<NamedEntry> named_;  // oldest first
};

}  // namespace yl::transcript
