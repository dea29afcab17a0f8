// The fumble chain of a play (at most five fumbles, each lost by a fumbler
// and perhaps recovered): the two walks that tell who ended up with the
// ball, what a fumbling ball carrier is credited with, and the crediting of
// the players who recovered.
#pragma once

#include <cstdint>

#include "stats/play_facts.h"

namespace yl::stats {

// held: the ball stayed with the fumbler (own walk) or his team (team walk)
// through the chain, or nobody recovered it. count: the fumbles walked from
// `start` up to where the walk ended.
struct WalkResult {
  bool held = true;
  std::int32_t count = 0;
};

// Both walks start at fumble `start`; the fumbler of a fumble whose slot is
// empty is the offense's quarterback.
WalkResult OwnRecoveryWalk(const GameCredit& game, const CurrentPlay& play, int start);
WalkResult TeamRecoveryWalk(const GameCredit& game, const CurrentPlay& play, int start);

// The fumble outcome of a ball carrier whose attempt, reception or return
// has been counted: adds to his fumble counters and returns whether the play
// is still credited to him (false when a teammate or the other team ended up
// with the ball).
bool CarrierKeepsPlay(const GameCredit& game, const CurrentPlay& play, std::int32_t& fumbles,
                      std::int32_t& fumblesLost);

// Credits every recovery of the chain not made by the ball carrier himself,
// with the recoverers' own fumbles, return yards and touchdowns.
void CreditFumbleRecovery(GameCredit& game, const CurrentPlay& play);

}  // namespace yl::stats
