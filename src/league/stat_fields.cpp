// The stat fields, listed once from the records themselves.
#include "league/stat_fields.h"

#include <array>
#include <type_traits>

namespace yl::league {

namespace {

template <auto Slot, auto Field>
std::int64_t Read(const PlayerRecord& player) {
  const auto& record = player.*Slot;
  if (!record) {
    using FieldType = std::remove_cvref_t<decltype((*record).*Field)>;
    return std::is_same_v<FieldType, std::int16_t> ? kNoLongest : 0;
  }
  return (*record).*Field;
}

template <auto Slot>
bool Has(const PlayerRecord& player) {
  return (player.*Slot).has_value();
}

template <auto Slot, auto Field>
void Write(PlayerRecord& player, std::int64_t value) {
  auto& record = player.*Slot;
  if (!record) record.emplace();
  using FieldType = std::remove_cvref_t<decltype((*record).*Field)>;
  (*record).*Field = static_cast<FieldType>(value);
}

// A player with the record of the slot, to find where its fields lie.
template <auto Slot>
const PlayerRecord& WithRecord() {
  static const PlayerRecord player = [] {
    PlayerRecord made;
    (made.*Slot).emplace();
    return made;
  }();
  return player;
}

template <auto Slot, auto Field>
std::size_t OffsetOf() {
  const PlayerRecord& player = WithRecord<Slot>();
  using FieldType = std::remove_cvref_t<decltype((*(player.*Slot)).*Field)>;
  static_assert(std::is_same_v<FieldType, std::int16_t> || std::is_same_v<FieldType, std::int32_t>);
  return static_cast<std::size_t>(reinterpret_cast<const char*>(&((*(player.*Slot)).*Field)) -
                                  reinterpret_cast<const char*>(&player));
}

}  // namespace

// The slot and field names are the code's own, so a column can never drift
// from the field it reads.
#define YL_FIELD(slot, Record, field)                                                       \
  StatField {                                                                               \
    SnakeCase(#slot) + "_" + SnakeCase(#field), &Read<&PlayerRecord::slot, &Record::field>, \
        &Write<&PlayerRecord::slot, &Record::field>, &Has<&PlayerRecord::slot>,             \
        std::is_same_v<decltype(Record::field), std::int16_t>,                              \
        OffsetOf<&PlayerRecord::slot, &Record::field>()                                     \
  }

std::span<const StatField> PlayerStatFields() {
  static const std::array kFields = {
      YL_FIELD(rushing, RushingRecord, attempts),
      YL_FIELD(rushing, RushingRecord, yards),
      YL_FIELD(rushing, RushingRecord, longest),
      YL_FIELD(rushing, RushingRecord, touchdowns),
      YL_FIELD(rushing, RushingRecord, firstDowns),
      YL_FIELD(rushing, RushingRecord, bigPlays),
      YL_FIELD(rushing, RushingRecord, stuffs),
      YL_FIELD(rushing, RushingRecord, yardsLost),
      YL_FIELD(rushing, RushingRecord, fumbles),
      YL_FIELD(rushing, RushingRecord, fumblesLost),
      YL_FIELD(fgKicking, FGKickingRecord, attempts),
      YL_FIELD(fgKicking, FGKickingRecord, attempts1to29),
      YL_FIELD(fgKicking, FGKickingRecord, attempts30to39),
      YL_FIELD(fgKicking, FGKickingRecord, attempts40to49),
      YL_FIELD(fgKicking, FGKickingRecord, attempts50plus),
      YL_FIELD(fgKicking, FGKickingRecord, made),
      YL_FIELD(fgKicking, FGKickingRecord, made1to29),
      YL_FIELD(fgKicking, FGKickingRecord, made30to39),
      YL_FIELD(fgKicking, FGKickingRecord, made40to49),
      YL_FIELD(fgKicking, FGKickingRecord, made50plus),
      YL_FIELD(fgKicking, FGKickingRecord, longest),
      YL_FIELD(fgKicking, FGKickingRecord, blocked),
      YL_FIELD(epKicking, EPKickingRecord, attempts),
      YL_FIELD(epKicking, EPKickingRecord, made),
      YL_FIELD(twoPoint, TwoPointRecord, passAttempts),
      YL_FIELD(twoPoint, TwoPointRecord, passMade),
      YL_FIELD(twoPoint, TwoPointRecord, rushAttempts),
      YL_FIELD(twoPoint, TwoPointRecord, rushMade),
      YL_FIELD(twoPoint, TwoPointRecord, receivingAttempts),
      YL_FIELD(twoPoint, TwoPointRecord, receivingMade),
      YL_FIELD(kickReturn, KickReturnRecord, returns),
      YL_FIELD(kickReturn, KickReturnRecord, yards),
      YL_FIELD(kickReturn, KickReturnRecord, touchdowns),
      YL_FIELD(kickReturn, KickReturnRecord, longest),
      YL_FIELD(kickReturn, KickReturnRecord, fumbles),
      YL_FIELD(kickReturn, KickReturnRecord, fumblesLost),
      YL_FIELD(puntReturn, PuntReturnRecord, returns),
      YL_FIELD(puntReturn, PuntReturnRecord, yards),
      YL_FIELD(puntReturn, PuntReturnRecord, touchdowns),
      YL_FIELD(puntReturn, PuntReturnRecord, longest),
      YL_FIELD(puntReturn, PuntReturnRecord, fairCatches),
      YL_FIELD(puntReturn, PuntReturnRecord, fumbles),
      YL_FIELD(puntReturn, PuntReturnRecord, fumblesLost),
      YL_FIELD(punting, PuntingRecord, punts),
      YL_FIELD(punting, PuntingRecord, inside20),
      YL_FIELD(punting, PuntingRecord, touchbacks),
      YL_FIELD(punting, PuntingRecord, blocked),
      YL_FIELD(punting, PuntingRecord, returned),
      YL_FIELD(interception, InterceptionRecord, interceptions),
      YL_FIELD(interception, InterceptionRecord, returnYards),
      YL_FIELD(interception, InterceptionRecord, touchdowns),
      YL_FIELD(interception, InterceptionRecord, fumbles),
      YL_FIELD(interception, InterceptionRecord, fumblesLost),
      YL_FIELD(defensive, DefensiveRecord, tackles),
      YL_FIELD(defensive, DefensiveRecord, tackleYards),
      YL_FIELD(defensive, DefensiveRecord, stuffs),
      YL_FIELD(defensive, DefensiveRecord, stuffYards),
      YL_FIELD(defensive, DefensiveRecord, sacks),
      YL_FIELD(defensive, DefensiveRecord, sackYards),
      YL_FIELD(defensive, DefensiveRecord, passesDefensed),
      YL_FIELD(defensive, DefensiveRecord, puntsBlocked),
      YL_FIELD(defensive, DefensiveRecord, fieldGoalsBlocked),
      YL_FIELD(specialTeams, SpecialTeamsRecord, tackles),
      YL_FIELD(specialTeams, SpecialTeamsRecord, tackleYards),
      YL_FIELD(recovery, RecoveryRecord, recoveries),
      YL_FIELD(recovery, RecoveryRecord, returnYards),
      YL_FIELD(recovery, RecoveryRecord, touchdowns),
      YL_FIELD(recovery, RecoveryRecord, fumbles),
      YL_FIELD(recovery, RecoveryRecord, fumblesLost),
      YL_FIELD(receiving, ReceivingRecord, receptions),
      YL_FIELD(receiving, ReceivingRecord, yards),
      YL_FIELD(receiving, ReceivingRecord, touchdowns),
      YL_FIELD(receiving, ReceivingRecord, longest),
      YL_FIELD(receiving, ReceivingRecord, bigPlays),
      YL_FIELD(receiving, ReceivingRecord, firstDowns),
      YL_FIELD(receiving, ReceivingRecord, drops),
      YL_FIELD(receiving, ReceivingRecord, fumbles),
      YL_FIELD(receiving, ReceivingRecord, fumblesLost),
      YL_FIELD(passing, PassingRecord, attempts),
      YL_FIELD(passing, PassingRecord, completions),
      YL_FIELD(passing, PassingRecord, yards),
      YL_FIELD(passing, PassingRecord, touchdowns),
      YL_FIELD(passing, PassingRecord, longest),
      YL_FIELD(passing, PassingRecord, firstDowns),
      YL_FIELD(passing, PassingRecord, bigPlays),
      YL_FIELD(passing, PassingRecord, interceptions),
      YL_FIELD(passing, PassingRecord, sacks),
      YL_FIELD(passing, PassingRecord, sackYards),
      YL_FIELD(miscOff, MiscOffRecord, tackles),
      YL_FIELD(miscOff, MiscOffRecord, tackleYards),
      YL_FIELD(defSpecialTeams, SpecialTeamsRecord, tackles),
      YL_FIELD(defSpecialTeams, SpecialTeamsRecord, tackleYards),
      YL_FIELD(penalty, PenaltyRecord, flagged),
      YL_FIELD(penalty, PenaltyRecord, accepted),
      YL_FIELD(penalty, PenaltyRecord, yards),
  };
  return kFields;
}

#undef YL_FIELD

std::string SnakeCase(std::string_view camelCase) {
  std::string snake;
  for (const char c : camelCase) {
    if (c >= 'A' && c <= 'Z') {
      if (!snake.empty()) snake += '_';
      snake += static_cast<char>(c - 'A' + 'a');
    } else {
      snake += c;
    }
  }
  return snake;
}

}  // namespace yl::league
