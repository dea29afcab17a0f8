// Filling the game's scoring summary from credited plays. An event either
// completes its entry (append) or leaves it open for the next call of the
// same play, which is how a touchdown pass names the passer first and the
// receiver second.
#pragma once

#include "stats/play_facts.h"
#include "stats/scoring_summary.h"

namespace yl::stats {

// Records one event of the play; nothing unless the game's summary is kept.
// With a player the entry takes his team and name (first free of the two
// name slots); without one the team follows from the kind.
void AddScoringEntry(GameCredit& game, const CurrentPlay& play, ScoringKind kind,
                     PlayerRecord* player, bool append);

// Closes an entry that a play left open, so that the next play's event can
// never overwrite it.
void CloseScoringEntry(GameCredit& game);

}  // namespace yl::stats
