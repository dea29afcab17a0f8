// Crediting the players of a scrimmage down.
#include "stats/scrimmage_credit.h"

#include <optional>

#include "stats/fumble_chain.h"
#include "stats/longest_lists.h"
#include "stats/record_creation.h"
#include "stats/scoring_entry.h"

namespace yl::stats {

namespace {

constexpr std::int16_t kBigRush = 10;
constexpr std::int16_t kBigPass = 25;

// The blocks, by the kind of play blocked.
struct BlockCredit {
  PlayKind kind;
  std::optional<PlayResult> result;  // none: whatever the result
  std::int32_t DefensiveRecord::*counter;
};
constexpr BlockCredit kBlockCredits[] = {
    {PlayKind::kPass, PlayResult::kIncomplete, &DefensiveRecord::passesDefensed},
    {PlayKind::kPunt, std::nullopt, &DefensiveRecord::puntsBlocked},
    {PlayKind::kFieldGoal, std::nullopt, &DefensiveRecord::fieldGoalsBlocked},
};

void CreditBlock(const CurrentPlay& play) {
  PlayerRecord* blocker = PlayerAt(play, play.blocker);
  if (blocker == nullptr) return;
  for (const BlockCredit& credit : kBlockCredits) {
    if (credit.kind != play.playKind) continue;
    if (credit.result && *credit.result != play.result) continue;
    GetDefensiveStats(blocker);
    ++(*blocker->defensive.*credit.counter);
  }
}

// The first-down counter of a pending kind; nullptr when the record is gone.
using FirstDownCounter = std::int32_t* (*)(PlayerRecord&);
constexpr FirstDownCounter kFirstDownCounters[] = {
    [](PlayerRecord& p) { return p.receiving ? &p.receiving->firstDowns : nullptr; },
    [](PlayerRecord& p) { return p.passing ? &p.passing->firstDowns : nullptr; },
    [](PlayerRecord& p) { return p.rushing ? &p.rushing->firstDowns : nullptr; },
};

void CreditPendingFirstDown(PlayerRecord* player, std::int16_t kind) {
  if (player == nullptr || kind < 0 || kind > kPendingRushing) return;
  if (std::int32_t* counter = kFirstDownCounters[kind](*player)) ++*counter;
}

// Yards of an automatic placement: placement * P + snap * B + constant,
// with the placement P and the snap yard line B each counted from the
// side's own goal line or the other's.
struct PlacementRule {
  int placement;
  int snap;
  int constant;
};
// Defensive pass interference, by [snap in own half][next play in own half].
constexpr PlacementRule kInterferencePlacement[2][2] = {
    {{-1, 1, 0}, {1, 1, -100}},   // B - P, B + P - 100
    {{-1, -1, 100}, {1, -1, 0}},  // 100 - P - B, P - B
};
// Any other penalty, by [next play in own half].
constexpr PlacementRule kOtherPlacement[2] = {{-1, 0, 80}, {1, 0, -20}};

}  // namespace

void CreditRushing(GameCredit& game, CurrentPlay& play) {
  PlayerRecord* runner = GetRusher(PlayerOrQuarterback(game, play, play.rusher));
  if (runner == nullptr) return;
  RushingRecord& record = *runner->rushing;
  ++record.attempts;
  if (!CarrierKeepsPlay(game, play, record.fumbles, record.fumblesLost)) return;
  const std::int16_t v = Yards(play);
  const std::int16_t yards = SignedYards(play);
  record.yards += yards;
  UpdateLongest(record.longest, yards);
  if (!IsLoss(play)) {
    if (play.result == PlayResult::kTouchdown) {
      ++record.touchdowns;
      AddScoringEntry(game, play, ScoringKind::kRushingTouchdown, runner, true);
    } else {
      ApplyFirstDownRule(play, runner, kPendingRushing, record.firstDowns);
    }
    if (v >= kBigRush) ++record.bigPlays;
  } else {
    ++record.stuffs;
    record.yardsLost += v;
  }
  OfferLongest(game, EnterLongestRush, runner, yards);
}

void CreditPassing(GameCredit& game, CurrentPlay& play) {
  PlayerRecord* passer = GetPasser(PlayerOrQuarterback(game, play, play.passer));
  if (passer == nullptr) return;
  PassingRecord& record = *passer->passing;
  ++record.attempts;
  if (PlayerAt(play, play.receiver) == nullptr) {
    if (PlayerAt(play, play.interceptor) != nullptr) ++record.interceptions;
    return;
  }
  ++record.completions;
  // A completion that ended in a lost fumble gains the passer nothing.
  if (play.fumble && !TeamRecoveryWalk(game, play, 0).held) return;
  const std::int16_t v = Yards(play);
  const std::int16_t yards = SignedYards(play);
  record.yards += yards;
  UpdateLongest(record.longest, yards);
  if (!IsLoss(play)) {
    if (play.result == PlayResult::kTouchdown) {
      ++record.touchdowns;
      // The receiver completes the entry.
      AddScoringEntry(game, play, ScoringKind::kPassingTouchdown, passer, false);
    } else {
      ApplyFirstDownRule(play, passer, kPendingPassing, record.firstDowns);
    }
    if (v >= kBigPass) ++record.bigPlays;
  }
  OfferLongest(game, EnterLongestPass, passer, yards);
}

void CreditReceiving(GameCredit& game, CurrentPlay& play) {
  bool defense = false;
  if (PlayerRecord* receiver = PlayerAt(play, play.receiver)) {
    if (GetReciever(receiver, defense) == nullptr || defense) {
      // A receiver who is not on offense gets no reception; he still names
      // the catcher of a touchdown pass whose entry waits for him.
      if (play.result == PlayResult::kTouchdown && !game.stats.scoring.appendNext)
        AddScoringEntry(game, play, ScoringKind::kPassingTouchdown, receiver, true);
      return;
    }
    ReceivingRecord& record = *receiver->receiving;
    ++record.receptions;
    if (!CarrierKeepsPlay(game, play, record.fumbles, record.fumblesLost)) return;
    const std::int16_t v = Yards(play);
    const std::int16_t yards = SignedYards(play);
    record.yards += yards;
    UpdateLongest(record.longest, yards);
    if (!IsLoss(play)) {
      if (v >= kBigPass) ++record.bigPlays;
      if (play.result == PlayResult::kTouchdown) {
        ++record.touchdowns;
        AddScoringEntry(game, play, ScoringKind::kPassingTouchdown, receiver, true);
      } else {
        ApplyFirstDownRule(play, receiver, kPendingReceiving, record.firstDowns);
      }
    }
    OfferLongest(game, EnterLongestReception, receiver, yards);
    return;
  }
  // An incomplete pass aimed at a player: dropped, or defended.
  PlayerRecord* target = GetReciever(PlayerAt(play, play.target), defense);
  if (target == nullptr) return;
  if (defense) {
    ++target->defensive->passesDefensed;
  } else {
    ++target->receiving->drops;
  }
}

void CreditInterceptionReturn(GameCredit& game, CurrentPlay& play) {
  PlayerRecord* interceptor = GetIntercepter(PlayerAt(play, play.interceptor));
  if (interceptor == nullptr) return;
  InterceptionRecord& record = *interceptor->interception;
  ++record.interceptions;
  if (!CarrierKeepsPlay(game, play, record.fumbles, record.fumblesLost)) return;
  record.returnYards += SignedYards(play);
  if (ScoredOnGain(play)) {
    ++record.touchdowns;
    AddScoringEntry(game, play, ScoringKind::kInterceptionReturnTouchdown, interceptor, true);
  }
}

void CreditSack(GameCredit& game, CurrentPlay& play) {
  // Charged to the offense's quarterback, whoever the sentence names.
  PlayerRecord* passer = GetPasser(OffenseQuarterback(game, play));
  if (passer == nullptr) return;
  ++passer->passing->sacks;
  passer->passing->sackYards += Yards(play);
}

void CreditTackles(const CurrentPlay& play) {
  if (PlayerRecord* tackler = PlayerAt(play, play.tackler)) {
    bool defense = false;
    if (GetTackler(tackler, defense) != nullptr) {
      if (defense) {
        DefensiveRecord& record = *tackler->defensive;
        ++record.tackles;
        record.tackleYards += SignedYards(play);
        if (IsLoss(play) && play.playKind == PlayKind::kRush && !play.fumble) {
          ++record.stuffs;
          record.stuffYards += Yards(play);
        }
      } else {
        ++tackler->miscOff->tackles;
        tackler->miscOff->tackleYards += SignedYards(play);
      }
    }
  } else if (PlayerRecord* sacker = GetDefensiveStats(PlayerAt(play, play.sacker))) {
    ++sacker->defensive->sacks;
    sacker->defensive->sackYards += Yards(play);
  } else if (play.result == PlayResult::kIncomplete) {
    if (PlayerRecord* defender = GetDefensiveStats(PlayerAt(play, play.defender)))
      ++defender->defensive->passesDefensed;
  }
  CreditBlock(play);
}

void CreditSpecialTeamsTackle(const CurrentPlay& play) {
  bool defense = false;
  PlayerRecord* tackler = GetSpecialTackler(PlayerAt(play, play.tackler), defense);
  if (tackler == nullptr) return;
  SpecialTeamsRecord& record = defense ? *tackler->defSpecialTeams : *tackler->specialTeams;
  ++record.tackles;
  record.tackleYards += SignedYards(play);
}

void ApplyFirstDownRule(CurrentPlay& play, PlayerRecord* player, PendingKind kind,
                        std::int32_t& firstDowns) {
  const auto distance = HeaderNumber(play, play.distanceIndex);
  if (!distance) return;
  const std::int16_t v = Yards(play);
  if (v > *distance) {
    ++firstDowns;
  } else if (v == *distance) {
    if (play.pendingPlayer1 == nullptr) {
      play.pendingPlayer1 = player;
      play.pendingKind1 = kind;
    } else {
      play.pendingPlayer2 = player;
      play.pendingKind2 = kind;
    }
    play.pendingFirstDown = 1;
  }
}

void ResolvePendingFirstDown(GameCredit& game, CurrentPlay& play) {
  if (!play.pendingFirstDown) return;
  const CurrentPlay* next = play.next;
  const bool confirmed = next != nullptr && !play.periodBreak &&
                         game.Group(next->groupAtSnap) == game.Group(play.groupAtSnap) &&
                         HeaderNumber(*next, next->downIndex) == 1;
  if (confirmed) {
    CreditPendingFirstDown(play.pendingPlayer1, play.pendingKind1);
    CreditPendingFirstDown(play.pendingPlayer2, play.pendingKind2);
  }
  play.pendingFirstDown = 0;
  play.pendingPlayer1 = nullptr;
  play.pendingPlayer2 = nullptr;
}

std::int32_t PenaltyYards(const CurrentPlay& play) {
  if (const auto stated = ExtrasNumber(play, play.penaltyYardsIndex)) return *stated;
  const auto placement = ExtrasNumber(play, play.placementIndex);
  const auto snap = HeaderNumber(play, play.yardLineIndex);
  if (!placement || !snap || play.next == nullptr) return 0;
  const int ownHalf = play.ownSide ? 1 : 0;
  const int nextOwnHalf = play.next->ownSide ? 1 : 0;
  const PlacementRule& rule = play.penaltyKind == PenaltyKind::kDefensivePassInterference
                                  ? kInterferencePlacement[ownHalf][nextOwnHalf]
                                  : kOtherPlacement[nextOwnHalf];
  return rule.placement * *placement + rule.snap * *snap + rule.constant;
}

void CreditPenalty(const CurrentPlay& play) {
  PlayerRecord* fouler = GetFouler(ExtrasPlayer(play, play.foulIndex));
  if (fouler == nullptr) return;
  PenaltyRecord& record = *fouler->penalty;
  ++record.flagged;
  if (!play.penaltyAccepted) return;
  ++record.accepted;
  record.yards += PenaltyYards(play);
}

}  // namespace yl::stats
