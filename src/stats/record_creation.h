// The find-or-create family: each routine makes sure that a player has the
// stat record of one category, creating it zero-filled on first use. An
// empty player gives an empty result; running out of memory ends the
// program through the fatal alert.
#pragma once

#include "league/league.h"
#include "run/platform.h"

namespace yl::stats {

using league::PlayerRecord;

PlayerRecord* GetRusher(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetPasser(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetDefensiveStats(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetIntercepter(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetRecoverer(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetPunter(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetPuntReturner(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetKickoffReturner(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetFGKicker(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetEPKicker(run::Platform& platform, PlayerRecord* player);
PlayerRecord* Get2EPPlayer(run::Platform& platform, PlayerRecord* player);
PlayerRecord* GetFouler(run::Platform& platform, PlayerRecord* player);

// The side-dependent routines pick the record by the player's side and set
// defenseRecord when it is the defense-side one. A player whose side is
// undecided gets nothing: the result is empty and defenseRecord is false.
//   GetReciever:       receiving (offense) or defensive (defense)
//   GetTackler:        miscOff (offense) or defensive (defense)
//   GetSpecialTackler: specialTeams (offense) or defSpecialTeams (defense)
PlayerRecord* GetReciever(run::Platform& platform, PlayerRecord* player, bool& defenseRecord);
PlayerRecord* GetTackler(run::Platform& platform, PlayerRecord* player, bool& defenseRecord);
PlayerRecord* GetSpecialTackler(run::Platform& platform, PlayerRecord* player, bool& defenseRecord);

// Frees every stat record of every player in the list; all slots end empty.
void DisposeStatRecords(league::League& league);

}  // namespace yl::stats
