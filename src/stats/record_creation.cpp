// The find-or-create family of the stat records.
#include "stats/record_creation.h"

#include <optional>

namespace yl::stats {

namespace {

// Fills the slot if it is empty.
template <typename Record>
PlayerRecord* Ensure(PlayerRecord* player, std::optional<Record> PlayerRecord::*slot) {
  if (player == nullptr) return nullptr;
  std::optional<Record>& record = player->*slot;
  if (!record) record.emplace();
  return player;
}

template <typename OffenseRecord, typename DefenseRecord>
PlayerRecord* EnsureBySide(PlayerRecord* player, bool& defenseRecord,
                           std::optional<OffenseRecord> PlayerRecord::*offenseSlot,
                           std::optional<DefenseRecord> PlayerRecord::*defenseSlot) {
  defenseRecord = false;
  if (player == nullptr) return nullptr;
  if (player->side == league::kOffense) return Ensure(player, offenseSlot);
  if (player->side == league::kDefense) {
    defenseRecord = true;
    return Ensure(player, defenseSlot);
  }
  return nullptr;
}

}  // namespace

PlayerRecord* GetRusher(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::rushing);
}

PlayerRecord* GetPasser(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::passing);
}

PlayerRecord* GetDefensiveStats(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::defensive);
}

PlayerRecord* GetIntercepter(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::interception);
}

PlayerRecord* GetRecoverer(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::recovery);
}

PlayerRecord* GetPunter(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::punting);
}

PlayerRecord* GetPuntReturner(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::puntReturn);
}

PlayerRecord* GetKickoffReturner(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::kickReturn);
}

PlayerRecord* GetFGKicker(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::fgKicking);
}

PlayerRecord* GetEPKicker(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::epKicking);
}

PlayerRecord* Get2EPPlayer(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::twoPoint);
}

PlayerRecord* GetFouler(PlayerRecord* player) {
  return Ensure(player, &PlayerRecord::penalty);
}

PlayerRecord* GetReciever(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::receiving, &PlayerRecord::defensive);
}

PlayerRecord* GetTackler(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::miscOff, &PlayerRecord::defensive);
}

PlayerRecord* GetSpecialTackler(PlayerRecord* player, bool& defenseRecord) {
  return EnsureBySide(player, defenseRecord, &PlayerRecord::specialTeams,
                      &PlayerRecord::defSpecialTeams);
}

}  // namespace yl::stats
