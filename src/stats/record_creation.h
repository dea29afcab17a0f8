// The find-or-create family: each routine makes sure that a player has the
// stat record of one category, creating it zero-filled on first use. An
// empty player gives an empty result.
#pragma once

#include "league/league.h"

namespace yl::stats {

using league::PlayerRecord;

PlayerRecord* GetRusher(PlayerRecord* player);
PlayerRecord* GetPasser(PlayerRecord* player);
PlayerRecord* GetDefensiveStats(PlayerRecord* player);
PlayerRecord* GetIntercepter(PlayerRecord* player);
PlayerRecord* GetRecoverer(PlayerRecord* player);
PlayerRecord* GetPunter(PlayerRecord* player);
PlayerRecord* GetPuntReturner(PlayerRecord* player);
PlayerRecord* GetKickoffReturner(PlayerRecord* player);
PlayerRecord* GetFGKicker(PlayerRecord* player);
PlayerRecord* GetEPKicker(PlayerRecord* player);
PlayerRecord* Get2EPPlayer(PlayerRecord* player);
PlayerRecord* GetFouler(PlayerRecord* player);

// The side-dependent routines pick the record by the player's side and set
// defenseRecord when it is the defense-side one. A player whose side is
// undecided gets nothing: the result is empty and defenseRecord is false.
//   GetReciever:       receiving (offense) or defensive (defense)
//   GetTackler:        miscOff (offense) or defensive (defense)
//   GetSpecialTackler: specialTeams (offense) or defSpecialTeams (defense)
PlayerRecord* GetReciever(PlayerRecord* player, bool& defenseRecord);
PlayerRecord* GetTackler(PlayerRecord* player, bool& defenseRecord);
PlayerRecord* GetSpecialTackler(PlayerRecord* player, bool& defenseRecord);

}  // namespace yl::stats
