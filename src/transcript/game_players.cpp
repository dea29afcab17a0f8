// The players of the game being read.
#include "transcript/game_players.h"

#include <algorithm>

#include "run/errors.h"

namespace yl::transcript {

void GamePlayers::Name(league::PlayerRecord& player) {
  InGame& entry = (*this)[player];
  if (entry.named) return;
  entry.named = true;
  const auto at =
      std::upper_bound(named_.begin(), named_.end(), &player,
                       [](const league::PlayerRecord* a, const league::PlayerRecord* b) {
                         return a->index > b->index;
                       });
  run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] { named_.insert(at, &player); });
}

}  // namespace yl::transcript
