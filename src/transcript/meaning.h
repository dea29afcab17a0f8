// The meaning of a play description: its kind, result, the role of every
// named player, the fumble lists, sides and kick marks, and the moves of the
// possession label that the phrases imply.
#pragma once

#include "league/league.h"
#include "transcript/current_play.h"

namespace yl::transcript {

struct GameState;

// Walks the play's description codes in line order (ellipsis twins as their
// partners) with the player before each phrase and the player after it, and
// applies each phrase's effects. Run once the play's gains and extras lines
// are read; codes outside the table are ignored.
void ResolveDescription(GameState& game, CurrentPlay& play);

}  // namespace yl::transcript
