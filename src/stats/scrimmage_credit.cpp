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
  PlayerRecord* blocker = play.Player(Role::kBlocker);
  if (blocker == nullptr) return;
  for (const BlockCredit& credit : kBlockCredits) {
    if (credit.kind != play.kind) continue;
    if (credit.result && *credit.result != play.result) continue;
    GetDefensiveStats(blocker);
    ++(*blocker->defensive.*credit.counter);
  }
}

// The first-down counter of a pending kind; nullptr when the record is gone.
std::int32_t* FirstDownCounter(PlayerRecord& p, PendingKind kind) {
  switch (kind) {
    case PendingKind::kReceiving:
      return p.receiving ? &p.receiving->firstDowns : nullptr;
    case PendingKind::kPassing:
      return p.passing ? &p.passing->firstDowns : nullptr;
    case PendingKind::kRushing:
      return p.rushing ? &p.rushing->firstDowns : nullptr;
  }
  return nullptr;
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

void CreditRushing(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* runner = GetRusher(PlayerOrQuarterback(game, play, Role::kRusher));
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
      ApplyFirstDownRule(game, play, runner, PendingKind::kRushing, record.firstDowns);
    }
    if (v >= kBigRush) ++record.bigPlays;
  } else {
    ++record.stuffs;
    record.yardsLost += v;
  }
  OfferLongest(game, EnterLongestRush, runner, yards);
}

void CreditPassing(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* passer = GetPasser(PlayerOrQuarterback(game, play, Role::kPasser));
  if (passer == nullptr) return;
  PassingRecord& record = *passer->passing;
  ++record.attempts;
  if (play.Player(Role::kReceiver) == nullptr) {
    if (play.Player(Role::kInterceptor) != nullptr) ++record.interceptions;
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
      ApplyFirstDownRule(game, play, passer, PendingKind::kPassing, record.firstDowns);
    }
    if (v >= kBigPass) ++record.bigPlays;
  }
  OfferLongest(game, EnterLongestPass, passer, yards);
}

void CreditReceiving(GameCredit& game, const CurrentPlay& play) {
  bool defense = false;
  if (PlayerRecord* receiver = play.Player(Role::kReceiver)) {
    if (GetReciever(receiver, defense) == nullptr || defense) {
      // A receiver who is not on offense gets no reception; he still names
      // the catcher of a touchdown pass whose entry waits for him.
      if (play.result == PlayResult::kTouchdown && game.scoring != nullptr &&
          !game.scoring->appendNext)
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
        ApplyFirstDownRule(game, play, receiver, PendingKind::kReceiving, record.firstDowns);
      }
    }
    OfferLongest(game, EnterLongestReception, receiver, yards);
    return;
  }
  // An incomplete pass aimed at a player: dropped, or defended.
  PlayerRecord* target = GetReciever(play.Player(Role::kTarget), defense);
  if (target == nullptr) return;
  if (defense) {
    ++target->defensive->passesDefensed;
  } else {
    ++target->receiving->drops;
  }
}

void CreditInterceptionReturn(GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* interceptor = GetIntercepter(play.Player(Role::kInterceptor));
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

void CreditSack(GameCredit& game, const CurrentPlay& play) {
  // Charged to the offense's quarterback, whoever the sentence names.
  PlayerRecord* passer = GetPasser(OffenseQuarterback(game, play));
  if (passer == nullptr) return;
  ++passer->passing->sacks;
  passer->passing->sackYards += Yards(play);
}

void CreditTackles(const CurrentPlay& play) {
  if (PlayerRecord* tackler = play.Player(Role::kTackler)) {
    bool defense = false;
    if (GetTackler(tackler, defense) != nullptr) {
      if (defense) {
        DefensiveRecord& record = *tackler->defensive;
        ++record.tackles;
        record.tackleYards += SignedYards(play);
        if (IsLoss(play) && play.kind == PlayKind::kRush && !play.fumble) {
          ++record.stuffs;
          record.stuffYards += Yards(play);
        }
      } else {
        ++tackler->miscOff->tackles;
        tackler->miscOff->tackleYards += SignedYards(play);
      }
    }
  } else if (PlayerRecord* sacker = GetDefensiveStats(play.Player(Role::kSacker))) {
    ++sacker->defensive->sacks;
    sacker->defensive->sackYards += Yards(play);
  } else if (play.result == PlayResult::kIncomplete) {
    if (PlayerRecord* defender = GetDefensiveStats(play.Player(Role::kDefender)))
      ++defender->defensive->passesDefensed;
  }
  CreditBlock(play);
}

void CreditSpecialTeamsTackle(const CurrentPlay& play) {
  bool defense = false;
  PlayerRecord* tackler = GetSpecialTackler(play.Player(Role::kTackler), defense);
  if (tackler == nullptr) return;
  SpecialTeamsRecord& record = defense ? *tackler->defSpecialTeams : *tackler->specialTeams;
  ++record.tackles;
  record.tackleYards += SignedYards(play);
}

void ApplyFirstDownRule(GameCredit& game, const CurrentPlay& play, PlayerRecord* player,
                        PendingKind kind, std::int32_t& firstDowns) {
  const std::optional<std::int16_t> distance = play.situation.distance;
  if (!distance) return;
  const std::int16_t v = Yards(play);
  if (v > *distance) {
    ++firstDowns;
  } else if (v == *distance) {
    // The first is kept; each later one takes the second place.
    game.pending[game.pendingCount == 0 ? 0 : 1] = {player, kind};
    game.pendingCount = game.pendingCount == 0 ? 1 : 2;
  }
}

void ResolvePendingFirstDown(GameCredit& game, const CurrentPlay& play) {
  if (game.pendingCount == 0) return;
  const CurrentPlay* next = game.next;
  const bool confirmed = next != nullptr && !play.periodBreak &&
                         game.Group(next->groupAtSnap) == game.Group(play.groupAtSnap) &&
                         next->situation.down == 1;
  if (confirmed) {
    for (std::size_t i = 0; i < game.pendingCount; ++i) {
      const PendingFirstDown& pending = game.pending[i];
      if (pending.player == nullptr) continue;
      if (std::int32_t* counter = FirstDownCounter(*pending.player, pending.kind)) ++*counter;
    }
  }
  game.pendingCount = 0;
}

std::int32_t PenaltyYards(const CurrentPlay& play, const CurrentPlay* next) {
  const transcript::Penalty& penalty = play.penalty;
  if (penalty.yards) return *penalty.yards;
  const std::optional<std::int16_t> snap = play.situation.yardLine;
  if (!penalty.placement || !snap || next == nullptr) return 0;
  const int ownHalf = play.situation.ownSide ? 1 : 0;
  const int nextOwnHalf = next->situation.ownSide ? 1 : 0;
  const PlacementRule& rule = penalty.kind == PenaltyKind::kDefensivePassInterference
                                  ? kInterferencePlacement[ownHalf][nextOwnHalf]
                                  : kOtherPlacement[nextOwnHalf];
  return rule.placement * *penalty.placement + rule.snap * *snap + rule.constant;
}

void CreditPenalty(const GameCredit& game, const CurrentPlay& play) {
  PlayerRecord* fouler = GetFouler(play.penalty.fouler);
  if (fouler == nullptr) return;
  PenaltyRecord& record = *fouler->penalty;
  ++record.flagged;
  if (!play.penalty.accepted) return;
  ++record.accepted;
  record.yards += PenaltyYards(play, game.next);
}

}  // namespace yl::stats
