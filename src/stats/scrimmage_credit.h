// Crediting the players of a scrimmage down: rushing, passing, receiving,
// interception returns, sacks, tackles and blocks, the first downs that can
// only be confirmed by the next play, and penalties.
#pragma once

#include "stats/play_facts.h"

namespace yl::stats {

void CreditRushing(GameCredit& game, const CurrentPlay& play);
void CreditPassing(GameCredit& game, const CurrentPlay& play);
void CreditReceiving(GameCredit& game, const CurrentPlay& play);
void CreditInterceptionReturn(GameCredit& game, const CurrentPlay& play);
void CreditSack(GameCredit& game, const CurrentPlay& play);

// The tackle of a scrimmage down (or a sack or pass defence when no tackler
// is named) and any block.
void CreditTackles(const CurrentPlay& play);

// The tackle of a kick-off or punt return.
void CreditSpecialTeamsTackle(const CurrentPlay& play);

// A gain that did not score: more than the distance is a first down; exactly
// the distance makes the player pending until the next play confirms it.
void ApplyFirstDownRule(GameCredit& game, const CurrentPlay& play, PlayerRecord* player,
                        PendingKind kind, std::int32_t& firstDowns);

// Credits the pending players when the next play, in the same half, starts
// a first down for the same side; none is pending afterwards.
void ResolvePendingFirstDown(GameCredit& game, const CurrentPlay& play);

// The penalised player: flagged, and when accepted the yards, stated or
// worked out from an automatic placement.
void CreditPenalty(const GameCredit& game, const CurrentPlay& play);

// The yards an accepted penalty is worth (0 when they cannot be told).
std::int32_t PenaltyYards(const CurrentPlay& play, const CurrentPlay* next);

}  // namespace yl::stats
