// Reading a parsed play for crediting.
#include "stats/play_facts.h"

namespace yl::stats {

namespace {

bool InRange(std::int16_t index, int size) {
  return index >= 0 && index < size;
}

}  // namespace

std::int16_t GameCredit::Group(std::int16_t label) const {
  if (groupMap == nullptr) return label;
  // A label merged with its own opposite can point back; no honest chain is
  // anywhere near this long.
  constexpr int kMaxSteps = 64;
  for (int step = 0; step < kMaxSteps; ++step) {
    const std::int16_t next = (*groupMap)[label];
    if (next == label) break;
    label = next;
  }
  return label;
}

PlayerRecord* PlayerAt(const CurrentPlay& play, std::int16_t index) {
  return InRange(index, transcript::kDescSlots) ? play.descPlayers[index] : nullptr;
}

PlayerRecord* Fumbler(const CurrentPlay& play, int fumble) {
  if (fumble < 0 || fumble >= transcript::kFumbleSlots) return nullptr;
  return PlayerAt(play, play.fumblers[fumble]);
}

PlayerRecord* Recoverer(const CurrentPlay& play, int fumble) {
  if (fumble < 0 || fumble >= transcript::kFumbleSlots) return nullptr;
  return PlayerAt(play, play.recoverers[fumble]);
}

bool HasYardage(const CurrentPlay& play) {
  return InRange(play.gainIndex, transcript::kGainsSlots);
}

std::int16_t Yards(const CurrentPlay& play) {
  return HasYardage(play) ? play.gainsNumbers[play.gainIndex] : 0;
}

std::int16_t SignedYards(const CurrentPlay& play) {
  const std::int16_t v = Yards(play);
  return play.gainPositive ? v : static_cast<std::int16_t>(-v);
}

bool IsLoss(const CurrentPlay& play) {
  return play.gainPositive == 0;
}

std::optional<std::int16_t> BallOnLine(const CurrentPlay& play) {
  if (!InRange(play.ballOnIndex, transcript::kGainsSlots)) return std::nullopt;
  return play.gainsNumbers[play.ballOnIndex];
}

std::optional<std::int16_t> HeaderNumber(const CurrentPlay& play, std::int16_t index) {
  if (!InRange(index, transcript::kHeaderSlots)) return std::nullopt;
  return play.headerNumbers[index];
}

PlayerRecord* ExtrasPlayer(const CurrentPlay& play, std::int16_t index) {
  return InRange(index, transcript::kExtrasSlots) ? play.extrasValues[index].player : nullptr;
}

std::optional<std::int16_t> ExtrasNumber(const CurrentPlay& play, std::int16_t index) {
  if (!InRange(index, transcript::kExtrasSlots)) return std::nullopt;
  return play.extrasValues[index].number;
}

PlayerRecord* OffenseQuarterback(const GameCredit& game, const CurrentPlay& play) {
  const std::int16_t offense = game.Group(play.groupAtSnap);
  const auto isQuarterback = [&](const PlayerRecord* p) {
    return p->position == league::offense::kQuarterback && p->side == league::kOffense &&
           game.Group(p->otherGroup) == offense;
  };
  if (offense == 0) {
    // Every player the game never grouped has otherGroup 0.
    for (PlayerRecord& p : league::NewestFirst(game.league.players)) {
      if (isQuarterback(&p)) return &p;
    }
    return nullptr;
  }
  for (PlayerRecord* p : game.league.gamePlayers) {
    if (isQuarterback(p)) return p;
  }
  return nullptr;
}

PlayerRecord* PlayerOrQuarterback(const GameCredit& game, const CurrentPlay& play,
                                  std::int16_t index) {
  PlayerRecord* player = PlayerAt(play, index);
  return player != nullptr ? player : OffenseQuarterback(game, play);
}

std::string_view TeamNameOfGroup(const GameCredit& game, std::int16_t label) {
  const std::int16_t group = game.Group(label);
  return transcript::TeamOfGroup(game.league, group, transcript::GroupNamer::kFirstWithTeam);
}

PlayerRecord* LastRecoverer(const CurrentPlay& play) {
  for (int i = transcript::kFumbleSlots - 1; i >= 0; --i) {
    if (play.recoverers[i] != -1) return Recoverer(play, i);
  }
  return nullptr;
}

void OfferLongest(GameCredit& game, LongestEntry enter, PlayerRecord* player, std::int16_t yards) {
  const options::OutputOptions& o = game.options;
  if (o.mode == options::ReportMode::kLeague && o.leagueLeaders && player != nullptr)
    enter(game.stats.longest, o.leadersCount, player, yards);
}

}  // namespace yl::stats
