// Play accumulation: crediting one parsed play to the players named in it,
// the scoring summary and the longest-play lists. The crediting pass hands
// every play of a game to AccumulatePlay in order, once the whole game has
// been read, so a play can look at the one that follows it.
#pragma once

#include "stats/play_facts.h"

namespace yl::stats {

// Credits one play (the crediting pass skips plays whistled dead); the play
// after it (none for the last) settles first downs, punts inside the 20 and
// the yards of a placement. A play wiped out by an accepted penalty credits
// the penalty only.
void AccumulatePlay(GameCredit& game, const CurrentPlay& play, const CurrentPlay* next);

}  // namespace yl::stats
