// Crediting kicks and conversion tries.
#include "stats/kicking_credit.h"

#include <iterator>
#include <limits>

#include "stats/fumble_chain.h"
#include "stats/longest_lists.h"
#include "stats/record_creation.h"
#include "stats/scoring_entry.h"
#include "stats/scrimmage_credit.h"

namespace yl::stats {

namespace {

// Field-goal distance bands: the first whose bound lies above the distance.
struct DistanceBand {
  std::int16_t below;
  std::int32_t FGKickingRecord::*attempts;
  std::int32_t FGKickingRecord::*made;
};
constexpr DistanceBand kDistanceBands[] = {
    {30, &FGKickingRecord::attempts1to29, &FGKickingRecord::made1to29},
    {40, &FGKickingRecord::attempts30to39, &FGKickingRecord::made30to39},
    {50, &FGKickingRecord::attempts40to49, &FGKickingRecord::made40to49},
    {std::numeric_limits<std::int16_t>::max(), &FGKickingRecord::attempts50plus,
     &FGKickingRecord::made50plus},
};

const DistanceBand& BandOf(std::int16_t distance) {
  for (const DistanceBand& band : kDistanceBands) {
    if (distance < band.below) return band;
  }
  return kDistanceBands[std::size(kDistanceBands) - 1];
}

bool CarrierKeptBall(const GameCredit& game, const CurrentPlay& play) {
  return !play.fumble || OwnRecoveryWalk(game, play, 0).held;
}

// A two-point record for the last recoverer, when a teammate ended up
// with the ball on a try.
PlayerRecord* TwoPointRecoverer(const CurrentPlay& play) {
  return Get2EPPlayer(LastRecoverer(play));
}

}  // namespace

bool PuntInside20(const GameCredit& game, const CurrentPlay& play) {
  const CurrentPlay* next = game.next;
  if (next == nullptr || play.periodBreak || !next->situation.ownSide) return false;
  // Without a ball-on line the punt cannot be placed: it never counts.
  const std::optional<std::int16_t> ballOn = play.gain.ballOn;
  if (!ballOn || *ballOn >= 20) return false;
  const bool returnFumbledAway = play.Player(Role::kReturner) != nullptr && play.fumble &&
                                 !TeamRecoveryWalk(game, play, 0).held;
  return !returnFumbledAway;
}

void CreditPunting(GameCredit& game, const CurrentPlay& play) {
  if (play.penalty.lossOfDown) return;
  PlayerRecord* punter = GetPunter(play.Player(Role::kKicker));
  if (punter == nullptr) return;
  PuntingRecord& record = *punter->punting;
  if (play.Player(Role::kBlocker) != nullptr) {
    ++record.blocked;
    return;
  }
  ++record.punts;
  if (play.Player(Role::kReturner) != nullptr && play.result != PlayResult::kFairCatch)
    ++record.returned;
  if (play.result == PlayResult::kTouchback) {
    ++record.touchbacks;
    return;
  }
  if (PuntInside20(game, play)) ++record.inside20;
}

void CreditPuntReturn(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* returner = GetPuntReturner(play.Player(Role::kReturner));
  if (returner == nullptr) return;
  PuntReturnRecord& record = *returner->puntReturn;
  if (play.result == PlayResult::kFairCatch) {
    ++record.fairCatches;
    return;
  }
  ++record.returns;
  if (!CarrierKeepsPlay(game, play, record.fumbles, record.fumblesLost)) return;
  const std::int16_t yards = SignedYards(play);
  record.yards += yards;
  UpdateLongest(record.longest, yards);
  if (ScoredOnGain(play)) {
    ++record.touchdowns;
    AddScoringEntry(game, play, ScoringKind::kPuntReturnTouchdown, returner, true);
  }
  OfferLongest(game, EnterLongestPuntRet, returner, yards);
}

void CreditKickoffReturn(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* returner = GetKickoffReturner(play.Player(Role::kReturner));
  if (returner == nullptr) return;
  KickReturnRecord& record = *returner->kickReturn;
  ++record.returns;
  if (!CarrierKeepsPlay(game, play, record.fumbles, record.fumblesLost)) return;
  const std::int16_t yards = SignedYards(play);
  record.yards += yards;
  if (ScoredOnGain(play)) {
    ++record.touchdowns;
    AddScoringEntry(game, play, ScoringKind::kKickoffReturnTouchdown, returner, true);
  }
  UpdateLongest(record.longest, yards);
  OfferLongest(game, EnterLongestKickRet, returner, yards);
}

void CreditFieldGoal(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* kicker = GetFGKicker(play.Player(Role::kKicker));
  FGKickingRecord* record = kicker != nullptr ? &*kicker->fgKicking : nullptr;
  const std::int16_t distance = Yards(play);
  if (record != nullptr) ++record->attempts;
  if (play.Player(Role::kBlocker) != nullptr) {
    if (record != nullptr) ++record->blocked;
    AddScoringEntry(game, play, ScoringKind::kFieldGoalMissed, kicker, true);
    return;
  }
  const DistanceBand& band = BandOf(distance);
  if (record != nullptr) ++(record->*band.attempts);
  if (play.result != PlayResult::kFieldGoalGood) {
    AddScoringEntry(game, play, ScoringKind::kFieldGoalMissed, kicker, true);
    return;
  }
  AddScoringEntry(game, play, ScoringKind::kFieldGoalGood, kicker, true);
  if (record == nullptr) return;
  ++record->made;
  ++(record->*band.made);
  UpdateLongest(record->longest, distance);
  OfferLongest(game, EnterLongestFG, kicker, distance);
}

void CreditExtraPointKick(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* kicker = GetEPKicker(play.Player(Role::kKicker));
  if (kicker != nullptr) ++kicker->epKicking->attempts;
  if (play.result == PlayResult::kExtraPointGood) {
    if (kicker != nullptr) ++kicker->epKicking->made;
    AddScoringEntry(game, play, ScoringKind::kExtraPointGood, kicker, true);
  } else {
    AddScoringEntry(game, play, ScoringKind::kExtraPointFailed, kicker, true);
  }
}

void CreditTwoPointRun(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* runner = play.Player(Role::kRusher);
  if (runner == nullptr && play.kind == PlayKind::kSack) runner = play.Player(Role::kSacked);
  if (runner == nullptr) runner = OffenseQuarterback(game, play);
  const bool good = play.result == PlayResult::kTwoPointGood;
  if (Get2EPPlayer(runner) == nullptr) {
    if (good) {
      AddScoringEntry(game, play, ScoringKind::kTwoPointRunGood, nullptr, true);
    } else if (play.result == PlayResult::kTryNoGood) {
      AddScoringEntry(game, play, ScoringKind::kTwoPointRunFailed, nullptr, true);
    }
    return;
  }
  ++runner->twoPoint->rushAttempts;
  if (CarrierKeptBall(game, play)) {
    if (good) ++runner->twoPoint->rushMade;
    AddScoringEntry(game, play,
                    good ? ScoringKind::kTwoPointRunGood : ScoringKind::kTwoPointRunFailed, runner,
                    true);
    return;
  }
  if (!TeamRecoveryWalk(game, play, 0).held) return;
  // A teammate recovered the fumble: the try is his.
  PlayerRecord* recoverer = LastRecoverer(play);
  if (good) {
    if (TwoPointRecoverer(play) != nullptr) {
      ++recoverer->twoPoint->rushAttempts;
      ++recoverer->twoPoint->rushMade;
    }
    AddScoringEntry(game, play, ScoringKind::kTwoPointRunGood, recoverer, true);
  } else {
    AddScoringEntry(game, play, ScoringKind::kTwoPointRunFailed, recoverer, true);
  }
}

void CreditTwoPointPass(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* passer = Get2EPPlayer(PlayerOrQuarterback(game, play, Role::kPasser));
  if (passer != nullptr) ++passer->twoPoint->passAttempts;
  PlayerRecord* receiver = Get2EPPlayer(play.Player(Role::kReceiver));
  if (receiver == nullptr) {
    AddScoringEntry(game, play, ScoringKind::kTwoPointPassFailed, passer, true);
    return;
  }
  ++receiver->twoPoint->receivingAttempts;
  if (play.result != PlayResult::kTwoPointGood) {
    AddScoringEntry(game, play, ScoringKind::kTwoPointPassFailed, passer, false);
    AddScoringEntry(game, play, ScoringKind::kTwoPointPassFailed, receiver, true);
    return;
  }
  if (passer != nullptr) ++passer->twoPoint->passMade;
  AddScoringEntry(game, play, ScoringKind::kTwoPointPassGood, passer, false);
  if (CarrierKeptBall(game, play)) {
    ++receiver->twoPoint->receivingMade;
    AddScoringEntry(game, play, ScoringKind::kTwoPointPassGood, receiver, true);
  } else if (TeamRecoveryWalk(game, play, 0).held) {
    PlayerRecord* recoverer = TwoPointRecoverer(play);
    if (recoverer != nullptr) {
      ++recoverer->twoPoint->receivingAttempts;
      ++recoverer->twoPoint->receivingMade;
    }
    AddScoringEntry(game, play, ScoringKind::kTwoPointPassGood, recoverer, true);
  }
}

void CreditPuntPlay(GameCredit& game, const CurrentPlay& play) {
  CreditPunting(game, play);
  if (play.Player(Role::kBlocker) != nullptr) {
    CreditFumbleRecovery(game, play);
    CreditTackles(play);
    return;
  }
  switch (play.result) {
    case PlayResult::kTouchback:
    case PlayResult::kPuntNotFielded:
    case PlayResult::kPuntDowned:
      return;
    case PlayResult::kPuntTouchdown:
      AddScoringEntry(game, play, ScoringKind::kPuntTouchdown, nullptr, true);
      return;
    default:
      CreditPuntReturn(game, play);
      if (play.fumble) CreditFumbleRecovery(game, play);
      CreditSpecialTeamsTackle(play);
  }
}

void CreditKickoffPlay(GameCredit& game, const CurrentPlay& play) {
  if (play.result == PlayResult::kKickingTeamRecovered) return;
  CreditKickoffReturn(game, play);
  if (play.fumble) CreditFumbleRecovery(game, play);
  CreditSpecialTeamsTackle(play);
}

void CreditFieldGoalPlay(GameCredit& game, const CurrentPlay& play) {
  CreditFieldGoal(game, play);
  if (play.Player(Role::kBlocker) != nullptr) {
    CreditFumbleRecovery(game, play);
    CreditTackles(play);
  }
}

}  // namespace yl::stats
