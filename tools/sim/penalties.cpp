// Penalties: which flag a play draws, who commits it, whether the side
// offended takes it, the lines that tell it, and where it puts the ball.
#include <algorithm>

#include "game_sim.h"
#include "sentences.h"

namespace yl::sim {

namespace {

std::string FoulText(Foul::Kind kind, Random& random) {
  switch (kind) {
    case Foul::Kind::kFalseStart:
      return "Penalty on the play.  False start on ";
    case Foul::Kind::kDelayOfGame:
      return "Penalty on the play.  Delay of game on ";
    case Foul::Kind::kIllegalFormation:
      return "Penalty on the play.  Illegal Formation.  Fewer than seven men on the line on ";
    case Foul::Kind::kOffsides:
      return "Penalty on the play.  Off sides on ";
    case Foul::Kind::kHolding:
    case Foul::Kind::kDefensiveHolding:
      return "Penalty on the play.  Holding on ";
    case Foul::Kind::kIllegalHands:
      return "Penalty on the play.  Illegal use of the hands on ";
    case Foul::Kind::kOffensiveInterference:
      return "Penalty on the play.  Offensive pass interference on ";
    case Foul::Kind::kIneligibleDownfield:
      return "Penalty on the play.  Ineligible man downfield on ";
    case Foul::Kind::kIntentionalGrounding:
      return "Penalty on the play.  Intentional grounding on ";
    case Foul::Kind::kPersonalFoul:
      return "Penalty on the play.  Personal foul on ";
    case Foul::Kind::kFaceMask: {
      const int form = random.Between(1, 10);
      if (form <= 5) return "Penalty on the play.  Grabbing the face mask on ";
      if (form <= 9) return "Penalty on the play.  Grabbing the facemask on ";
      return "Penalty on the play. Grabbing the face mask on ";
    }
    case Foul::Kind::kUnsportsmanlike:
      return "Penalty on the play.  Unsportsmanlike conduct on ";
    case Foul::Kind::kDefensiveInterference:
      return "Penalty on the play.  Defensive pass interference on ";
  }
  return "";
}

}  // namespace

bool GameSim::PreSnapFoul(PlayText& play) {
  const int o = off_;
  const int d = 1 - o;
  const DepthChart& offense = TeamOf(o).depth;
  Foul foul;
  switch (random_.Weighted({35, 30, 20, 15})) {
    case 0:
      foul.kind = Foul::Kind::kFalseStart;
      foul.fouler = random_.Percent(60) ? offense.linemen[random_.Between(0, 4)]
                                        : offense.receivers[random_.Between(0, 3)];
      break;
    case 1:
      foul.kind = Foul::Kind::kOffsides;
      foul.byOffense = false;
      foul.fouler =
          random_.Percent(80) ? PickLineman(d) : TeamOf(d).depth.linebackers[random_.Between(0, 3)];
      break;
    case 2:
      foul.kind = Foul::Kind::kDelayOfGame;
      foul.fouler = offense.quarterback;
      break;
    default:
      foul.kind = Foul::Kind::kIllegalFormation;
      break;
  }
  foul.yards = 5;
  if (!SetFoulYards(foul)) return false;
  play.description = "The play was whistled dead.  ";
  WriteFoul(foul, play);
  EnforceFoul(foul);
  play.gains = text::Placed(ball_);
  RunClock(0, false, o, play);
  FinishPlay(play);
  return true;
}

// Halves the distance to the goal when the yards would take more than half of
// it; false when no yards are left to give.
bool GameSim::SetFoulYards(Foul& foul) {
  if (foul.placement) {
    foul.yards = foul.placeSpot - ball_;
    return foul.yards > 0;
  }
  const int room = foul.byOffense ? ball_ : 100 - ball_;
  if (foul.yards > room / 2) foul.yards = room / 2;
  return foul.yards > 0;
}

std::optional<Foul> GameSim::ChooseFoul(const Snap& snap) {
  const int o = off_;
  const int d = 1 - o;
  const DepthChart& offense = TeamOf(o).depth;
  const DepthChart& defense = TeamOf(d).depth;
  using K = Foul::Kind;
  std::vector<std::pair<K, int>> choices;
  const bool run = snap.IsRun();
  const bool incomplete = snap.IsIncomplete();
  if (run) {
    choices = {{K::kHolding, 50},      {K::kIllegalHands, 10}, {K::kOffsides, 15},
               {K::kPersonalFoul, 10}, {K::kFaceMask, 10},     {K::kUnsportsmanlike, 5}};
  } else if (snap.kind == Snap::Kind::kComplete) {
    choices = {{K::kHolding, 35},
               {K::kOffensiveInterference, 15},
               {K::kIneligibleDownfield, 10},
               {K::kDefensiveHolding, 15},
               {K::kOffsides, 10},
               {K::kPersonalFoul, 10},
               {K::kFaceMask, 5}};
  } else if (incomplete) {
    choices = {{K::kHolding, 25},
               {K::kIntentionalGrounding, 15},
               {K::kOffensiveInterference, 10},
               {K::kDefensiveInterference, 30},
               {K::kDefensiveHolding, 10},
               {K::kPersonalFoul, 10}};
  } else {  // a sack
    choices = {{K::kHolding, 40}, {K::kDefensiveHolding, 40}, {K::kOffsides, 20}};
  }
  std::vector<int> weights;
  for (const auto& choice : choices)
    weights.push_back(choice.second);
  Foul foul;
  foul.kind = choices[random_.Weighted(weights)].first;
  const bool namedTackler = snap.ending == Ending::kTackled ||
                            snap.ending == Ending::kTackledForm ||
                            snap.ending == Ending::kPushedOut;
  if (foul.kind == K::kFaceMask && !namedTackler) foul.kind = K::kPersonalFoul;
  if (foul.kind == K::kIntentionalGrounding && (snap.kind != Snap::Kind::kIncomplete || down_ >= 4))
    foul.kind = K::kHolding;
  if (foul.kind == K::kOffensiveInterference && !incomplete && snap.kind != Snap::Kind::kComplete)
    foul.kind = K::kHolding;

  switch (foul.kind) {
    case K::kHolding:
      foul.yards = 10;
      foul.fouler =
          random_.Percent(85) ? offense.linemen[random_.Between(0, 4)] : offense.receivers[3];
      break;
    case K::kIllegalHands:
      foul.yards = 10;
      foul.fouler = offense.linemen[random_.Between(0, 4)];
      break;
    case K::kOffensiveInterference:
      foul.yards = 10;
      foul.fouler = snap.carrier >= 0 ? snap.carrier : offense.receivers[random_.Between(0, 3)];
      break;
    case K::kIneligibleDownfield:
      foul.yards = 5;
      foul.fouler = offense.linemen[random_.Between(0, 4)];
      break;
    case K::kIntentionalGrounding:
      foul.yards = 10;
      foul.lossOfDown = true;
      foul.fouler = offense.quarterback;
      break;
    case K::kOffsides:
      foul.byOffense = false;
      foul.yards = 5;
      foul.fouler = PickSacker(d);
      break;
    case K::kDefensiveHolding:
      foul.byOffense = false;
      foul.yards = 5;
      foul.automaticFirstDown = true;
      foul.fouler = PickPassDefender(d);
      break;
    case K::kPersonalFoul:
    case K::kUnsportsmanlike:
      foul.byOffense = false;
      foul.yards = 15;
      foul.automaticFirstDown = true;
      foul.fouler = PickAnyDefender(d);
      break;
    case K::kFaceMask:
      foul.byOffense = false;
      foul.yards = 15;
      foul.automaticFirstDown = true;
      foul.fouler = snap.defender;
      break;
    case K::kDefensiveInterference:
      foul.byOffense = false;
      foul.automaticFirstDown = true;
      foul.placement = true;
      foul.placeSpot = std::min(99, ball_ + random_.Between(8, 35));
      foul.fouler = defense.defensiveBacks[random_.Between(0, 5)];
      break;
    default:
      break;
  }
  if (!SetFoulYards(foul)) return std::nullopt;
  // The side offended decides: a foul that helps it less than the play did
  // is declined.
  if (foul.byOffense) {
    foul.accepted = foul.lossOfDown || !((incomplete && down_ >= 3) || snap.gain <= -foul.yards);
  } else {
    foul.accepted = foul.placement ||
                    !(snap.gain >= foul.yards && (!foul.automaticFirstDown || snap.gain >= toGo_));
  }
  return foul;
}

void GameSim::WriteFoul(const Foul& foul, PlayText& play) {
  const int fouling = foul.byOffense ? off_ : 1 - off_;
  const int deciding = 1 - fouling;
  result_.hadPenalty = true;
  if (foul.fouler >= 0) {
    play.extras.push_back(FoulText(foul.kind, random_) + Tok(fouling, foul.fouler) + ".");
    PlayerTotals& stats = Stats(fouling, foul.fouler);
    stats.penalties++;
    if (foul.accepted) {
      stats.penaltiesAccepted++;
      stats.penaltyYards += foul.yards;
    }
  } else {
    play.extras.push_back(FoulText(foul.kind, random_) + std::string(NameOf(fouling)) + ".");
  }
  if (foul.accepted) {
    result_.counts[fouling].penalties++;
    result_.counts[fouling].penaltyYards += foul.yards;
  }
  if (foul.placement) {
    play.extras.push_back(text::PlacementDecision(NameOf(deciding), foul.accepted, foul.placeSpot));
  } else {
    const std::string_view tail = foul.automaticFirstDown ? text::kFirstDownTail
                                  : foul.lossOfDown       ? text::kLossOfDownTail
                                                          : text::kYardsTail;
    play.extras.push_back(text::Decision(NameOf(deciding), foul.accepted, foul.yards, tail));
  }
}

void GameSim::EnforceFoul(const Foul& foul) {
  if (foul.byOffense) {
    ball_ -= foul.yards;
    toGo_ += foul.yards;
    if (foul.lossOfDown) ++down_;
    return;
  }
  ball_ += foul.yards;
  toGo_ -= foul.yards;
  if (foul.automaticFirstDown || toGo_ <= 0) {
    result_.counts[off_].firstDowns++;
    SetFirstDown(ball_);
  }
}

}  // namespace yl::sim
