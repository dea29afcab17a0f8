// truth.json: what really happened in every game, for comparing with what
// the compiler makes of the transcripts.
#include <cstdio>

#include "season.h"
#include "sentences.h"

namespace yl::sim {

namespace {

// A small JSON writer: members one per line, two blanks of indentation per
// level; short lists of numbers stay on one line.
class Json {
 public:
  void Open(const char* key, char bracket) {
    Begin(key);
    out_ += bracket;
    first_.push_back(true);
  }
  void Close(char bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) NewLine();
    out_ += bracket;
  }
  void Int(const char* key, long long value) { Raw(key, std::to_string(value)); }
  void Text(const char* key, const std::string& value) {
    std::string quoted = "\"";
    for (const char c : value) {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
    Raw(key, quoted + "\"");
  }
  void Bool(const char* key, bool value) { Raw(key, value ? "true" : "false"); }
  void Raw(const char* key, const std::string& value) {
    Begin(key);
    out_ += value;
  }
  std::string Finish() { return out_ + "\n"; }

 private:
  void NewLine() {
    out_ += '\n';
    out_.append(2 * first_.size(), ' ');
  }
  void Begin(const char* key) {
    if (!first_.empty()) {
      if (!first_.back()) out_ += ',';
      first_.back() = false;
      NewLine();
    }
    if (key != nullptr) {
      out_ += '"';
      out_ += key;
      out_ += "\": ";
    }
  }
  std::string out_;
  std::vector<bool> first_;
};

std::string List(const std::array<int, 4>& values) {
  std::string text = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(values[i]);
  }
  return text + "]";
}

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

void WriteBox(Json& json, const char* key, const BoxFigures& b) {
  json.Open(key, '{');
  json.Int("rushingYards", b.rushingYards);
  json.Int("rushingPlays", b.rushingPlays);
  json.Raw("yardsPerRush", b.yardsPerRush);
  json.Int("passingYards", b.passingYards);
  json.Int("passingPlays", b.passingPlays);
  json.Raw("yardsPerPass", b.yardsPerPass);
  json.Int("completions", b.completions);
  json.Int("attempts", b.attempts);
  json.Raw("completionPercentage", b.completionPercentage);
  json.Int("timesSacked", b.timesSacked);
  json.Int("intercepted", b.intercepted);
  json.Int("fumbles", b.fumbles);
  json.Int("fumblesLost", b.fumblesLost);
  json.Int("firstDowns", b.firstDowns);
  json.Raw("thirdDownEfficiency", b.thirdDownEfficiency);
  json.Int("punts", b.punts);
  json.Raw("yardsPerPunt", b.yardsPerPunt);
  json.Int("netYards", b.netYards);
  json.Raw("yardsPerPuntReturn", b.yardsPerPuntReturn);
  json.Raw("yardsPerKickReturn", b.yardsPerKickReturn);
  json.Raw("yardsPerTurnover", b.yardsPerTurnover);
  json.Int("touchdowns", b.touchdowns);
  json.Int("extraPoints", b.extraPoints);
  json.Int("fieldGoalsMade", b.fieldGoalsMade);
  json.Int("fieldGoalsAttempted", b.fieldGoalsAttempted);
  json.Raw("yardsPerFieldGoal", b.yardsPerFieldGoal);
  json.Int("safeties", b.safeties);
  json.Int("penalties", b.penalties);
  json.Int("penaltyYards", b.penaltyYards);
  json.Int("totalPlays", b.totalPlays);
  json.Int("timeMinutes", b.timeMinutes);
  json.Int("timeSeconds", b.timeSeconds);
  json.Int("totalYards", b.totalYards);
  json.Int("points", b.points);
  json.Close('}');
}

// The whole-number box values of a team summed over its games.
void WriteSeasonBox(Json& json, const SeasonResult& season, int team) {
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
  json.Open("box", '{');
  json.Int("rushingYards", sum.rushingYards);
  json.Int("rushingPlays", sum.rushingPlays);
  json.Int("passingYards", sum.passingYards);
  json.Int("passingPlays", sum.passingPlays);
  json.Int("completions", sum.completions);
  json.Int("attempts", sum.attempts);
  json.Int("timesSacked", sum.timesSacked);
  json.Int("intercepted", sum.intercepted);
  json.Int("fumbles", sum.fumbles);
  json.Int("fumblesLost", sum.fumblesLost);
  json.Int("firstDowns", sum.firstDowns);
  json.Int("punts", sum.punts);
  json.Int("netYards", sum.netYards);
  json.Int("touchdowns", sum.touchdowns);
  json.Int("extraPoints", sum.extraPoints);
  json.Int("fieldGoalsMade", sum.fieldGoalsMade);
  json.Int("fieldGoalsAttempted", sum.fieldGoalsAttempted);
  json.Int("safeties", sum.safeties);
  json.Int("penalties", sum.penalties);
  json.Int("penaltyYards", sum.penaltyYards);
  json.Int("totalPlays", sum.totalPlays);
  json.Int("timeMinutes", seconds / 60);
  json.Int("timeSeconds", seconds % 60);
  json.Int("totalYards", sum.totalYards);
  json.Int("points", sum.points);
  json.Int("pointsAgainst", against);
  json.Close('}');
}

void WritePlayer(Json& json, const Team& team, const Player& player, const PlayerTotals& p) {
  json.Open(nullptr, '{');
  json.Text("team", team.name);
  json.Int("number", player.number);
  json.Text("name", player.name);
  json.Text("position", PositionName(player));
  json.Text("side", player.defense ? "defense" : "offense");
  json.Open("rushing", '{');
  json.Int("attempts", p.rushAttempts);
  json.Int("yards", p.rushYards);
  json.Int("touchdowns", p.rushTouchdowns);
  json.Raw("longest", p.rushLongest == kNoLongest ? "null" : std::to_string(p.rushLongest));
  json.Close('}');
  json.Open("passing", '{');
  json.Int("attempts", p.passAttempts);
  json.Int("completions", p.completions);
  json.Int("yards", p.passYards);
  json.Int("touchdowns", p.passTouchdowns);
  json.Int("interceptions", p.interceptionsThrown);
  json.Int("timesSacked", p.timesSacked);
  json.Int("sackYardsLost", p.sackYardsLost);
  json.Close('}');
  json.Open("receiving", '{');
  json.Int("receptions", p.receptions);
  json.Int("yards", p.receivingYards);
  json.Int("touchdowns", p.receivingTouchdowns);
  json.Int("drops", p.drops);
  json.Close('}');
  json.Open("kicking", '{');
  json.Int("fieldGoalsAttempted", p.fieldGoalsAttempted);
  json.Int("fieldGoalsMade", p.fieldGoalsMade);
  json.Int("extraPointsAttempted", p.extraPointsAttempted);
  json.Int("extraPointsMade", p.extraPointsMade);
  json.Int("punts", p.punts);
  json.Close('}');
  json.Open("returns", '{');
  json.Int("kickReturns", p.kickReturns);
  json.Int("kickReturnYards", p.kickReturnYards);
  json.Int("kickReturnTouchdowns", p.kickReturnTouchdowns);
  json.Int("puntReturns", p.puntReturns);
  json.Int("puntReturnYards", p.puntReturnYards);
  json.Int("puntReturnTouchdowns", p.puntReturnTouchdowns);
  json.Int("fairCatches", p.fairCatches);
  json.Close('}');
  json.Open("interceptions", '{');
  json.Int("interceptions", p.interceptions);
  json.Int("returnYards", p.interceptionReturnYards);
  json.Int("touchdowns", p.interceptionTouchdowns);
  json.Close('}');
  json.Open("defense", '{');
  json.Int("tackles", p.tackles);
  json.Int("specialTeamsTackles", p.specialTeamsTackles);
  json.Int("sacks", p.sacks);
  json.Int("sackYards", p.sackYards);
  json.Int("passesDefensed", p.passesDefensed);
  json.Int("fumbleRecoveries", p.fumbleRecoveries);
  json.Int("fumbleReturnYards", p.fumbleReturnYards);
  json.Int("fumbleReturnTouchdowns", p.fumbleReturnTouchdowns);
  json.Close('}');
  json.Open("fumbles", '{');
  json.Int("fumbles", p.fumbles);
  json.Int("lost", p.fumblesLost);
  json.Close('}');
  json.Open("penalties", '{');
  json.Int("flagged", p.penalties);
  json.Int("accepted", p.penaltiesAccepted);
  json.Int("yards", p.penaltyYards);
  json.Close('}');
  json.Open("twoPoint", '{');
  json.Int("rushAttempts", p.twoPointRushAttempts);
  json.Int("rushesMade", p.twoPointRushesMade);
  json.Int("passAttempts", p.twoPointPassAttempts);
  json.Int("passesMade", p.twoPointPassesMade);
  json.Int("targets", p.twoPointTargets);
  json.Int("receptions", p.twoPointReceptions);
  json.Close('}');
  json.Close('}');
}

}  // namespace

std::string TruthJson(const SeasonOptions& options, const SeasonResult& season) {
  Json json;
  json.Open(nullptr, '{');
  json.Text("generator", "yardledger-sim");
  json.Raw("seed", std::to_string(options.seed));
  json.Open("options", '{');
  json.Int("teams", options.teams);
  json.Int("games", static_cast<long long>(season.games.size()));
  json.Text("ellipsis", EllipsisName(options.ellipsis));
  json.Text("eol", LineEndName(options.eol));
  json.Raw("overtimeRate", Rate(options.game.overtimeRate));
  json.Raw("penaltyRate", Rate(options.game.penaltyRate));
  json.Raw("fumbleRate", Rate(options.game.fumbleRate));
  json.Close('}');

  json.Open("teams", '[');
  for (std::size_t t = 0; t < season.teams.size(); ++t) {
    const Team& team = season.teams[t];
    json.Open(nullptr, '{');
    json.Text("name", team.name);
    json.Text("file", "teams/" + team.name + ".fbt");
    json.Int("wins", season.records[t].wins);
    json.Int("losses", season.records[t].losses);
    json.Int("ties", season.records[t].ties);
    WriteSeasonBox(json, season, static_cast<int>(t));
    json.Close('}');
  }
  json.Close(']');

  json.Open("games", '[');
  for (std::size_t g = 0; g < season.games.size(); ++g) {
    const GameResult& game = season.games[g];
    const std::string& visiting = season.teams[game.game.visiting].name;
    const std::string& home = season.teams[game.game.home].name;
    json.Open(nullptr, '{');
    json.Int("number", static_cast<long long>(g + 1));
    json.Int("week", game.game.week);
    json.Text("file", "games/" + GameFileName(static_cast<int>(g + 1), visiting, home));
    json.Text("visiting", visiting);
    json.Text("home", home);
    json.Int("visitingScore", game.score[0]);
    json.Int("homeScore", game.score[1]);
    json.Open("quarters", '{');
    json.Raw("visiting", List(game.quarterPoints[0]));
    json.Raw("home", List(game.quarterPoints[1]));
    json.Close('}');
    json.Int("overtimePeriods", game.overtimePeriods);
    if (game.overtimePeriods > 0) {
      json.Open("overtime", '{');
      json.Int("visiting", game.overtimePoints[0]);
      json.Int("home", game.overtimePoints[1]);
      json.Close('}');
    } else {
      json.Raw("overtime", "null");
    }
    json.Bool("hadFumble", game.hadFumble);
    json.Bool("hadPenalty", game.hadPenalty);
    json.Open("scoring", '[');
    for (const ScoringPlay& play : game.scoring) {
      json.Open(nullptr, '{');
      json.Int("period", play.period);
      json.Text("clock", text::Clock(play.clock));
      json.Text("team", play.side == 0 ? visiting : home);
      json.Text("kind", play.kind);
      json.Int("points", play.points);
      json.Int("yards", play.yards);
      json.Open("players", '[');
      for (const PlayerRef& ref : play.players) {
        const Player& player =
            season.teams[ref.side == 0 ? game.game.visiting : game.game.home].entries[ref.entry];
        json.Raw(nullptr, "{\"number\": " + std::to_string(player.number) + ", \"name\": \"" +
                              player.name + "\"}");
      }
      json.Close(']');
      json.Int("visitingScore", play.visitingScore);
      json.Int("homeScore", play.homeScore);
      json.Close('}');
    }
    json.Close(']');
    json.Open("box", '{');
    WriteBox(json, "visiting", game.box[0]);
    WriteBox(json, "home", game.box[1]);
    json.Close('}');
    json.Close('}');
  }
  json.Close(']');

  json.Open("players", '[');
  for (std::size_t t = 0; t < season.teams.size(); ++t) {
    const Team& team = season.teams[t];
    for (const int entry : kPlayingEntries)
      WritePlayer(json, team, team.entries[entry], season.players[t][entry]);
  }
  json.Close(']');
  json.Close('}');
  return json.Finish();
}

}  // namespace yl::sim
