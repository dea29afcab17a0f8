// truth.json: what really happened in every game, for comparing with what
// the compiler makes of the transcripts.
#include <cstdio>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "season.h"
#include "sentences.h"

namespace yl::sim {

namespace {

// Members keep the order they are added in.
using Json = nlohmann::ordered_json;

const char* EllipsisName(EllipsisForm form) {
  switch (form) {
    case EllipsisForm::kDots:
      return "dots";
    case EllipsisForm::kByte:
      return "byte";
    case EllipsisForm::kMixed:
      return "mixed";
  }
  return "";
}

const char* LineEndName(LineEnd end) {
  switch (end) {
    case LineEnd::kLf:
      return "lf";
    case LineEnd::kCrLf:
      return "crlf";
    case LineEnd::kCr:
      return "cr";
    case LineEnd::kMixed:
      return "mixed";
  }
  return "";
}

std::string Rate(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", value);
  return buffer;
}

// A number as printed ("0.50", "1"): the JSON number that text reads as, so
// that the value and its kind (whole or not) stay those of the text.
Json Number(const std::string& text) {
  return Json::parse(text);
}

Json BoxJson(const BoxFigures& b) {
  return {{"rushingYards", b.rushingYards},
          {"rushingPlays", b.rushingPlays},
          {"yardsPerRush", Number(b.yardsPerRush)},
          {"passingYards", b.passingYards},
          {"passingPlays", b.passingPlays},
          {"yardsPerPass", Number(b.yardsPerPass)},
          {"completions", b.completions},
          {"attempts", b.attempts},
          {"completionPercentage", Number(b.completionPercentage)},
          {"timesSacked", b.timesSacked},
          {"intercepted", b.intercepted},
          {"fumbles", b.fumbles},
          {"fumblesLost", b.fumblesLost},
          {"firstDowns", b.firstDowns},
          {"thirdDownEfficiency", Number(b.thirdDownEfficiency)},
          {"punts", b.punts},
          {"yardsPerPunt", Number(b.yardsPerPunt)},
          {"netYards", b.netYards},
          {"yardsPerPuntReturn", Number(b.yardsPerPuntReturn)},
          {"yardsPerKickReturn", Number(b.yardsPerKickReturn)},
          {"yardsPerTurnover", Number(b.yardsPerTurnover)},
          {"touchdowns", b.touchdowns},
          {"extraPoints", b.extraPoints},
          {"fieldGoalsMade", b.fieldGoalsMade},
          {"fieldGoalsAttempted", b.fieldGoalsAttempted},
          {"yardsPerFieldGoal", Number(b.yardsPerFieldGoal)},
          {"safeties", b.safeties},
          {"penalties", b.penalties},
          {"penaltyYards", b.penaltyYards},
          {"totalPlays", b.totalPlays},
          {"timeMinutes", b.timeMinutes},
          {"timeSeconds", b.timeSeconds},
          {"totalYards", b.totalYards},
          {"points", b.points}};
}

// The whole-number box values of a team summed over its games.
Json SeasonBoxJson(const SeasonResult& season, int team) {
  BoxFigures sum;
  int seconds = 0;
  int against = 0;
  for (const GameResult& game : season.games) {
    for (int side = 0; side < 2; ++side) {
      if ((side == 0 ? game.game.visiting : game.game.home) != team) continue;
      const BoxFigures& b = game.box[side];
      sum.rushingYards += b.rushingYards;
      sum.rushingPlays += b.rushingPlays;
      sum.passingYards += b.passingYards;
      sum.passingPlays += b.passingPlays;
      sum.completions += b.completions;
      sum.attempts += b.attempts;
      sum.timesSacked += b.timesSacked;
      sum.intercepted += b.intercepted;
      sum.fumbles += b.fumbles;
      sum.fumblesLost += b.fumblesLost;
      sum.firstDowns += b.firstDowns;
      sum.punts += b.punts;
      sum.netYards += b.netYards;
      sum.touchdowns += b.touchdowns;
      sum.extraPoints += b.extraPoints;
      sum.fieldGoalsMade += b.fieldGoalsMade;
      sum.fieldGoalsAttempted += b.fieldGoalsAttempted;
      sum.safeties += b.safeties;
      sum.penalties += b.penalties;
      sum.penaltyYards += b.penaltyYards;
      sum.totalPlays += b.totalPlays;
      seconds += 60 * b.timeMinutes + b.timeSeconds;
      sum.totalYards += b.totalYards;
      sum.points += b.points;
      against += game.box[1 - side].points;
    }
  }
  return {{"rushingYards", sum.rushingYards},
          {"rushingPlays", sum.rushingPlays},
          {"passingYards", sum.passingYards},
          {"passingPlays", sum.passingPlays},
          {"completions", sum.completions},
          {"attempts", sum.attempts},
          {"timesSacked", sum.timesSacked},
          {"intercepted", sum.intercepted},
          {"fumbles", sum.fumbles},
          {"fumblesLost", sum.fumblesLost},
          {"firstDowns", sum.firstDowns},
          {"punts", sum.punts},
          {"netYards", sum.netYards},
          {"touchdowns", sum.touchdowns},
          {"extraPoints", sum.extraPoints},
          {"fieldGoalsMade", sum.fieldGoalsMade},
          {"fieldGoalsAttempted", sum.fieldGoalsAttempted},
          {"safeties", sum.safeties},
          {"penalties", sum.penalties},
          {"penaltyYards", sum.penaltyYards},
          {"totalPlays", sum.totalPlays},
          {"timeMinutes", seconds / 60},
          {"timeSeconds", seconds % 60},
          {"totalYards", sum.totalYards},
          {"points", sum.points},
          {"pointsAgainst", against}};
}

Json PlayerJson(const Team& team, const Player& player, const PlayerTotals& p) {
  Json json;
  json["team"] = team.name;
  json["number"] = player.number;
  json["name"] = player.name;
  json["position"] = PositionName(player);
  json["side"] = player.defense ? "defense" : "offense";
  json["rushing"] = {{"attempts", p.rushAttempts},
                     {"yards", p.rushYards},
                     {"touchdowns", p.rushTouchdowns},
                     {"longest", p.rushLongest == kNoLongest ? Json() : Json(p.rushLongest)}};
  json["passing"] = {{"attempts", p.passAttempts},
                     {"completions", p.completions},
                     {"yards", p.passYards},
                     {"touchdowns", p.passTouchdowns},
                     {"interceptions", p.interceptionsThrown},
                     {"timesSacked", p.timesSacked},
                     {"sackYardsLost", p.sackYardsLost}};
  json["receiving"] = {{"receptions", p.receptions},
                       {"yards", p.receivingYards},
                       {"touchdowns", p.receivingTouchdowns},
                       {"drops", p.drops}};
  json["kicking"] = {{"fieldGoalsAttempted", p.fieldGoalsAttempted},
                     {"fieldGoalsMade", p.fieldGoalsMade},
                     {"extraPointsAttempted", p.extraPointsAttempted},
                     {"extraPointsMade", p.extraPointsMade},
                     {"punts", p.punts}};
  json["returns"] = {{"kickReturns", p.kickReturns},
                     {"kickReturnYards", p.kickReturnYards},
                     {"kickReturnTouchdowns", p.kickReturnTouchdowns},
                     {"puntReturns", p.puntReturns},
                     {"puntReturnYards", p.puntReturnYards},
                     {"puntReturnTouchdowns", p.puntReturnTouchdowns},
                     {"fairCatches", p.fairCatches}};
  json["interceptions"] = {{"interceptions", p.interceptions},
                           {"returnYards", p.interceptionReturnYards},
                           {"touchdowns", p.interceptionTouchdowns}};
  json["defense"] = {{"tackles", p.tackles},
                     {"specialTeamsTackles", p.specialTeamsTackles},
                     {"sacks", p.sacks},
                     {"sackYards", p.sackYards},
                     {"passesDefensed", p.passesDefensed},
                     {"fumbleRecoveries", p.fumbleRecoveries},
                     {"fumbleReturnYards", p.fumbleReturnYards},
                     {"fumbleReturnTouchdowns", p.fumbleReturnTouchdowns}};
  json["fumbles"] = {{"fumbles", p.fumbles}, {"lost", p.fumblesLost}};
  json["penalties"] = {
      {"flagged", p.penalties}, {"accepted", p.penaltiesAccepted}, {"yards", p.penaltyYards}};
  json["twoPoint"] = {
      {"rushAttempts", p.twoPointRushAttempts}, {"rushesMade", p.twoPointRushesMade},
      {"passAttempts", p.twoPointPassAttempts}, {"passesMade", p.twoPointPassesMade},
      {"targets", p.twoPointTargets},           {"receptions", p.twoPointReceptions}};
  return json;
}

Json GameJson(const SeasonResult& season, std::size_t index) {
  const GameResult& game = season.games[index];
  const int number = static_cast<int>(index + 1);
  const std::string& visiting = season.teams[game.game.visiting].name;
  const std::string& home = season.teams[game.game.home].name;
  Json json;
  json["number"] = number;
  json["week"] = game.game.week;
  json["file"] = "games/" + GameFileName(number, visiting, home);
  json["visiting"] = visiting;
  json["home"] = home;
  json["visitingScore"] = game.score[0];
  json["homeScore"] = game.score[1];
  json["quarters"] = {{"visiting", game.quarterPoints[0]}, {"home", game.quarterPoints[1]}};
  json["overtimePeriods"] = game.overtimePeriods;
  json["overtime"] = game.overtimePeriods > 0 ? Json{{"visiting", game.overtimePoints[0]},
                                                     {"home", game.overtimePoints[1]}}
                                              : Json();
  json["hadFumble"] = game.hadFumble;
  json["hadPenalty"] = game.hadPenalty;
  Json& scoring = json["scoring"] = Json::array();
  for (const ScoringPlay& play : game.scoring) {
    Json players = Json::array();
    for (const PlayerRef& ref : play.players) {
      const Player& player =
          season.teams[ref.side == 0 ? game.game.visiting : game.game.home].entries[ref.entry];
      players.push_back({{"number", player.number}, {"name", player.name}});
    }
    scoring.push_back({{"period", play.period},
                       {"clock", text::Clock(play.clock)},
                       {"team", play.side == 0 ? visiting : home},
                       {"kind", play.kind},
                       {"points", play.points},
                       {"yards", play.yards},
                       {"players", std::move(players)},
                       {"visitingScore", play.visitingScore},
                       {"homeScore", play.homeScore}});
  }
  json["box"] = {{"visiting", BoxJson(game.box[0])}, {"home", BoxJson(game.box[1])}};
  return json;
}

}  // namespace

std::string TruthJson(const SeasonOptions& options, const SeasonResult& season) {
  Json json;
  json["generator"] = "yardledger-sim";
  json["seed"] = options.seed;
  json["options"] = {{"teams", options.teams},
                     {"games", season.games.size()},
                     {"ellipsis", EllipsisName(options.ellipsis)},
                     {"eol", LineEndName(options.eol)},
                     {"overtimeRate", Number(Rate(options.game.overtimeRate))},
                     {"penaltyRate", Number(Rate(options.game.penaltyRate))},
                     {"fumbleRate", Number(Rate(options.game.fumbleRate))}};

  Json& teams = json["teams"] = Json::array();
  for (std::size_t t = 0; t < season.teams.size(); ++t) {
    const Team& team = season.teams[t];
    teams.push_back({{"name", team.name},
                     {"file", "teams/" + team.name + ".fbt"},
                     {"wins", season.records[t].wins},
                     {"losses", season.records[t].losses},
                     {"ties", season.records[t].ties},
                     {"box", SeasonBoxJson(season, static_cast<int>(t))}});
  }

  Json& games = json["games"] = Json::array();
  for (std::size_t g = 0; g < season.games.size(); ++g)
    games.push_back(GameJson(season, g));

  Json& players = json["players"] = Json::array();
  for (std::size_t t = 0; t < season.teams.size(); ++t) {
    const Team& team = season.teams[t];
    for (const int entry : kPlayingEntries)
      players.push_back(PlayerJson(team, team.entries[entry], season.players[t][entry]));
  }
  return json.dump(2) + "\n";
}

}  // namespace yl::sim
