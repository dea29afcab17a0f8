// The find-or-create family of the stat records.
#include "stats/record_creation.h"

#include <memory>
#include <new>
#include <string_view>

#include "run/alert.h"

namespace yl::stats {

namespace {

constexpr std::string_view kRemedy =
    "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.";

// Fills the slot if it is empty. A failed allocation leaves the slot empty
// and ends the program.
template <typename Record>
PlayerRecord* Ensure(PlayerRecord* player, std::unique_ptr<Record> PlayerRecord::*slot,
                     std::string_view message) {
  if (player == nullptr) return nullptr;
  std::unique_ptr<Record>& record = player->*slot;
  if (record == nullptr) {
    try {
      record = std::make_unique<Record>();
    } catch (const std::bad_alloc&) {
      run::ErrorAlert(message, kRemedy);
    }
  }
  return player;
}

template <typename OffenseRecord, typename DefenseRecord>
PlayerRecord* EnsureBySide(PlayerRecord* player, bool& defenseRecord,
                           std::unique_ptr<OffenseRecord> PlayerRecord::*offenseSlot,
                           std::string_view offenseMessage,
                           std::unique_ptr<DefenseRecord> PlayerRecord::*defenseSlot,
                           std::string_view defenseMessage) {
  defenseRecord = false;
  if (player == nullptr) return nullptr;
  if (player->side == league::kOffense) return Ensure(player, offenseSlot, offenseMessage);
  if (player->side == league::kDefense) {
    defenseRecord = true;
    return Ensure(player, defenseSlot, defenseMessage);
  }
  return nullptr;
}

}  // namespace

PlayerRecord* GetRusher(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::rushing,
                "pGetRusher Error: Couldn't allocate Rushing record");
}

PlayerRecord* GetPasser(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::passing,
                "pGetPasser Error: Couldn't allocate Passing record");
}

PlayerRecord* GetDefensiveStats(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::defensive,
                "pGetDefensiveStats Error: Couldn't allocate Defensive record");
}

PlayerRecord* GetIntercepter(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::interception,
                "pGetIntercepter Error: Couldn't allocate Interception record");
}

PlayerRecord* GetRecoverer(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::recovery,
                "pGetRecoverer Error: Couldn't allocate Recovery record");
}

PlayerRecord* GetPunter(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::punting,
                "pGetPunter Error: Couldn't allocate Punting record");
}

PlayerRecord* GetPuntReturner(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::puntReturn,
                "pGetPuntReturner Error: Couldn't allocate PuntReturn record");
}

PlayerRecord* GetKickoffReturner(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::kickReturn,
                "pGetKickoffReturner Error: Couldn't allocate KickReturn record");
}

PlayerRecord* GetFGKicker(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::fgKicking,
                "pGetFGKicker Error: Couldn't allocate FGKicking record");
}

PlayerRecord* GetEPKicker(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::epKicking,
                "pGetEPKicker Error: Couldn't allocate EPKicking record");
}

PlayerRecord* Get2EPPlayer(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::twoPoint,
                "pGet2EPPlayer Error: Couldn't allocate 2 point extra point record");
}

PlayerRecord* GetFouler(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::penalty,
                "pGetFouler Error: Couldn't allocate Penalty record");
}

PlayerRecord* GetReciever(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::receiving,
                      "pGetReciever Error: Couldn't allocate Receiving record",
                      &PlayerRecord::defensive,
                      "pGetReciever Error: Couldn't allocate Defensive record");
}

PlayerRecord* GetTackler(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::miscOff,
                      "pGetTackler Error: Couldn't allocate MiscOff record",
                      &PlayerRecord::defensive,
                      "pGetTackler Error: Couldn't allocate Defensive record");
}

PlayerRecord* GetSpecialTackler(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::specialTeams,
                      "pGetSpecialTackler Error: Couldn't allocate Special Teams record",
                      &PlayerRecord::defSpecialTeams,
                      "pGetSpecialTackler Error: Couldn't allocate Defensive record");
}

void DisposeStatRecords(league::League& league) {
  league::ReleaseAllPlayerStats(league);
}

}  // namespace yl::stats
