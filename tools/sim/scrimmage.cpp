// Scrimmage downs: runs and passes with their endings, fumbles and returns,
// the sentences that tell them, what they credit and how they move the ball.
#include <algorithm>

#include "game_sim.h"
#include "sentences.h"

namespace yl::sim {

namespace {

// A play a penalty may be flagged on: nothing scored, nobody lost the ball.
bool IsPlain(const Snap& snap) {
  return snap.loose == Loose::kNone && snap.kind != Snap::Kind::kIntercepted &&
         snap.ending != Ending::kTouchdown && snap.ending != Ending::kSafety;
}

}  // namespace

void GameSim::ScrimmagePlay() {
  PlayText play;
  play.header = text::ScrimmageHeader(text::ScoreClause(score_[0], score_[1], period_, clock_),
                                      down_, toGo_, ball_, random_);
  const Call call = ChooseCall();
  if (call == Call::kPunt) return PuntPlay(play);
  if (call == Call::kFieldGoal) return FieldGoalPlay(play);
  if (random_.Chance(settings_.penaltyRate * 0.35) && PreSnapFoul(play)) return;

  const int o = off_;
  const Snap snap =
      call == Call::kPass ? SimulatePass() : SimulateRun(call == Call::kQuarterbackRun);
  play.description = Describe(snap);
  std::optional<Foul> foul;
  if (IsPlain(snap) && clock_ - snap.action > 0 && random_.Chance(settings_.penaltyRate * 0.65))
    foul = ChooseFoul(snap);
  if (foul) WriteFoul(*foul, play);
  if (foul && foul->accepted) {
    // The play is wiped out; the ball goes where the penalty puts it.
    EnforceFoul(*foul);
    play.gains = text::Placed(ball_);
    RunClock(snap.action, false, o, play);
    FinishPlay(play);
    return;
  }
  Credit(snap);
  Advance(snap, play);
  RunClock(snap.action, snap.clockRuns && !foul, o, play);
  FinishPlay(play);
}

Snap GameSim::SimulateRun(bool quarterback) {
  const int o = off_;
  const int d = 1 - o;
  Snap snap;
  snap.kind = quarterback ? Snap::Kind::kQuarterbackRun : Snap::Kind::kRun;
  snap.carrier = quarterback ? TeamOf(o).depth.quarterback : PickRusher(o);
  const int edge = Edge();
  int gain =
      random_.Between(-2, 6) + (edge >= 0 ? random_.Between(0, edge) : -random_.Between(0, -edge));
  if (random_.Percent(35)) gain += random_.Between(0, 6);
  if (random_.Percent(5)) gain += random_.Between(8, 45);
  if (random_.Percent(1)) gain += random_.Between(30, 80);
  snap.action = random_.Between(4, 7);
  if (gain >= 100 - ball_) {
    snap.gain = 100 - ball_;
    snap.ending = Ending::kTouchdown;
    snap.action += 2;
    return snap;
  }
  // Most runs stopped behind the goal line would still reach the 1.
  if (ball_ + gain <= 0 && random_.Percent(60)) gain = 1 - ball_;
  if (ball_ + gain <= 0) {
    snap.gain = -(ball_ + random_.Between(0, 2));
    snap.ending = Ending::kSafety;
    snap.defender = PickRunTackler(d, snap.gain);
    return snap;
  }
  snap.gain = gain;
  if (random_.Chance(settings_.fumbleRate)) {
    const int who = random_.Between(1, 100);
    snap.turnSpot = ball_;
    if (who <= 45) {
      LoseBall(snap);
    } else if (who <= 75) {
      snap.loose = Loose::kTeammate;
      snap.gain = 0;
      snap.recoverer = PickTeammate(o, snap.carrier);
    } else {
      snap.loose = Loose::kOwn;
      snap.recoverer = snap.carrier;
    }
    snap.clockRuns = false;
    return snap;
  }
  const int end = random_.Between(1, 100);
  snap.ending = end <= 12   ? Ending::kTackledForm
                : end <= 22 ? Ending::kPushedOut
                            : Ending::kTackled;
  snap.defender = PickRunTackler(d, gain);
  snap.clockRuns = snap.ending != Ending::kPushedOut;
  if (gain >= 15) snap.action += 2;
  return snap;
}

// The defense recovers a fumble at the line of scrimmage and may run it back.
void GameSim::LoseBall(Snap& snap) {
  const int o = off_;
  snap.loose = Loose::kLost;
  snap.gain = 0;
  snap.turnSpot = ball_;
  snap.recoverer = PickAnyDefender(1 - o);
  snap.returnYards = random_.Percent(60) ? 0
                                         : random_.Between(2, 15) +
                                               (random_.Percent(5) ? random_.Between(10, 60) : 0);
  if (100 - ball_ + snap.returnYards >= 100) {
    snap.returnYards = ball_;
    snap.returnEnding = Ending::kTouchdown;
    return;
  }
  const int end = random_.Between(1, 100);
  snap.returnEnding = end <= 40   ? Ending::kNone
                      : end <= 75 ? Ending::kTackled
                      : end <= 88 ? Ending::kSomebody
                                  : Ending::kOutOfBounds;
  if (snap.returnEnding == Ending::kTackled) snap.returnTackler = PickOffenseTackler(o);
}

Snap GameSim::SimulatePass() {
  const int o = off_;
  const int d = 1 - o;
  Snap snap;
  const int edge = Edge();
  const int sackRate = 65 - 5 * edge;
  const int interceptionRate = sackRate + 28 - 3 * edge;
  const int completionRate = interceptionRate + 600 + 15 * edge;
  const int roll = random_.Between(1, 1000);
  snap.action = random_.Between(5, 9);
  if (roll <= sackRate) {
    snap.kind = Snap::Kind::kSack;
    snap.defender = PickSacker(d);
    snap.gain = -random_.Between(2, 10);
    if (ball_ + snap.gain <= 0 && ball_ >= 2 && random_.Percent(50)) snap.gain = 1 - ball_;
    if (ball_ + snap.gain <= 0) {
      snap.gain = -(ball_ + random_.Between(0, 1));
      snap.ending = Ending::kSafety;
    } else {
      snap.clockRuns = true;
    }
    return snap;
  }
  snap.pressure = random_.Percent(20);
  if (roll <= interceptionRate) {
    snap.kind = Snap::Kind::kIntercepted;
    snap.defender = PickInterceptor(d);
    snap.turnSpot = std::min(99, ball_ + random_.Between(5, 40));
    snap.returnYards = random_.Percent(35) ? 0
                                           : random_.Between(1, 20) +
                                                 (random_.Percent(8) ? random_.Between(10, 60) : 0);
    if (100 - snap.turnSpot + snap.returnYards >= 100) {
      snap.returnYards = snap.turnSpot;
      snap.returnEnding = Ending::kTouchdown;
    } else {
      const int end = random_.Between(1, 100);
      snap.returnEnding = end <= 55   ? Ending::kTackled
                          : end <= 70 ? Ending::kOutOfBounds
                          : end <= 85 ? Ending::kSomebody
                                      : Ending::kNone;
      if (snap.returnEnding == Ending::kTackled) snap.returnTackler = PickOffenseTackler(o);
    }
    snap.action += random_.Between(0, 5);
    return snap;
  }
  if (roll <= completionRate) {
    snap.kind = Snap::Kind::kComplete;
    snap.carrier = PickReceiver(o);
    int gain = random_.Between(-1, 11) + (random_.Percent(40) ? random_.Between(0, 10) : 0) +
               (random_.Percent(8) ? random_.Between(10, 50) : 0) + edge;
    gain = std::max(gain, 1 - ball_);
    if (gain >= 100 - ball_) {
      snap.gain = 100 - ball_;
      snap.ending = Ending::kTouchdown;
      return snap;
    }
    snap.gain = gain;
    if (random_.Chance(settings_.fumbleRate)) {
      const int who = random_.Between(1, 100);
      snap.turnSpot = ball_;
      if (who <= 45) {
        LoseBall(snap);
      } else if (who <= 75) {
        snap.loose = Loose::kTeammate;
        snap.gain = 0;
        snap.recoverer = PickTeammate(o, snap.carrier);
      } else {
        snap.loose = Loose::kOwn;
        snap.recoverer = snap.carrier;
      }
      return snap;
    }
    const int end = random_.Between(1, 100);
    snap.ending = end <= 60   ? Ending::kTackled
                  : end <= 72 ? Ending::kPushedOut
                  : end <= 86 ? Ending::kOutOfBounds
                              : Ending::kSomebody;
    if (snap.ending == Ending::kTackled || snap.ending == Ending::kPushedOut)
      snap.defender = PickPassTackler(d);
    snap.clockRuns = snap.ending == Ending::kTackled || snap.ending == Ending::kSomebody;
    return snap;
  }
  const int kind = random_.Between(1, 100);
  snap.action = random_.Between(4, 7);
  if (kind <= 58) {
    snap.kind = Snap::Kind::kIncomplete;
  } else if (kind <= 80) {
    snap.kind = Snap::Kind::kBrokenUp;
    snap.defender = PickPassDefender(d);
  } else if (kind <= 93) {
    snap.kind = Snap::Kind::kDropped;
    snap.carrier = PickReceiver(o);
  } else {
    snap.kind = Snap::Kind::kBatted;
    snap.defender = PickLineman(d);
    snap.pressure = false;
  }
  return snap;
}

// The end of a return or of a run after the ball changed hands.
std::string GameSim::ReturnEndingText(const Snap& snap, int tacklerSide) {
  switch (snap.returnEnding) {
    case Ending::kTouchdown:
      return "... TOUCHDOWN!  ";
    case Ending::kTackled:
      return "... " + Tok(tacklerSide, snap.returnTackler) +
             text::TackleVerb(snap.returnYards, random_);
    case Ending::kSomebody:
      return text::SomebodyTackled(snap.returnYards, random_);
    case Ending::kOutOfBounds:
      return "... he went out of bounds.  ";
    default:
      return ".  ";
  }
}

std::string GameSim::Describe(const Snap& snap) {
  const int o = off_;
  const int d = 1 - o;
  const std::string passer = Tok(o, TeamOf(o).depth.quarterback);
  const std::string lead = snap.pressure ? "Under pressure... " : "";
  std::string line;
  // The runner's or receiver's part, then how it ended.
  std::string start;
  switch (snap.kind) {
    case Snap::Kind::kRun:
      if (snap.ending == Ending::kTackledForm)
        return Tok(d, snap.defender) + " tackled " + Tok(o, snap.carrier) + ".  ";
      if (snap.ending == Ending::kTouchdown)
        return Tok(o, snap.carrier) + " took the hand-off... TOUCHDOWN!  ";
      if (snap.loose != Loose::kNone) {
        line = Tok(o, snap.carrier) + " took the hand-off... FUMBLED... recovered by ";
        break;
      }
      line = Tok(o, snap.carrier) + " took the hand-off... ";
      break;
    case Snap::Kind::kQuarterbackRun:
      if (snap.ending == Ending::kTackledForm)
        return Tok(d, snap.defender) + " tackled " + Tok(o, snap.carrier) + ".  ";
      line = "The snap was taken by " + Tok(o, snap.carrier);
      if (snap.ending == Ending::kTouchdown) return line + "... TOUCHDOWN!  ";
      line += snap.loose != Loose::kNone ? "... FUMBLED... recovered by " : "... ";
      break;
    case Snap::Kind::kComplete:
      line = lead + passer + "'s pass was caught by " + Tok(o, snap.carrier);
      if (snap.ending == Ending::kTouchdown) return line + "... TOUCHDOWN!  ";
      if (snap.loose != Loose::kNone) {
        line += "... FUMBLED... recovered by ";
        break;
      }
      switch (snap.ending) {
        case Ending::kTackled:
          return line + "... " + Tok(d, snap.defender) + text::TackleVerb(snap.gain, random_);
        case Ending::kPushedOut:
          return line + "... " + Tok(d, snap.defender) + text::PushedOutVerb(snap.gain, random_);
        case Ending::kOutOfBounds:
          return line + "... he went out of bounds.  ";
        default:
          return line + text::SomebodyTackled(snap.gain, random_);
      }
    case Snap::Kind::kIncomplete:
      return lead + passer + "'s pass was incomplete.  ";
    case Snap::Kind::kBrokenUp:
      return lead + passer + "'s pass was broken-up by " + Tok(d, snap.defender) +
             "... incomplete.  ";
    case Snap::Kind::kDropped:
      return lead + passer + "'s pass was dropped by " + Tok(o, snap.carrier) + "... incomplete.  ";
    case Snap::Kind::kBatted:
      return passer + "'s pass was BLOCKED by " + Tok(d, snap.defender) + "... incomplete.  ";
    case Snap::Kind::kIntercepted:
      return lead + passer + "'s pass was INTERCEPTED by " + Tok(d, snap.defender) +
             ReturnEndingText(snap, o);
    case Snap::Kind::kSack:
      return Tok(d, snap.defender) + " sacked " + passer +
             (snap.ending == Ending::kSafety ? "... SAFETY!  " : ".  ");
  }
  // A run's tackle or a fumble's recovery.
  if (snap.loose == Loose::kLost) return line + Tok(d, snap.recoverer) + ReturnEndingText(snap, o);
  if (snap.loose != Loose::kNone) return line + Tok(o, snap.recoverer) + ".  ";
  if (snap.ending == Ending::kSafety)
    return line + Tok(d, snap.defender) + text::SafetyVerb(random_);
  if (snap.ending == Ending::kPushedOut)
    return line + Tok(d, snap.defender) + text::PushedOutVerb(snap.gain, random_);
  return line + Tok(d, snap.defender) + text::TackleVerb(snap.gain, random_);
}

void GameSim::Credit(const Snap& snap) {
  const int o = off_;
  const int d = 1 - o;
  TeamCounts& offense = result_.counts[o];
  TeamCounts& defense = result_.counts[d];
  PlayerTotals& passer = Stats(o, TeamOf(o).depth.quarterback);
  const bool touchdown = snap.ending == Ending::kTouchdown;
  const bool tackled = snap.ending == Ending::kTackled || snap.ending == Ending::kTackledForm ||
                       snap.ending == Ending::kPushedOut || snap.ending == Ending::kSafety;
  switch (snap.kind) {
    case Snap::Kind::kRun:
    case Snap::Kind::kQuarterbackRun: {
      PlayerTotals& rusher = Stats(o, snap.carrier);
      rusher.rushAttempts++;
      rusher.rushYards += snap.gain;
      if (snap.loose == Loose::kNone || snap.loose == Loose::kOwn)
        rusher.rushLongest = std::max(rusher.rushLongest, snap.gain);
      if (touchdown) rusher.rushTouchdowns++;
      offense.rushingPlays++;
      offense.rushingYards += snap.gain;
      if (tackled) Stats(d, snap.defender).tackles++;
      break;
    }
    case Snap::Kind::kComplete: {
      PlayerTotals& receiver = Stats(o, snap.carrier);
      passer.passAttempts++;
      passer.completions++;
      passer.passYards += snap.gain;
      receiver.receptions++;
      receiver.receivingYards += snap.gain;
      if (touchdown) {
        passer.passTouchdowns++;
        receiver.receivingTouchdowns++;
      }
      offense.attempts++;
      offense.completions++;
      offense.passingPlays++;
      offense.passingYards += snap.gain;
      if (tackled) Stats(d, snap.defender).tackles++;
      break;
    }
    case Snap::Kind::kIncomplete:
    case Snap::Kind::kBrokenUp:
    case Snap::Kind::kDropped:
    case Snap::Kind::kBatted:
      passer.passAttempts++;
      offense.attempts++;
      offense.passingPlays++;
      if (snap.kind == Snap::Kind::kBrokenUp || snap.kind == Snap::Kind::kBatted)
        Stats(d, snap.defender).passesDefensed++;
      if (snap.kind == Snap::Kind::kDropped) Stats(o, snap.carrier).drops++;
      break;
    case Snap::Kind::kIntercepted: {
      passer.passAttempts++;
      passer.interceptionsThrown++;
      offense.attempts++;
      offense.passingPlays++;
      offense.intercepted++;
      PlayerTotals& interceptor = Stats(d, snap.defender);
      interceptor.interceptions++;
      interceptor.interceptionReturnYards += snap.returnYards;
      if (snap.returnEnding == Ending::kTouchdown) interceptor.interceptionTouchdowns++;
      defense.otherReturnYards += snap.returnYards;
      if (snap.returnEnding == Ending::kTackled) Stats(o, snap.returnTackler).tackles++;
      break;
    }
    case Snap::Kind::kSack: {
      passer.timesSacked++;
      passer.sackYardsLost -= snap.gain;
      PlayerTotals& sacker = Stats(d, snap.defender);
      sacker.sacks++;
      sacker.sackYards -= snap.gain;
      offense.timesSacked++;
      offense.passingPlays++;
      offense.passingYards += snap.gain;
      break;
    }
  }
  if (snap.loose == Loose::kNone) return;
  result_.hadFumble = true;
  PlayerTotals& carrier = Stats(o, snap.carrier);
  carrier.fumbles++;
  offense.fumbles++;
  if (snap.loose == Loose::kTeammate) Stats(o, snap.recoverer).fumbleRecoveries++;
  if (snap.loose != Loose::kLost) return;
  carrier.fumblesLost++;
  offense.fumblesLost++;
  PlayerTotals& recoverer = Stats(d, snap.recoverer);
  recoverer.fumbleRecoveries++;
  recoverer.fumbleReturnYards += snap.returnYards;
  if (snap.returnEnding == Ending::kTouchdown) recoverer.fumbleReturnTouchdowns++;
  defense.otherReturnYards += snap.returnYards;
  if (snap.returnEnding == Ending::kTackled) Stats(o, snap.returnTackler).tackles++;
}

void GameSim::Advance(const Snap& snap, PlayText& play) {
  const int o = off_;
  const int d = 1 - o;
  TeamCounts& offense = result_.counts[o];
  const bool thirdDown = down_ == 3;
  if (thirdDown) offense.thirdDownAttempts++;
  if (snap.kind == Snap::Kind::kIntercepted || snap.loose == Loose::kLost) {
    const int newBall = 100 - snap.turnSpot + snap.returnYards;
    const bool touchdown = snap.returnEnding == Ending::kTouchdown;
    if (snap.kind == Snap::Kind::kIntercepted) {
      play.gains = touchdown ? text::ReturnToEndZone(snap.returnYards, random_)
                             : text::ReturnGain(snap.returnYards, newBall, random_);
    } else {
      play.gains = touchdown               ? text::FumbleReturnToEndZone(snap.returnYards)
                   : snap.returnYards == 0 ? text::TurnedOver(newBall)
                                           : text::FumbleReturn(snap.returnYards, newBall);
    }
    if (touchdown) {
      off_ = d;
      AddScore(d, 6,
               snap.kind == Snap::Kind::kIntercepted ? "interception return touchdown"
                                                     : "fumble return touchdown",
               snap.returnYards,
               {snap.kind == Snap::Kind::kIntercepted ? snap.defender : snap.recoverer});
      next_ = Next::kTry;
    } else {
      ChangePossession(newBall);
    }
    return;
  }
  if (snap.ending == Ending::kTouchdown) {
    play.gains = text::GainToEndZone(snap.gain);
    if (thirdDown) offense.thirdDownConversions++;
    if (snap.IsRun()) {
      AddScore(o, 6, "rushing touchdown", snap.gain, {snap.carrier});
    } else {
      AddScore(o, 6, "passing touchdown", snap.gain, {TeamOf(o).depth.quarterback, snap.carrier});
    }
    next_ = Next::kTry;
    return;
  }
  if (snap.ending == Ending::kSafety) {
    play.gains = text::LossToSafety(-snap.gain);
    AddScore(d, 2, "safety", 0, {snap.defender});
    next_ = Next::kFreeKick;
    kicker_ = o;
    return;
  }
  const int newBall = ball_ + snap.gain;
  play.gains = text::GainOnPlay(snap.gain, newBall);
  if (snap.gain >= toGo_) {
    offense.firstDowns++;
    if (thirdDown) offense.thirdDownConversions++;
    SetFirstDown(newBall);
  } else if (down_ == 4) {
    ChangePossession(100 - newBall);  // turned over on downs
  } else {
    ++down_;
    toGo_ -= snap.gain;
    ball_ = newBall;
  }
}

}  // namespace yl::sim
