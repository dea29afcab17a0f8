// The flow of a game: kick-offs, tries, punts and field goals, the choice of
// play, the clock, the periods and overtime.
#include <algorithm>

#include "game_sim.h"
#include "sentences.h"

namespace yl::sim {

namespace {

constexpr int kPeriodSeconds = 15 * 60;
constexpr int kMaxOvertimes = 4;

}  // namespace

GameSim::GameSim(const std::vector<Team>& teams, const ScheduledGame& game,
                 const std::array<std::string, 2>& records, const GameSettings& settings,
                 std::uint64_t seed, std::vector<std::array<PlayerTotals, kRosterEntries>>& totals)
    : teams_(teams), game_(game), settings_(settings), random_(seed), totals_(totals) {
  result_.game = game;
  result_.lines.push_back(std::string(NameOf(0)) + " (" + records[0] + ") vs " +
                          std::string(NameOf(1)) + " (" + records[1] + ")");
}

GameResult GameSim::Run() {
  openingKicker_ = random_.Between(0, 1);
  kicker_ = openingKicker_;
  off_ = kicker_;
  next_ = Next::kKickoff;
  while (!over_) {
    snapClock_ = clock_;
    switch (next_) {
      case Next::kKickoff:
        KickoffPlay(false);
        break;
      case Next::kFreeKick:
        KickoffPlay(true);
        break;
      case Next::kTry:
        TryPlay();
        break;
      case Next::kScrimmage:
        ScrimmagePlay();
        break;
    }
  }
  result_.score = score_;
  for (int side = 0; side < 2; ++side)
    result_.box[side] = MakeBoxFigures(result_.counts[side]);
  result_.lines.emplace_back();
  for (std::string& line : TeamBoxLines(std::string(NameOf(0)), std::string(NameOf(1)), result_))
    result_.lines.push_back(std::move(line));
  return std::move(result_);
}

// ---------------------------------------------------------------- kicks

void GameSim::KickoffPlay(bool freeKick) {
  const int k = kicker_;
  const int r = 1 - k;
  const int spot = freeKick ? 20 : 35;
  off_ = k;
  PlayText play;
  play.header =
      text::KickoffHeader(text::ScoreClause(score_[0], score_[1], period_, clock_), spot, freeKick);
  const int behind = score_[r] - score_[k];
  const bool onside = !freeKick && period_ == 4 && clock_ <= 300 && behind > 0 && behind <= 16;
  if (onside && random_.Percent(20)) {
    play.description = "The kickoff was RECOVERED by the kicking team!  ";
    const int newBall = spot + random_.Between(10, 13);
    play.gains = text::BallOn(newBall);
    RunClock(random_.Between(3, 5), false, k, play);
    ball_ = newBall;
    SetFirstDown(newBall);
    next_ = Next::kScrimmage;
    FinishPlay(play);
    return;
  }
  const int catchAt =
      100 - spot -
      (onside ? random_.Between(10, 14) : random_.Between(freeKick ? 40 : 50, freeKick ? 60 : 76));
  if (!onside && catchAt <= 0 && (catchAt <= -6 || random_.Percent(65))) {
    play.description = "The kickoff was not fielded... touchback.  ";
    play.gains = text::Placed(20);
    RunClock(0, false, k, play);
    ChangePossession(20);
    FinishPlay(play);
    return;
  }

  const auto& returners = TeamOf(r).depth.kickReturners;
  const int returner = returners[random_.Between(0, 1)];
  int yards = onside
                  ? random_.Between(0, 6)
                  : random_.Between(12, 28) + (random_.Percent(12) ? random_.Between(5, 25) : 0) +
                        (random_.Percent(2) ? random_.Between(20, 70) : 0);
  if (catchAt + yards < 1) yards = 1 - catchAt;
  const bool touchdown = catchAt + yards >= 100;
  if (touchdown) yards = 100 - catchAt;
  const int finalSpot = catchAt + yards;

  play.description = "The kickoff was taken by " + Tok(r, returner);
  bool inBounds = false;
  if (touchdown) {
    play.description += "... TOUCHDOWN!  ";
  } else {
    const int how = random_.Between(1, 100);
    if (how <= 72) {
      const int tackler = PickCoverage(k);
      play.description += "... " + Tok(k, tackler) + text::TackleVerb(yards, random_);
      Stats(k, tackler).tackles++;
      Stats(k, tackler).specialTeamsTackles++;
      inBounds = true;
    } else if (how <= 80) {
      const int tackler = PickCoverage(k);
      play.description += "... " + Tok(k, tackler) + text::PushedOutVerb(yards, random_);
      Stats(k, tackler).tackles++;
      Stats(k, tackler).specialTeamsTackles++;
    } else if (how <= 90) {
      play.description += text::SomebodyTackled(yards, random_);
      inBounds = true;
    } else {
      play.description += "... he went out of bounds.  ";
    }
  }
  play.gains = touchdown ? text::ReturnToEndZone(yards, random_)
                         : text::ReturnGain(yards, finalSpot, random_);
  PlayerTotals& stats = Stats(r, returner);
  stats.kickReturns++;
  stats.kickReturnYards += yards;
  result_.counts[r].kickReturns++;
  result_.counts[r].kickReturnYards += yards;

  if (touchdown) {
    stats.kickReturnTouchdowns++;
    off_ = r;
    AddScore(r, 6, "kickoff return touchdown", yards, {returner});
    next_ = Next::kTry;
  } else {
    ChangePossession(finalSpot);
  }
  RunClock(touchdown ? random_.Between(11, 15) : random_.Between(5, 10), inBounds, k, play);
  FinishPlay(play);
}

void GameSim::TryPlay() {
  const int o = off_;
  const int d = 1 - o;
  const DepthChart& depth = TeamOf(o).depth;
  PlayText play;
  play.header = text::TryHeader(text::ScoreClause(score_[0], score_[1], period_, clock_));
  const int lead = score_[o] - score_[d];
  const bool goForTwo = random_.Percent(4) ||
                        (period_ == 4 && clock_ <= 600 && (lead == -2 || lead == -5 || lead == 1));
  if (!goForTwo) {
    const int k = depth.kicker;
    PlayerTotals& stats = Stats(o, k);
    stats.extraPointsAttempted++;
    const int roll = random_.Between(1, 100);
    if (roll <= 2) {
      play.description =
          Tok(o, k) + "'s extra point was BLOCKED by " + Tok(d, PickLineman(d)) + ".  ";
    } else if (roll <= 6) {
      play.description = Tok(o, k) + "'s extra point was NO GOOD.  ";
    } else {
      play.description = Tok(o, k) + "'s extra point was GOOD!  ";
      stats.extraPointsMade++;
      result_.counts[o].extraPoints++;
      AddScore(o, 1, "extra point", 0, {k});
    }
  } else if (random_.Percent(50)) {
    const bool quarterback = random_.Percent(15);
    const int runner = quarterback ? depth.quarterback : PickRusher(o);
    const std::string start = quarterback ? "The snap was taken by " + Tok(o, runner) + "... "
                                          : Tok(o, runner) + " took the hand-off... ";
    PlayerTotals& stats = Stats(o, runner);
    stats.twoPointRushAttempts++;
    if (random_.Percent(45)) {
      play.description = start + "extra point GOOD!  ";
      stats.twoPointRushesMade++;
      AddScore(o, 2, "two-point run", 0, {runner});
    } else {
      play.description = start + Tok(d, PickRunTackler(d, 0)) + text::TackleVerb(0, random_);
    }
  } else {
    const int passer = depth.quarterback;
    PlayerTotals& stats = Stats(o, passer);
    stats.twoPointPassAttempts++;
    const int roll = random_.Between(1, 100);
    if (roll <= 45) {
      const int receiver = PickReceiver(o);
      play.description =
          Tok(o, passer) + "'s pass was caught by " + Tok(o, receiver) + "... extra point GOOD!  ";
      stats.twoPointPassesMade++;
      Stats(o, receiver).twoPointTargets++;
      Stats(o, receiver).twoPointReceptions++;
      AddScore(o, 2, "two-point pass", 0, {passer, receiver});
    } else if (roll <= 72) {
      play.description = Tok(o, passer) + "'s pass was incomplete.  ";
    } else if (roll <= 88) {
      play.description = Tok(o, passer) + "'s pass was broken-up by " +
                         Tok(d, PickPassDefender(d)) + "... incomplete.  ";
    } else {
      const int receiver = PickReceiver(o);
      Stats(o, receiver).twoPointTargets++;
      play.description = Tok(o, passer) + "'s pass was caught by " + Tok(o, receiver) + "... " +
                         Tok(d, PickPassTackler(d)) + text::TackleVerb(1, random_);
    }
  }
  // A try has no gains line and takes no time.
  next_ = Next::kKickoff;
  kicker_ = o;
  FinishPlay(play);
}

void GameSim::PuntPlay(PlayText& play) {
  const int o = off_;
  const int d = 1 - o;
  const int punter = TeamOf(o).depth.punter;
  const int from = ball_;
  Stats(o, punter).punts++;
  result_.counts[o].punts++;
  play.description = Tok(o, punter);

  int landing = from + random_.Between(34, 50) + (random_.Percent(15) ? random_.Between(1, 8) : 0);
  if (landing >= 100 && random_.Percent(70)) {
    play.description += "... the punt was not fielded... touchback.  ";
    play.gains = text::Placed(20);
    result_.counts[o].puntYards += 100 - from;
    RunClock(random_.Between(6, 9), false, o, play);
    ChangePossession(20);
    FinishPlay(play);
    return;
  }
  if (landing >= 100) landing = random_.Between(95, 99);  // downed near the goal line
  result_.counts[o].puntYards += landing - from;
  const int receiveAt = 100 - landing;

  const int how = landing >= 95 ? random_.Between(56, 100) : random_.Between(1, 100);
  int newBall = receiveAt;
  bool inBounds = false;
  bool touchdown = false;
  int returner = -1;
  int yards = 0;
  if (how <= 55) {
    returner = TeamOf(d).depth.puntReturner;
    yards = random_.Between(0, 12) + (random_.Percent(12) ? random_.Between(5, 20) : 0) +
            (random_.Percent(2) ? random_.Between(20, 80) : 0);
    touchdown = receiveAt + yards >= 100;
    if (touchdown) yards = 100 - receiveAt;
    newBall = receiveAt + yards;
    play.description += "... the punt was taken by " + Tok(d, returner);
    if (touchdown) {
      play.description += "... TOUCHDOWN!  ";
    } else {
      const int end = random_.Between(1, 100);
      if (end <= 70) {
        const int tackler = PickCoverage(o);
        play.description += "... " + Tok(o, tackler) + text::TackleVerb(yards, random_);
        Stats(o, tackler).tackles++;
        Stats(o, tackler).specialTeamsTackles++;
        inBounds = true;
      } else if (end <= 85) {
        play.description += "... he went out of bounds.  ";
      } else {
        play.description += text::SomebodyTackled(yards, random_);
        inBounds = true;
      }
    }
    play.gains = touchdown ? text::ReturnToEndZone(yards, random_)
                           : text::ReturnGain(yards, newBall, random_);
    PlayerTotals& stats = Stats(d, returner);
    stats.puntReturns++;
    stats.puntReturnYards += yards;
    if (touchdown) stats.puntReturnTouchdowns++;
    result_.counts[d].puntReturns++;
    result_.counts[d].puntReturnYards += yards;
  } else if (how <= 75) {
    const int catcher = TeamOf(d).depth.puntReturner;
    play.description +=
        "... the punt was taken by " + Tok(d, catcher) + "... he downed it after a FAIR CATCH.  ";
    play.gains = text::BallOn(landing);
    Stats(d, catcher).fairCatches++;
  } else if (how <= 90) {
    play.description += "... the punt was downed.  ";
    play.gains = text::BallOn(landing);
  } else {
    play.description += "... the punt was not fielded... the ball went out of bounds.  ";
    play.gains = text::BallOn(landing);
  }
  if (touchdown) {
    off_ = d;
    AddScore(d, 6, "punt return touchdown", yards, {returner});
    next_ = Next::kTry;
  } else {
    ChangePossession(newBall);
  }
  RunClock(random_.Between(7, 11) + yards / 8, inBounds, o, play);
  FinishPlay(play);
}

void GameSim::FieldGoalPlay(PlayText& play) {
  const int o = off_;
  const int d = 1 - o;
  const int k = TeamOf(o).depth.kicker;
  const int length = 100 - ball_ + 17;
  PlayerTotals& stats = Stats(o, k);
  stats.fieldGoalsAttempted++;
  result_.counts[o].fieldGoalsAttempted++;
  const int chance = length <= 29 ? 96 : length <= 39 ? 88 : length <= 49 ? 74 : 52;
  const int roll = random_.Between(1, 100);
  if (roll <= 2) {
    play.description = Tok(o, k) + "'s field goal was BLOCKED by " + Tok(d, PickLineman(d)) + ".  ";
    const int newBall = 107 - ball_;  // the spot of the kick, seen from the defense
    play.gains = text::TurnedOver(newBall);
    RunClock(random_.Between(4, 7), false, o, play);
    ChangePossession(newBall);
  } else if (roll <= 2 + chance) {
    play.description = Tok(o, k) + "'s field goal was GOOD!  ";
    play.gains = text::KickLength(length, random_);
    stats.fieldGoalsMade++;
    result_.counts[o].fieldGoalsMade++;
    result_.counts[o].fieldGoalYards += length;
    RunClock(random_.Between(4, 6), false, o, play);
    AddScore(o, 3, "field goal", length, {k});
    next_ = Next::kKickoff;
    kicker_ = o;
  } else {
    play.description = Tok(o, k) + "'s field goal was NO GOOD.  ";
    play.gains = text::KickLength(length, random_);
    RunClock(random_.Between(4, 6), false, o, play);
    ChangePossession(std::max(20, 107 - ball_));
  }
  FinishPlay(play);
}

GameSim::Call GameSim::ChooseCall() {
  const int lead = score_[off_] - score_[1 - off_];
  const bool inRange = ball_ >= 65;  // a kick of 52 yards or less
  const bool late = period_ >= 4 && clock_ <= 300;
  const bool overtime = period_ >= 5;
  if (down_ == 4) {
    if (late && !overtime && lead < 0 && (lead < -3 || !inRange)) return Call::kPass;
    if (inRange && (overtime || !(toGo_ <= 1 && ball_ >= 97 && random_.Percent(40))))
      return Call::kFieldGoal;
    if (toGo_ <= 2 && ball_ >= 45 && random_.Percent(45)) return Call::kRun;
    if (toGo_ == 1 && ball_ >= 30 && random_.Percent(15)) return Call::kRun;
    if (inRange) return Call::kFieldGoal;
    return Call::kPunt;
  }
  const bool lastSeconds = clock_ <= 12 && (period_ == 2 || period_ >= 4);
  if (inRange && lastSeconds && (period_ == 2 || overtime || (lead >= -3 && lead <= 0)))
    return Call::kFieldGoal;
  if (overtime && inRange && down_ == 3) return Call::kFieldGoal;
  int pass = 50;
  if (down_ >= 2 && toGo_ >= 7) pass = 70;
  if (toGo_ <= 2) pass = 30;
  if (late && lead <= 0) pass = 75;
  if (late && lead > 0) pass = 25;
  if (period_ == 2 && clock_ <= 120) pass = 70;
  if (random_.Percent(pass)) return Call::kPass;
  return random_.Percent(8) ? Call::kQuarterbackRun : Call::kRun;
}

// ------------------------------------------------- clock, periods, lines

void GameSim::RunClock(int action, bool running, int possessor, PlayText& play) {
  const int start = clock_;
  const int end = std::max(0, clock_ - action);
  int nextSnap = end;
  if (end > 0 && running) nextSnap = end - random_.Between(24, 38);
  const bool warningPeriod = period_ == 2 || period_ >= 4;
  if (warningPeriod && !warned_ && start > 120 && nextSnap <= 120 && end > 0) {
    warned_ = true;
    nextSnap = std::min(end, 120);
    play.extras.push_back(period_ == 2   ? "Two minutes left in the first half."
                          : period_ == 4 ? "Two minutes left in the fourth quarter."
                                         : "Two minutes left in the overtime period.");
  } else if (end > 0 && running) {
    const int caller = WantsTimeOut(end);
    if (caller >= 0) {
      timeouts_[caller]--;
      nextSnap = end;
      play.extras.push_back(text::TimeOut(NameOf(caller)));
    }
  }
  clock_ = std::max(0, nextSnap);
  result_.counts[possessor].possessionSeconds += start - clock_;
}

int GameSim::WantsTimeOut(int end) {
  const int o = off_;
  const int d = 1 - o;
  const int lead = score_[o] - score_[d];
  const bool late = end <= 120 && (period_ == 2 || period_ >= 4);
  if (late && timeouts_[o] > 0 && (period_ == 2 ? ball_ >= 40 : lead <= 0)) return o;
  if (late && period_ >= 4 && timeouts_[d] > 0 && lead > 0) return d;
  if (timeouts_[o] > 0 && random_.Between(1, 300) == 1) return o;
  return -1;
}

void GameSim::FinishPlay(PlayText& play) {
  if (decided_) {
    play.extras.push_back("The game is over.");
    over_ = true;
  } else if (clock_ == 0 && next_ != Next::kTry) {
    EndPeriod(play);
  }
  Emit(play);
}

void GameSim::EndPeriod(PlayText& play) {
  warned_ = false;
  switch (period_) {
    case 1:
      play.extras.push_back("The first quarter is over.");
      break;
    case 2:
      play.extras.push_back("The first half is over.");
      timeouts_ = {3, 3};
      next_ = Next::kKickoff;
      kicker_ = 1 - openingKicker_;
      break;
    case 3:
      play.extras.push_back("The third quarter is over.");
      break;
    case 4:
      play.extras.push_back("The fourth quarter is over.");
      if (score_[0] == score_[1] && random_.Chance(settings_.overtimeRate)) {
        play.extras.push_back("An overtime period will be played.");
        StartOvertime();
      } else {
        play.extras.push_back("The game is over.");
        over_ = true;
      }
      return;
    default:
      play.extras.push_back("The overtime period is over.");
      if (result_.overtimePeriods < kMaxOvertimes && random_.Chance(settings_.overtimeRate)) {
        play.extras.push_back("Another overtime period will be played.");
        StartOvertime();
      } else {
        play.extras.push_back("The game is over.");
        over_ = true;
      }
      return;
  }
  ++period_;
  clock_ = kPeriodSeconds;
}

void GameSim::StartOvertime() {
  ++period_;
  ++result_.overtimePeriods;
  clock_ = kPeriodSeconds;
  timeouts_ = {2, 2};
  next_ = Next::kKickoff;
  kicker_ = random_.Between(0, 1);
}

void GameSim::Emit(const PlayText& play) {
  result_.lines.push_back(play.header);
  result_.lines.push_back(play.description);
  result_.lines.push_back(play.gains);  // empty: the play has no gains line
  for (const std::string& line : play.extras)
    result_.lines.push_back(line);
}

void GameSim::AddScore(int side, int points, const char* kind, int yards,
                       std::vector<int> entries) {
  score_[side] += points;
  if (period_ <= 4) {
    result_.quarterPoints[side][period_ - 1] += points;
  } else {
    result_.overtimePoints[side] += points;
  }
  TeamCounts& counts = result_.counts[side];
  counts.points += points;
  if (points == 6) counts.touchdowns++;
  if (std::string_view(kind) == "safety") counts.safeties++;
  ScoringPlay scoring;
  scoring.period = period_;
  scoring.clock = snapClock_;
  scoring.side = side;
  scoring.kind = kind;
  scoring.points = points;
  scoring.yards = yards;
  for (const int entry : entries)
    scoring.players.push_back({side, entry});
  scoring.visitingScore = score_[0];
  scoring.homeScore = score_[1];
  result_.scoring.push_back(std::move(scoring));
  if (period_ >= 5) decided_ = true;
}

void GameSim::SetFirstDown(int newBall) {
  ball_ = newBall;
  down_ = 1;
  toGo_ = std::min(10, 100 - newBall);
}

void GameSim::ChangePossession(int newBall) {
  off_ = 1 - off_;
  SetFirstDown(newBall);
  next_ = Next::kScrimmage;
}

GameResult SimulateGame(const std::vector<Team>& teams, const ScheduledGame& game,
                        const std::array<std::string, 2>& records, const GameSettings& settings,
                        std::uint64_t seed,
                        std::vector<std::array<PlayerTotals, kRosterEntries>>& totals) {
  GameSim sim(teams, game, records, settings, seed, totals);
  return sim.Run();
}

}  // namespace yl::sim
