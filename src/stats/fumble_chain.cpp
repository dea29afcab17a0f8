// The fumble chain of a play.
#include "stats/fumble_chain.h"

#include "stats/record_creation.h"
#include "stats/scoring_entry.h"

namespace yl::stats {

namespace {

constexpr int kFumbleSlots = static_cast<int>(transcript::kFumbleSlots);

// The fumbler and the recoverer of fumble i; none outside the chain.
PlayerRecord* Fumbler(const CurrentPlay& play, int i) {
  return i >= 0 && i < kFumbleSlots ? play.fumblers[static_cast<std::size_t>(i)] : nullptr;
}
PlayerRecord* Recoverer(const CurrentPlay& play, int i) {
  return i >= 0 && i < kFumbleSlots ? play.recoverers[static_cast<std::size_t>(i)] : nullptr;
}

enum class Holder { kSamePlayer, kSameTeam };

// Did the recoverer of a fumble keep the ball for the fumbler (himself, or
// his team)? Without any fumbler the team of the side that snapped the ball
// stands in for his.
bool Kept(const GameCredit& game, const CurrentPlay& play, const PlayerRecord* fumbler,
          const PlayerRecord* recoverer, Holder holder) {
  if (holder == Holder::kSamePlayer) return recoverer == fumbler;
  const std::string_view fumblerTeam = fumbler != nullptr ? std::string_view(fumbler->teamName)
                                                          : TeamNameOfGroup(game, play.groupAtSnap);
  return recoverer->teamName == fumblerTeam;
}

// Counts are taken from `start`, so that a recoverer who fumbles later in
// the chain is charged with his own fumbles only.
WalkResult RecoveryWalk(const GameCredit& game, const CurrentPlay& play, int start, Holder holder) {
  if (start < 0 || start >= kFumbleSlots) return {true, 0};
  if (Recoverer(play, start) == nullptr) return {true, 1};
  const PlayerRecord* fumbler =
      Fumbler(play, start) == nullptr ? OffenseQuarterback(game, play) : Fumbler(play, start);
  for (int i = start;;) {
    if (!Kept(game, play, fumbler, Recoverer(play, i), holder)) return {false, i + 1 - start};
    const int next = i + 1;
    // The chain ends at its fifth fumble.
    if (next == kFumbleSlots || Fumbler(play, next) == nullptr) return {true, next - start};
    if (Recoverer(play, next) == nullptr) return {true, next + 1 - start};
    fumbler = Fumbler(play, next);
    i = next;
  }
}

// The return of the recoverer who kept the ball at the end of the chain.
void CreditRecoveryReturn(GameCredit& game, const CurrentPlay& play, PlayerRecord* recoverer) {
  RecoveryRecord& record = *recoverer->recovery;
  record.returnYards += SignedYards(play);
  if (!IsLoss(play) && play.result == PlayResult::kTouchdown) {
    ++record.touchdowns;
    AddScoringEntry(game, play, ScoringKind::kFumbleRecoveryTouchdown, recoverer, true);
  }
}

PlayerRecord* CountRecovery(PlayerRecord* recoverer) {
  if (GetRecoverer(recoverer) == nullptr) return nullptr;
  ++recoverer->recovery->recoveries;
  return recoverer;
}

}  // namespace

WalkResult OwnRecoveryWalk(const GameCredit& game, const CurrentPlay& play, int start) {
  return RecoveryWalk(game, play, start, Holder::kSamePlayer);
}

WalkResult TeamRecoveryWalk(const GameCredit& game, const CurrentPlay& play, int start) {
  return RecoveryWalk(game, play, start, Holder::kSameTeam);
}

bool CarrierKeepsPlay(const GameCredit& game, const CurrentPlay& play, std::int32_t& fumbles,
                      std::int32_t& fumblesLost) {
  if (!play.fumble) return true;
  const WalkResult own = OwnRecoveryWalk(game, play, 0);
  if (own.held) {
    fumbles += own.count;
    return true;
  }
  const WalkResult team = TeamRecoveryWalk(game, play, 0);
  if (team.held) {
    fumbles += own.count;
    return false;
  }
  fumbles += team.count;
  ++fumblesLost;
  return false;
}

void CreditFumbleRecovery(GameCredit& game, const CurrentPlay& play) {
  // A blocked kick has no ball carrier.
  PlayerRecord* carrier = nullptr;
  if (play.Player(Role::kBlocker) == nullptr) {
    carrier = Fumbler(play, 0) == nullptr ? OffenseQuarterback(game, play) : Fumbler(play, 0);
  }
  int i = 0;
  while (i < kFumbleSlots && Recoverer(play, i) != nullptr && Recoverer(play, i) == carrier)
    ++i;
  if (i == kFumbleSlots || Recoverer(play, i) == nullptr) return;
  PlayerRecord* current = CountRecovery(Recoverer(play, i));

  while (current != nullptr) {
    RecoveryRecord& record = *current->recovery;
    const int next = i + 1;
    if (next == kFumbleSlots || Fumbler(play, next) == nullptr) {
      CreditRecoveryReturn(game, play, current);
      return;
    }
    // He fumbled again.
    const WalkResult own = OwnRecoveryWalk(game, play, next);
    if (own.held) {
      // He kept the ball to the end of the chain: his return is credited
      // once, and his recoveries of his own fumbles are no recoveries.
      record.fumbles += own.count;
      CreditRecoveryReturn(game, play, current);
      return;
    }
    const WalkResult team = TeamRecoveryWalk(game, play, next);
    if (!team.held) {
      record.fumbles += team.count;
      ++record.fumblesLost;
    } else {
      record.fumbles += own.count;
    }
    i = next;
    current = CountRecovery(Recoverer(play, i));
  }
}

}  // namespace yl::stats
