// The players of the game being read.
#include "transcript/game_players.h"

#include <algorithm>

#include "run/errors.h"

namespace yl::transcript {

namespace {
constexpr std::size_t kPlayersOfAGame = 64;
}  // namespace

void GamePlayers::AddNamed(league::PlayerRecord& player, InGame& entry) {
  entry.named = true;
  entry.teamOpen = !player.teamFixed;
  // Room for a game's players at once, not grown step by step.
  if (named_.capacity() == 0) {
    run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] { named_.reserve(kPlayersOfAGame); });
  }
  // A player the game made is the newest: he goes last.
  const auto at = std::upper_bound(
      named_.begin(), named_.end(), player.index,
      [](std::uint32_t index, const NamedEntry& named) { return index < named.index; });
  run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] {
    named_.insert(at, NamedEntry{&player, player.index});
  });
}

}  // namespace yl::transcript
