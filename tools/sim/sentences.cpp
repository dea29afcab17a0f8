// The sentence templates of the transcript language.
#include "sentences.h"

#include <array>

namespace yl::sim::text {

namespace {

constexpr std::array<std::string_view, 5> kOrdinals = {"th", "st", "nd", "rd", "th"};

template <std::size_t N>
std::string PickOf(const std::array<std::string_view, N>& texts, Random& random) {
  return std::string(texts[random.Between(0, static_cast<int>(N) - 1)]);
}

constexpr std::array<std::string_view, 7> kStopVerbs = {
    " stuffed him.  ",  " stopped him dead.  ", " slammed him.  ", " crushed him.  ",
    " hit him hard.  ", " hammered him.  ",     " tackled him.  "};
constexpr std::array<std::string_view, 13> kShortVerbs = {
    " tackled him.  ",      " took him down.  ",   " brought him down.  ", " knocked him down.  ",
    " dragged him down.  ", " pulled him down.  ", " tripped him up.  ",   " up-ended him.  ",
    " hit him hard.  ",     " hammered him.  ",    " crunched him.  ",     " battered him.  ",
    " slammed him.  "};
constexpr std::array<std::string_view, 8> kLongVerbs = {
    " finally tackled him.  ",      " finally took him down.  ",    " finally brought him down.  ",
    " finally knocked him down.  ", " finally dragged him down.  ", " finally pulled him down.  ",
    " finally tripped him up.  ",   " finally up-ended him.  "};
constexpr std::array<std::string_view, 13> kSafetyVerbs = {
    " brought him down for a SAFETY!  ", " stopped him dead for a SAFETY!  ",
    " knocked him down for a SAFETY!  ", " dragged him down for a SAFETY!  ",
    " pulled him down for a SAFETY!  ",  " tripped him up for a SAFETY!  ",
    " took him down for a SAFETY!  ",    " up-ended him for a SAFETY!  ",
    " hammered him for a SAFETY!  ",     " crushed him for a SAFETY!  ",
    " tackled him for a SAFETY!  ",      " stuffed him for a SAFETY!  ",
    " slammed him for a SAFETY!  "};
constexpr std::array<std::string_view, 13> kSomebodyShort = {
    "... somebody tackled him.  ",
    "... somebody took him down.  ",
    "... somebody brought him down.  ",
    "... somebody knocked him down.  ",
    "... somebody dragged him down.  ",
    "... somebody pulled him down.  ",
    "... somebody tripped him up.  ",
    "... somebody up-ended him.  ",
    "... somebody hit him hard.  ",
    "... somebody hammered him.  ",
    "... somebody crunched him.  ",
    "... somebody battered him.  ",
    "... somebody pushed him out of bounds.  "};
constexpr std::array<std::string_view, 5> kSomebodyStop = {
    "... somebody stuffed him.  ", "... somebody stopped him dead.  ",
    "... somebody slammed him.  ", "... somebody crushed him.  ", "... somebody tackled him.  "};
constexpr std::array<std::string_view, 9> kSomebodyLong = {
    "... somebody finally tackled him.  ",
    "... somebody finally took him down.  ",
    "... somebody finally brought him down.  ",
    "... somebody finally knocked him down.  ",
    "... somebody finally dragged him down.  ",
    "... somebody finally pulled him down.  ",
    "... somebody finally tripped him up.  ",
    "... somebody finally up-ended him.  ",
    "... somebody finally pushed him out of bounds.  "};

std::string Yards(int n, std::string_view one, std::string_view many) {
  return std::to_string(n) + std::string(n == 1 ? one : many);
}

}  // namespace

std::string Token(const Player& player) {
  return "#" + std::to_string(player.number) + "-" + player.name;
}

int YardNumber(int spot) {
  return spot <= 50 ? spot : 100 - spot;
}

std::string Clock(int secondsLeft) {
  const int seconds = secondsLeft % 60;
  return std::to_string(secondsLeft / 60) + ":" + (seconds < 10 ? "0" : "") +
         std::to_string(seconds);
}

std::string ScoreClause(int visiting, int home, int period, int secondsLeft) {
  std::string clause = "With the score " + std::to_string(visiting) + " to " + std::to_string(home);
  if (period <= 4) {
    clause += " in the " + std::to_string(period) + std::string(kOrdinals[period]) + " quarter, ";
  } else {
    clause += " in the OT period, ";
  }
  return clause + Clock(secondsLeft);
}

std::string ScrimmageHeader(const std::string& clause, int down, int toGo, int ball,
                            Random& random) {
  std::string header = clause + " on the clock, and " + std::to_string(down);
  const std::string ordinal(kOrdinals[down]);
  const bool goalToGo = toGo == 100 - ball;
  if (goalToGo) {
    if (ball == 99 && random.Percent(50))
      return header + ordinal + "-and-goal to go from the goal line...";
    return header + ordinal + "-and-goal to go from the " + std::to_string(toGo) + " yard line...";
  }
  if (toGo == 1 && random.Percent(30)) {
    if (ball < 50) {
      return header + ordinal + "-and-inches to go from their own " + std::to_string(ball) +
             " yard line...";
    }
    return header + ordinal + "-and-inches to go from the " + std::to_string(YardNumber(ball)) +
           " yard line...";
  }
  header += ordinal + "-and-" + std::to_string(toGo);
  if (ball == 1 && random.Percent(50)) return header + " to go from their own goal line...";
  if (ball < 50) return header + " to go from their own " + std::to_string(ball) + " yard line...";
  return header + " to go from the " + std::to_string(YardNumber(ball)) + " yard line...";
}

std::string KickoffHeader(const std::string& clause, int spot, bool freeKick) {
  if (freeKick)
    return clause + " on the clock, and free kicking from their own " + std::to_string(spot) +
           " yard line...";
  if (spot < 50)
    return clause + " on the clock, and kicking-off from their own " + std::to_string(spot) +
           " yard line...";
  return clause + " on the clock, and kicking-off from the " + std::to_string(YardNumber(spot)) +
         " yard line...";
}

std::string TryHeader(const std::string& clause) {
  return clause + " on the clock, and trying for an extra point from the 2 yard line...";
}

std::string TackleVerb(int gain, Random& random) {
  if (gain <= 0) return PickOf(kStopVerbs, random);
  if (gain >= 12 && random.Percent(80)) return PickOf(kLongVerbs, random);
  return PickOf(kShortVerbs, random);
}

std::string PushedOutVerb(int gain, Random& random) {
  if (gain >= 12 && random.Percent(60)) return " finally pushed him out of bounds.  ";
  return " pushed him out of bounds.  ";
}

std::string SafetyVerb(Random& random) {
  return PickOf(kSafetyVerbs, random);
}

std::string SomebodyTackled(int gain, Random& random) {
  if (gain <= 0) return PickOf(kSomebodyStop, random);
  if (gain >= 12 && random.Percent(70)) return PickOf(kSomebodyLong, random);
  return PickOf(kSomebodyShort, random);
}

std::string GainOnPlay(int gain, int spot) {
  const std::string ballOn =
      "  The ball is on the " + std::to_string(YardNumber(spot)) + " yard line.  ";
  if (gain == 0) return "No gain on the play." + ballOn;
  const std::string head = gain > 0 ? "Gain of " : "Loss of ";
  return head + Yards(gain > 0 ? gain : -gain, " yard on the play.", " yards on the play.") +
         ballOn;
}

std::string GainToEndZone(int gain) {
  return "Gain of " + Yards(gain, " yard on the play.  ", " yards on the play.  ");
}

std::string LossToSafety(int loss) {
  return "Loss of " + Yards(loss, " yard on the play.  ", " yards on the play.  ");
}

std::string ReturnGain(int yards, int spot, Random& random) {
  const std::string where = std::to_string(YardNumber(spot)) + " yard line.  ";
  if (yards == 0) return "No gain on the return.  The ball is on the " + where;
  if (yards >= 2 && random.Percent(30))
    return "The ball was returned " + std::to_string(yards) + " yards and is on the " + where;
  return "Gain of " +
         Yards(yards, " yard on the return.  The ball is on the ",
               " yards on the return.  The ball is on the ") +
         where;
}

std::string ReturnToEndZone(int yards, Random& random) {
  if (random.Percent(30)) return FumbleReturnToEndZone(yards);
  return "Gain of " + std::to_string(yards) + " yards on the return.  ";
}

std::string TurnedOver(int spot) {
  return "The ball was turned over and is on the " + std::to_string(YardNumber(spot)) +
         " yard line.  ";
}

std::string FumbleReturn(int yards, int spot) {
  return "The ball was returned " + std::to_string(yards) + " yards and is on the " +
         std::to_string(YardNumber(spot)) + " yard line.  ";
}

std::string FumbleReturnToEndZone(int yards) {
  return "The ball was returned " + std::to_string(yards) + " yards and is on the goal line.  ";
}

std::string Placed(int spot) {
  return "The ball will be placed on the " + std::to_string(YardNumber(spot)) + " yard line.  ";
}

std::string BallOn(int spot) {
  return "The ball is on the " + std::to_string(YardNumber(spot)) + " yard line.  ";
}

std::string KickLength(int yards, Random& random) {
  return "That was a " + std::to_string(yards) +
         (random.Percent(50) ? " yard attempt." : " yard kick.");
}

std::string TimeOut(std::string_view team) {
  return std::string(team) + " call time out.";
}

std::string Decision(std::string_view team, bool accepted, int yards, std::string_view tail) {
  return std::string(team) + (accepted ? " accepted" : " declined") + " the penalty which was " +
         std::to_string(yards) + std::string(tail);
}

std::string PlacementDecision(std::string_view team, bool accepted, int spot) {
  return std::string(team) + (accepted ? " accepted" : " declined") +
         " the penalty which was automatic placement on the " + std::to_string(YardNumber(spot)) +
         " yard line.";
}

}  // namespace yl::sim::text
