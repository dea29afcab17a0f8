// Play accumulation: which credits a play gets, by its start, kind and result.
#include "stats/accumulate.h"

#include <array>

#include "stats/fumble_chain.h"
#include "stats/kicking_credit.h"
#include "stats/scoring_entry.h"
#include "stats/scrimmage_credit.h"

namespace yl::stats {

namespace {

using CreditStep = void (*)(GameCredit&, const CurrentPlay&);

void CreditFumbleRecoveryIfFumble(GameCredit& game, const CurrentPlay& play) {
  if (play.fumble) CreditFumbleRecovery(game, play);
}

void CreditInterceptionIfNamed(GameCredit& game, const CurrentPlay& play) {
  if (play.Player(Role::kInterceptor) != nullptr) CreditInterceptionReturn(game, play);
}

void CreditTackleStep(GameCredit&, const CurrentPlay& play) {
  CreditTackles(play);
}

// The credits of one kind of play, in order.
struct DispatchRow {
  transcript::PlayKind kind;
  std::array<CreditStep, 5> steps;
};

constexpr DispatchRow kScrimmageCredits[] = {
    {PlayKind::kRush, {CreditRushing, CreditFumbleRecoveryIfFumble, CreditTackleStep}},
    {PlayKind::kPass,
     {CreditPassing, CreditReceiving, CreditInterceptionIfNamed, CreditFumbleRecoveryIfFumble,
      CreditTackleStep}},
    {PlayKind::kSack, {CreditSack, CreditTackleStep}},
    {PlayKind::kPunt, {CreditPuntPlay}},
    {PlayKind::kFieldGoal, {CreditFieldGoalPlay}},
};

// A conversion try: a run (a "sack" on a try is a run by the sacked player),
// a pass or a kick.
constexpr DispatchRow kTryCredits[] = {
    {PlayKind::kRush, {CreditTwoPointRun}},
    {PlayKind::kSack, {CreditTwoPointRun}},
    {PlayKind::kPass, {CreditTwoPointPass}},
    {PlayKind::kExtraPoint, {CreditExtraPointKick}},
};

template <std::size_t N>
void RunCredits(const DispatchRow (&table)[N], GameCredit& game, const CurrentPlay& play) {
  for (const DispatchRow& row : table) {
    if (row.kind != play.kind) continue;
    for (const CreditStep step : row.steps) {
      if (step != nullptr) step(game, play);
    }
    return;
  }
}

}  // namespace

void AccumulatePlay(GameCredit& game, const CurrentPlay& play, const CurrentPlay* next) {
  game.next = next;
  const bool wipedOut = play.penalty.accepted && !play.penalty.assessedFrom;
  if (!wipedOut) {
    switch (play.situation.start) {
      case transcript::StartKind::kKickOff:
      case transcript::StartKind::kFreeKick:
        CreditKickoffPlay(game, play);
        break;
      case transcript::StartKind::kTry:
        RunCredits(kTryCredits, game, play);
        break;
      default:
        RunCredits(kScrimmageCredits, game, play);
    }
    if (play.result == PlayResult::kSafety)
      AddScoringEntry(game, play, ScoringKind::kSafety, nullptr, true);
  }
  if (play.penalty.called) CreditPenalty(game, play);
  ResolvePendingFirstDown(game, play);
  CloseScoringEntry(game);
}

}  // namespace yl::stats
