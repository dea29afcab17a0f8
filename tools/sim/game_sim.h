// The state machine that plays one game: kick-offs, scrimmage downs, kicks,
// tries, penalties, the clock and the periods. Each play is written as the
// lines of one play block, and credited to its players and teams.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"
#include "random.h"

namespace yl::sim {

// The lines of one play block; an empty gains text stands for no gains line.
struct PlayText {
  std::string header;
  std::string description;
  std::string gains;
  std::vector<std::string> extras;
};

// How a ball carrier's run or a return ended.
enum class Ending {
  kNone,         // nothing more is said (a return that ends where it began)
  kTackled,      // a named tackler
  kTackledForm,  // "#55-Hill tackled #33-Carter.  "
  kPushedOut,    // a named tackler pushed him out of bounds
  kSomebody,     // tackled, nobody named
  kOutOfBounds,  // he went out of bounds
  kTouchdown,
  kSafety,
};

// A fumble, and who ended up with the ball.
enum class Loose { kNone, kOwn, kTeammate, kLost };

// One run or pass play before it is written or credited.
struct Snap {
  enum class Kind {
    kRun,
    kQuarterbackRun,
    kComplete,
    kIncomplete,
    kBrokenUp,
    kDropped,
    kBatted,
    kIntercepted,
    kSack,
  };
  Kind kind = Kind::kRun;
  int carrier = -1;   // offense entry: rusher, receiver or target
  int defender = -1;  // defense entry: tackler, breaker, batter, interceptor or sacker
  int gain = 0;       // yards for the offense
  Ending ending = Ending::kNone;
  bool pressure = false;
  Loose loose = Loose::kNone;
  int recoverer = -1;  // offense entry (own, teammate) or defense entry (lost)
  int turnSpot = 0;    // offense coordinates where the defense got the ball
  int returnYards = 0;
  Ending returnEnding = Ending::kNone;
  int returnTackler = -1;  // offense entry
  int action = 0;          // seconds the play took
  bool clockRuns = false;  // the clock keeps running until the next snap

  bool IsRun() const { return kind == Kind::kRun || kind == Kind::kQuarterbackRun; }
  bool IsIncomplete() const {
    return kind == Kind::kIncomplete || kind == Kind::kBrokenUp || kind == Kind::kDropped ||
           kind == Kind::kBatted;
  }
};

// A penalty flag.
struct Foul {
  enum class Kind {
    kFalseStart,
    kDelayOfGame,
    kIllegalFormation,
    kOffsides,
    kHolding,
    kIllegalHands,
    kOffensiveInterference,
    kIneligibleDownfield,
    kIntentionalGrounding,
    kDefensiveHolding,
    kPersonalFoul,
    kFaceMask,
    kUnsportsmanlike,
    kDefensiveInterference,
  };
  Kind kind = Kind::kHolding;
  bool byOffense = true;
  int fouler = -1;  // entry on the fouling team; -1: the team itself
  int yards = 0;    // after halving the distance to the goal
  bool automaticFirstDown = false;
  bool lossOfDown = false;
  bool placement = false;  // defensive pass interference: the ball goes to placeSpot
  int placeSpot = 0;       // offense coordinates
  bool accepted = true;
};

class GameSim {
 public:
  GameSim(const std::vector<Team>& teams, const ScheduledGame& game,
          const std::array<std::string, 2>& records, const GameSettings& settings,
          std::uint64_t seed, std::vector<std::array<PlayerTotals, kRosterEntries>>& totals);
  GameResult Run();

 private:
  enum class Next { kKickoff, kFreeKick, kTry, kScrimmage };
  enum class Call { kRun, kQuarterbackRun, kPass, kPunt, kFieldGoal };

  // Plays (game.cpp).
  void KickoffPlay(bool freeKick);
  void TryPlay();
  void PuntPlay(PlayText& play);
  void FieldGoalPlay(PlayText& play);
  Call ChooseCall();

  // Scrimmage downs and penalties (scrimmage.cpp).
  void ScrimmagePlay();
  Snap SimulateRun(bool quarterback);
  Snap SimulatePass();
  void LoseBall(Snap& snap);
  std::string Describe(const Snap& snap);
  std::string ReturnEndingText(const Snap& snap, int tacklerSide);
  void Credit(const Snap& snap);
  void Advance(const Snap& snap, PlayText& play);
  bool PreSnapFoul(PlayText& play);
  std::optional<Foul> ChooseFoul(const Snap& snap);
  bool SetFoulYards(Foul& foul);
  void WriteFoul(const Foul& foul, PlayText& play);
  void EnforceFoul(const Foul& foul);

  // The clock, the periods and the lines (game.cpp).
  void RunClock(int action, bool running, int possessor, PlayText& play);
  int WantsTimeOut(int end);
  void FinishPlay(PlayText& play);
  void EndPeriod(PlayText& play);
  void StartOvertime();
  void Emit(const PlayText& play);
  void AddScore(int side, int points, const char* kind, int yards, std::vector<int> entries);
  void ChangePossession(int newBall);
  void SetFirstDown(int newBall);

  // Who takes part (game.cpp).
  const Team& TeamOf(int side) const { return teams_[side == 0 ? game_.visiting : game_.home]; }
  const Player& PlayerOf(int side, int entry) const { return TeamOf(side).entries[entry]; }
  std::string Tok(int side, int entry) const;
  std::string_view NameOf(int side) const { return TeamOf(side).name; }
  PlayerTotals& Stats(int side, int entry);
  int PickRusher(int side);
  int PickReceiver(int side);
  int PickRunTackler(int side, int gain);
  int PickPassTackler(int side);
  int PickSacker(int side);
  int PickInterceptor(int side);
  int PickPassDefender(int side);
  int PickLineman(int side);
  int PickAnyDefender(int side);
  int PickCoverage(int side);
  int PickOffenseTackler(int side);
  int PickTeammate(int side, int besides);
  int Edge() const { return TeamOf(off_).offense - TeamOf(1 - off_).defense; }

  const std::vector<Team>& teams_;
  ScheduledGame game_;
  GameSettings settings_;
  Random random_;
  std::vector<std::array<PlayerTotals, kRosterEntries>>& totals_;
  GameResult result_;

  int off_ = 0;    // the side with the ball (0 visiting, 1 home)
  int ball_ = 25;  // yards from the offense's own goal line
  int down_ = 1;
  int toGo_ = 10;
  int period_ = 1;  // 5 and above: overtime periods
  int clock_ = 900;
  int snapClock_ = 900;
  std::array<int, 2> score_{};
  std::array<int, 2> timeouts_{3, 3};
  bool warned_ = false;  // the two-minute warning of this period was given
  int openingKicker_ = 0;
  int kicker_ = 0;  // the side that kicks off next
  Next next_ = Next::kKickoff;
  bool decided_ = false;  // a score in overtime
  bool over_ = false;
};

}  // namespace yl::sim
