// Crediting kicks and conversion tries: punts and their returns, kick-offs
// and free kicks, field goals, extra-point kicks and two-point runs and
// passes.
#pragma once

#include "stats/play_facts.h"

namespace yl::stats {

// A whole punt play: the punter, then a block, the returner, the recoveries
// and the tackle as the play ended.
void CreditPuntPlay(GameCredit& game, const CurrentPlay& play);
// A whole kick-off or free kick: return, recoveries, tackle.
void CreditKickoffPlay(GameCredit& game, const CurrentPlay& play);
// A field goal try, and a block with its recoveries and tackle.
void CreditFieldGoalPlay(GameCredit& game, const CurrentPlay& play);

void CreditPunting(GameCredit& game, const CurrentPlay& play);
void CreditPuntReturn(GameCredit& game, const CurrentPlay& play);
void CreditKickoffReturn(GameCredit& game, const CurrentPlay& play);
void CreditFieldGoal(GameCredit& game, const CurrentPlay& play);
void CreditExtraPointKick(GameCredit& game, const CurrentPlay& play);
void CreditTwoPointRun(GameCredit& game, const CurrentPlay& play);
void CreditTwoPointPass(GameCredit& game, const CurrentPlay& play);

// A punt downed, fielded or returned inside the receiving team's 20.
bool PuntInside20(const GameCredit& game, const CurrentPlay& play);

}  // namespace yl::stats
