// Derived figures of players and teams.
#include "stats/derived.h"

#include <optional>

namespace yl::stats {

namespace {

using league::PlayerRecord;
using namespace league::records;

// A counter of a record the player may not have; 0 without the record.
template <typename Record>
std::int64_t Counter(const std::optional<Record>& record, std::int32_t Record::*member) {
  return record ? (*record).*member : 0;
}

}  // namespace

std::int64_t Touchdowns(const PlayerRecord& p) {
  return Counter(p.rushing, &RushingRecord::touchdowns) +
         Counter(p.receiving, &ReceivingRecord::touchdowns);
}

std::int64_t TwoPointConversions(const PlayerRecord& p) {
  return Counter(p.twoPoint, &TwoPointRecord::rushMade) +
         Counter(p.twoPoint, &TwoPointRecord::receivingMade);
}

std::int64_t Points(const PlayerRecord& p) {
  return 6 * Touchdowns(p) + 3 * Counter(p.fgKicking, &FGKickingRecord::made) +
         Counter(p.epKicking, &EPKickingRecord::made) + 2 * TwoPointConversions(p);
}

bool HasScored(const PlayerRecord& p) {
  return Counter(p.rushing, &RushingRecord::touchdowns) > 0 ||
         Counter(p.receiving, &ReceivingRecord::touchdowns) > 0 ||
         Counter(p.fgKicking, &FGKickingRecord::made) > 0 ||
         Counter(p.epKicking, &EPKickingRecord::made) > 0 ||
         Counter(p.twoPoint, &TwoPointRecord::rushMade) > 0 ||
         Counter(p.twoPoint, &TwoPointRecord::receivingMade) > 0;
}

std::int64_t FumblesLost(const PlayerRecord& p) {
  return Counter(p.rushing, &RushingRecord::fumblesLost) +
         Counter(p.receiving, &ReceivingRecord::fumblesLost) +
         Counter(p.interception, &InterceptionRecord::fumblesLost) +
         Counter(p.recovery, &RecoveryRecord::fumblesLost) +
         Counter(p.kickReturn, &KickReturnRecord::fumblesLost) +
         Counter(p.puntReturn, &PuntReturnRecord::fumblesLost);
}

bool HasScoringRecord(const PlayerRecord& p) {
  return p.rushing || p.receiving || p.fgKicking || p.epKicking || p.twoPoint;
}

std::int64_t TwoPointAttempts(const PlayerRecord& p) {
  return Counter(p.twoPoint, &TwoPointRecord::passAttempts) +
         Counter(p.twoPoint, &TwoPointRecord::rushAttempts) +
         Counter(p.twoPoint, &TwoPointRecord::receivingAttempts);
}

std::int64_t TwoPointMade(const PlayerRecord& p) {
  return Counter(p.twoPoint, &TwoPointRecord::passMade) +
         Counter(p.twoPoint, &TwoPointRecord::rushMade) +
         Counter(p.twoPoint, &TwoPointRecord::receivingMade);
}

std::int64_t FieldGoalsMissed(const PlayerRecord& p) {
  return Counter(p.fgKicking, &FGKickingRecord::attempts) -
         Counter(p.fgKicking, &FGKickingRecord::made);
}

std::int64_t YardsLost(const PlayerRecord& p) {
  return Counter(p.defensive, &DefensiveRecord::sackYards) +
         Counter(p.defensive, &DefensiveRecord::stuffYards);
}

std::int64_t KicksBlocked(const PlayerRecord& p) {
  return Counter(p.defensive, &DefensiveRecord::puntsBlocked) +
         Counter(p.defensive, &DefensiveRecord::fieldGoalsBlocked);
}

std::int64_t Takeaways(const league::TeamRecord& t) {
  return std::int64_t{t.opponents.intercepted} + t.opponents.fumblesLost;
}

std::int64_t Giveaways(const league::TeamRecord& t) {
  return std::int64_t{t.own.intercepted} + t.own.fumblesLost;
}

}  // namespace yl::stats
