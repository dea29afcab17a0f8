// Reading a parsed play for crediting.
#include "stats/play_facts.h"

namespace yl::stats {

std::int16_t GameCredit::Group(std::int16_t label) const {
  // A label merged with its own opposite can point back; no honest chain is
  // anywhere near this long.
  constexpr int kMaxSteps = 64;
  for (int step = 0; step < kMaxSteps; ++step) {
    const std::int16_t merged = read.groupMap[label];
    if (merged == label) break;
    label = merged;
  }
  return label;
}

PlayerRecord* OffenseQuarterback(const GameCredit& game, const CurrentPlay& play) {
  const std::int16_t offense = game.Group(play.groupAtSnap);
  const transcript::GamePlayers& players = game.read.players;
  const auto isQuarterback = [&](const PlayerRecord& p) {
    return p.position == league::offense::kQuarterback && p.side == league::kOffense &&
           game.Group(players.Of(p).otherGroup) == offense;
  };
  if (offense == 0) {
    // Every player the game never grouped has otherGroup 0.
    for (PlayerRecord& p : league::NewestFirst(game.league.players)) {
      if (isQuarterback(p)) return &p;
    }
    return nullptr;
  }
  for (PlayerRecord* p : players.Named()) {
    if (isQuarterback(*p)) return p;
  }
  return nullptr;
}

PlayerRecord* PlayerOrQuarterback(const GameCredit& game, const CurrentPlay& play, Role role) {
  PlayerRecord* player = play.Player(role);
  return player != nullptr ? player : OffenseQuarterback(game, play);
}

std::string_view TeamNameOfGroup(const GameCredit& game, std::int16_t label) {
  const std::int16_t group = game.Group(label);
  return transcript::TeamOfGroup(game.league, game.read.players, group,
                                 transcript::GroupNamer::kFirstWithTeam);
}

PlayerRecord* LastRecoverer(const CurrentPlay& play) {
  for (auto it = play.recoverers.rbegin(); it != play.recoverers.rend(); ++it) {
    if (*it != nullptr) return *it;
  }
  return nullptr;
}

void OfferLongest(GameCredit& game, LongestEntry enter, PlayerRecord* player, std::int16_t yards) {
  if (game.longest != nullptr && player != nullptr)
    enter(*game.longest, game.leadersCount, player, yards);
}

}  // namespace yl::stats
