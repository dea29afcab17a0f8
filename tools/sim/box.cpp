// The team box after "The game is over.": 35 lines in a fixed order, the
// visiting team's figures first, then the points by quarter.
#include <algorithm>
#include <cstdio>

#include "game.h"

namespace yl::sim {

namespace {

std::string Decimal(double value, int places) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
  return buffer;
}

std::string Ratio(int part, int whole, int places) {
  return Decimal(whole == 0 ? 0.0 : static_cast<double>(part) / whole, places);
}

std::string Pair(int a, int b, char separator) {
  const std::string second = std::to_string(b);
  return std::to_string(a) + separator + (separator == ':' && b < 10 ? "0" : "") + second;
}

std::string PadRight(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

BoxFigures MakeBoxFigures(const TeamCounts& c) {
  BoxFigures b;
  b.rushingYards = c.rushingYards;
  b.rushingPlays = c.rushingPlays;
  b.passingYards = c.passingYards;
  b.passingPlays = c.passingPlays;
  b.completions = c.completions;
  b.attempts = c.attempts;
  b.timesSacked = c.timesSacked;
  b.intercepted = c.intercepted;
  b.fumbles = c.fumbles;
  b.fumblesLost = c.fumblesLost;
  b.firstDowns = c.firstDowns;
  b.thirdDownEfficiency = Ratio(c.thirdDownConversions, c.thirdDownAttempts, 2);
  b.punts = c.punts;
  b.yardsPerPunt = Ratio(c.puntYards, c.punts, 1);
  b.netYards = c.rushingYards + c.passingYards;
  b.yardsPerPuntReturn = Ratio(c.puntReturnYards, c.puntReturns, 1);
  b.yardsPerKickReturn = Ratio(c.kickReturnYards, c.kickReturns, 1);
  b.yardsPerTurnover = Ratio(b.netYards, c.intercepted + c.fumblesLost, 1);
  b.touchdowns = c.touchdowns;
  b.extraPoints = c.extraPoints;
  b.fieldGoalsMade = c.fieldGoalsMade;
  b.fieldGoalsAttempted = c.fieldGoalsAttempted;
  b.yardsPerFieldGoal = Ratio(c.fieldGoalYards, c.fieldGoalsMade, 1);
  b.safeties = c.safeties;
  b.penalties = c.penalties;
  b.penaltyYards = c.penaltyYards;
  b.totalPlays = c.rushingPlays + c.passingPlays;
  b.timeMinutes = c.possessionSeconds / 60;
  b.timeSeconds = c.possessionSeconds % 60;
  b.totalYards = b.netYards + c.puntReturnYards + c.kickReturnYards + c.otherReturnYards;
  b.points = c.points;
  b.yardsPerRush = Ratio(c.rushingYards, c.rushingPlays, 1);
  b.yardsPerPass = Ratio(c.passingYards, c.passingPlays, 1);
  b.completionPercentage = Ratio(c.completions, c.attempts, 2);
  return b;
}

std::vector<std::string> TeamBoxLines(const std::string& visiting, const std::string& home,
                                      const GameResult& result) {
  const BoxFigures& v = result.box[0];
  const BoxFigures& h = result.box[1];
  const std::size_t width = std::max<std::size_t>({10, visiting.size(), home.size()});
  std::vector<std::string> lines;
  const auto row = [&](const char* label, const std::string& a, const std::string& b) {
    lines.push_back(PadRight(label, 24) + PadLeft(a, width) + "   " + PadLeft(b, width));
  };
  const auto count = [&](const char* label, int a, int b) {
    row(label, std::to_string(a), std::to_string(b));
  };
  const std::string rule(24 + 2 * width + 3, '-');
  lines.push_back(std::string(24, ' ') + PadLeft(visiting, width) + "   " + PadLeft(home, width));
  lines.push_back(rule);
  count("Rushing Yards", v.rushingYards, h.rushingYards);
  count("Rushing Plays", v.rushingPlays, h.rushingPlays);
  row("Yards Per Rush", v.yardsPerRush, h.yardsPerRush);
  count("Passing Yards", v.passingYards, h.passingYards);
  count("Passing Plays", v.passingPlays, h.passingPlays);
  row("Yards Per Pass", v.yardsPerPass, h.yardsPerPass);
  row("Passes (Comp/Atts)", Pair(v.completions, v.attempts, '/'),
      Pair(h.completions, h.attempts, '/'));
  row("Completion Percentage", v.completionPercentage, h.completionPercentage);
  count("Sacked", v.timesSacked, h.timesSacked);
  count("Intercepted", v.intercepted, h.intercepted);
  row("Fumbles (No/Lost)", Pair(v.fumbles, v.fumblesLost, '/'),
      Pair(h.fumbles, h.fumblesLost, '/'));
  count("First Downs", v.firstDowns, h.firstDowns);
  // Read from its eleventh byte on: the label holds a digit.
  row("3rd Down Efficiency", v.thirdDownEfficiency, h.thirdDownEfficiency);
  count("Punts", v.punts, h.punts);
  row("Yards Per Punt", v.yardsPerPunt, h.yardsPerPunt);
  count("Net Yards", v.netYards, h.netYards);
  row("Yards Per Punt Return", v.yardsPerPuntReturn, h.yardsPerPuntReturn);
  row("Yards Per Kick Return", v.yardsPerKickReturn, h.yardsPerKickReturn);
  row("Yards Per Turnover", v.yardsPerTurnover, h.yardsPerTurnover);
  count("Touchdowns", v.touchdowns, h.touchdowns);
  count("Extra Points", v.extraPoints, h.extraPoints);
  row("Field Goals (No/Atts)", Pair(v.fieldGoalsMade, v.fieldGoalsAttempted, '/'),
      Pair(h.fieldGoalsMade, h.fieldGoalsAttempted, '/'));
  row("Yards Per Field Goal", v.yardsPerFieldGoal, h.yardsPerFieldGoal);
  count("Safeties", v.safeties, h.safeties);
  row("Penalties (No/Yards)", Pair(v.penalties, v.penaltyYards, '/'),
      Pair(h.penalties, h.penaltyYards, '/'));
  count("Total Plays", v.totalPlays, h.totalPlays);
  row("Total Time", Pair(v.timeMinutes, v.timeSeconds, ':'),
      Pair(h.timeMinutes, h.timeSeconds, ':'));
  count("Total Yards", v.totalYards, h.totalYards);
  count("Points", v.points, h.points);
  lines.push_back(rule);

  // The quarter table: its points are read from the twelfth byte on, so the
  // name column is at least eleven wide; the heading holds an "O" only when
  // there is an overtime column.
  const bool overtime = result.overtimePeriods > 0;
  const std::size_t column = std::max<std::size_t>({11, visiting.size(), home.size()});
  lines.push_back(std::string(column, ' ') + "   1st   2nd   3rd   4th" +
                  (overtime ? "    OT" : "") + "   Final");
  for (int side = 0; side < 2; ++side) {
    std::string line = PadRight(side == 0 ? visiting : home, column);
    for (const int points : result.quarterPoints[side])
      line += PadLeft(std::to_string(points), 6);
    if (overtime) line += PadLeft(std::to_string(result.overtimePoints[side]), 6);
    line += PadLeft(std::to_string(result.score[side]), 8);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace yl::sim
