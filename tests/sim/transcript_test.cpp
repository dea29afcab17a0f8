// The simulator's transcripts: every line is made of the format's texts,
// numbers and player tokens; headers follow from the plays before them; the
// sentences give the players the roles that truth.json credits them with.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim_support.h"

namespace yl::simtest {
namespace {

bool Has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool IsFinal(const std::string& phrase) {
  return phrase.size() >= 2 && phrase.compare(phrase.size() - 2, 2, "  ") == 0;
}

// What a header says, with the ball counted from the offense's goal line.
struct HeaderInfo {
  bool ok = false;
  int visiting = 0;
  int home = 0;
  int period = 0;  // 5: overtime
  int clock = 0;   // seconds left
  bool scrimmage = false;
  bool kick = false;
  bool isTry = false;
  int down = 0;
  int toGo = 0;
  int ball = 0;
};

HeaderInfo ReadHeader(const std::string& header) {
  HeaderInfo info;
  std::vector<Piece> pieces;
  if (!Tokenize(header, HeaderPhrases(), true, false, pieces)) return info;
  std::vector<int> numbers;
  for (const Piece& piece : pieces)
    if (piece.kind == Piece::Kind::kNumber) numbers.push_back(std::stoi(piece.text));
  std::size_t k = 0;
  if (numbers.size() < 4) return info;
  info.visiting = numbers[k++];
  info.home = numbers[k++];
  info.period = Has(header, " in the OT period, ") ? 5 : numbers[k++];
  info.clock = 60 * numbers[k] + numbers[k + 1];
  info.kick = Has(header, "kicking-off") || Has(header, "free kicking");
  info.isTry = Has(header, "trying for an extra point");
  info.scrimmage = !info.kick && !info.isTry;
  info.ok = true;
  if (!info.scrimmage) return info;
  std::size_t j = 0;
  while (j < pieces.size() && pieces[j].text != " on the clock, and ")
    ++j;
  if (j + 2 >= pieces.size()) return info.ok = false, info;
  info.down = std::stoi(pieces[j + 1].text);
  const std::string& form = pieces[j + 2].text;
  const auto number = [&](std::size_t at) { return std::stoi(pieces.at(at).text); };
  if (form.size() == 7 && Has(form, "-and-")) {  // "st-and-" and the distance
    info.toGo = number(j + 3);
    const std::string& from = pieces.at(j + 4).text;
    if (Has(from, "goal line")) {
      info.ball = 1;
    } else {
      info.ball = Has(from, "their own") ? number(j + 5) : 100 - number(j + 5);
    }
  } else if (Has(form, "goal line")) {
    info.toGo = 1;
    info.ball = 99;
  } else if (Has(form, "-and-goal")) {
    info.toGo = number(j + 3);
    info.ball = 100 - info.toGo;
  } else {  // inches
    info.toGo = 1;
    info.ball = Has(form, "their own") ? number(j + 3) : 100 - number(j + 3);
  }
  return info;
}

// The gains line's first number with its sign (a kick's length, a gain, a
// return), 0 when the line has none.
int GainValue(const std::string& gains) {
  std::vector<Piece> pieces;
  if (gains.empty() || !Tokenize(gains, GainsPhrases(), true, false, pieces)) return 0;
  if (pieces.size() < 2 || pieces[1].kind != Piece::Kind::kNumber) return 0;
  const int n = std::stoi(pieces[1].text);
  if (pieces[0].text == "Loss of ") return -n;
  if (pieces[0].text == "Gain of " || pieces[0].text == "The ball was returned " ||
      pieces[0].text == "That was a ")
    return n;
  return 0;
}

// The yard line the gains line puts the ball on; -1 for none.
int GainsSpot(const std::string& gains) {
  std::vector<Piece> pieces;
  if (gains.empty() || !Tokenize(gains, GainsPhrases(), true, false, pieces)) return -1;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    const std::string& text = pieces[i].text;
    if (pieces[i].kind == Piece::Kind::kPhrase && text.size() >= 7 &&
        text.compare(text.size() - 7, 7, "on the ") == 0 &&
        pieces[i + 1].kind == Piece::Kind::kNumber)
      return std::stoi(pieces[i + 1].text);
  }
  return -1;
}

class SimTranscripts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim::SeasonOptions options;
    options.seed = 11;
    options.teams = 8;
    options.games = 120;
    options.ellipsis = sim::EllipsisForm::kMixed;
    options.eol = sim::LineEnd::kMixed;
    options.game.overtimeRate = 1.0;
    options.game.penaltyRate = 0.12;
    options.game.fumbleRate = 0.04;
    season_ = WriteSampleSeason(options).release();
  }
  static void TearDownTestSuite() {
    delete season_;
    season_ = nullptr;
  }
  static const json& Games() { return season_->truth.at("games"); }
  static SampleSeason* season_;
};

SampleSeason* SimTranscripts::season_ = nullptr;

TEST_F(SimTranscripts, EveryLineIsMadeOfTheFormatsTexts) {
  for (const json& game : Games()) {
    const std::string visiting = game.at("visiting").get<std::string>();
    const std::string home = game.at("home").get<std::string>();
    const Transcript transcript = ReadTranscript(season_->Lines(game), false);
    ASSERT_TRUE(transcript.wellFormed) << game.at("file").get<std::string>();
    EXPECT_EQ(transcript.firstLine.rfind(visiting + " (", 0), 0u);
    EXPECT_TRUE(Has(transcript.firstLine, ") vs " + home + " (")) << transcript.firstLine;
    const PhraseSet extrasPhrases = ExtrasPhrases(home, visiting);
    std::vector<Piece> pieces;
    for (const PlayBlock& play : transcript.plays) {
      ASSERT_TRUE(Tokenize(play.header, HeaderPhrases(), true, false, pieces)) << play.header;
      for (std::size_t i = 0; i < pieces.size(); ++i)  // phrase, number, phrase, ..., phrase
        EXPECT_EQ(pieces[i].kind == Piece::Kind::kPhrase, i % 2 == 0) << play.header;
      EXPECT_EQ(pieces.size() % 2, 1u) << play.header;

      ASSERT_TRUE(Tokenize(play.description, DescriptionPhrases(), false, true, pieces))
          << play.description;
      // An optional leading phrase, then token and phrase in turn; only the
      // last phrase closes the sentence.
      const std::size_t first = pieces[0].kind == Piece::Kind::kPhrase ? 1 : 0;
      int tokens = 0;
      for (std::size_t i = first; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].kind == Piece::Kind::kToken, (i - first) % 2 == 0) << play.description;
        tokens += pieces[i].kind == Piece::Kind::kToken;
      }
      EXPECT_LE(tokens, 8);
      ASSERT_EQ(pieces.back().kind, Piece::Kind::kPhrase) << play.description;
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].kind == Piece::Kind::kPhrase) {
          EXPECT_EQ(IsFinal(pieces[i].text), i + 1 == pieces.size()) << play.description;
        }
      }

      if (!play.gains.empty()) {
        ASSERT_TRUE(Tokenize(play.gains, GainsPhrases(), true, false, pieces)) << play.gains;
        for (std::size_t i = 0; i < pieces.size(); ++i)
          EXPECT_EQ(pieces[i].kind == Piece::Kind::kPhrase, i % 2 == 0) << play.gains;
      }
      for (const std::string& extra : play.extras) {
        ASSERT_TRUE(Tokenize(extra, extrasPhrases, true, true, pieces)) << extra;
        EXPECT_EQ(pieces[0].kind, Piece::Kind::kPhrase) << extra;
      }
    }

    // The box: team names, rules, labelled rows of figures, the quarter table.
    ASSERT_EQ(transcript.box.size(), 35u) << game.at("file").get<std::string>();
    static const std::set<std::string> kLabels = {"Rushing Yards",
                                                  "Rushing Plays",
                                                  "Yards Per Rush",
                                                  "Passing Yards",
                                                  "Passing Plays",
                                                  "Yards Per Pass",
                                                  "Passes (Comp/Atts)",
                                                  "Completion Percentage",
                                                  "Sacked",
                                                  "Intercepted",
                                                  "Fumbles (No/Lost)",
                                                  "First Downs",
                                                  "3rd Down Efficiency",
                                                  "Punts",
                                                  "Yards Per Punt",
                                                  "Net Yards",
                                                  "Yards Per Punt Return",
                                                  "Yards Per Kick Return",
                                                  "Yards Per Turnover",
                                                  "Touchdowns",
                                                  "Extra Points",
                                                  "Field Goals (No/Atts)",
                                                  "Yards Per Field Goal",
                                                  "Safeties",
                                                  "Penalties (No/Yards)",
                                                  "Total Plays",
                                                  "Total Time",
                                                  "Total Yards",
                                                  "Points"};
    const auto only = [](std::string_view text, std::string_view allowed) {
      return text.find_first_not_of(allowed) == std::string_view::npos;
    };
    const std::string& names = transcript.box[0];
    EXPECT_TRUE(Has(names, visiting) && Has(names, home) &&
                names.find_first_not_of(' ') == names.find(visiting));
    for (const std::size_t rule : {1u, 31u})
      EXPECT_TRUE(only(transcript.box[rule], "-"));
    for (std::size_t i = 2; i <= 30; ++i) {
      const std::string& line = transcript.box[i];
      const std::string label = line.substr(0, line.find("  "));
      EXPECT_EQ(kLabels.count(label), 1u) << line;
      EXPECT_TRUE(only(std::string_view(line).substr(label.size()), " 0123456789-./:")) << line;
    }
    EXPECT_TRUE(only(transcript.box[32], " 1234stndrhFinalOT")) << transcript.box[32];
    EXPECT_EQ(transcript.box[33].rfind(visiting, 0), 0u);
    EXPECT_EQ(transcript.box[34].rfind(home, 0), 0u);
  }
}

TEST_F(SimTranscripts, HeaderScoresFollowTheScoringPlays) {
  for (const json& game : Games()) {
    const Transcript transcript = ReadTranscript(season_->Lines(game));
    const auto& scoring = game.at("scoring");
    std::size_t next = 0;
    for (std::size_t i = 0; i < transcript.plays.size(); ++i) {
      const PlayBlock& play = transcript.plays[i];
      const HeaderInfo now = ReadHeader(play.header);
      ASSERT_TRUE(now.ok) << play.header;
      int visitingAfter = game.at("visitingScore").get<int>();
      int homeAfter = game.at("homeScore").get<int>();
      if (i + 1 < transcript.plays.size()) {
        const HeaderInfo after = ReadHeader(transcript.plays[i + 1].header);
        visitingAfter = after.visiting;
        homeAfter = after.home;
      }
      const int visitingGain = visitingAfter - now.visiting;
      const int homeGain = homeAfter - now.home;
      ASSERT_GE(visitingGain, 0) << play.header << " / " << transcript.plays[i + 1].header;
      ASSERT_GE(homeGain, 0);
      if (visitingGain == 0 && homeGain == 0) continue;
      ASSERT_TRUE(visitingGain == 0 || homeGain == 0) << play.description;
      ASSERT_LT(next, scoring.size())
          << game.at("file").get<std::string>() << ": " << play.description;
      const json& score = scoring.at(next++);
      const int points = visitingGain + homeGain;
      EXPECT_EQ(score.at("points").get<int>(), points);
      EXPECT_EQ(score.at("team").get<std::string>(), visitingGain > 0
                                                         ? game.at("visiting").get<std::string>()
                                                         : game.at("home").get<std::string>());
      EXPECT_EQ(score.at("visitingScore").get<int>(), visitingAfter);
      EXPECT_EQ(score.at("homeScore").get<int>(), homeAfter);
      EXPECT_EQ(std::min(score.at("period").get<int>(), 5), now.period);  // every overtime reads 5
      const int clock = now.clock;
      EXPECT_EQ(
          score.at("clock").get<std::string>(),
          std::to_string(clock / 60) + (clock % 60 < 10 ? ":0" : ":") + std::to_string(clock % 60));
      const std::string& d = play.description;
      switch (points) {
        case 6:
          EXPECT_TRUE(Has(d, "TOUCHDOWN!  ")) << d;
          break;
        case 3:
          EXPECT_TRUE(Has(d, "'s field goal was GOOD!  ")) << d;
          break;
        case 2:
          EXPECT_TRUE((now.isTry && Has(d, "extra point GOOD!  ")) || Has(d, "SAFETY!  ")) << d;
          break;
        case 1:
          EXPECT_TRUE(now.isTry && Has(d, "'s extra point was GOOD!  ")) << d;
          break;
        default:
          ADD_FAILURE() << points << " points on " << d;
      }
    }
    EXPECT_EQ(next, scoring.size()) << game.at("file").get<std::string>();
  }
}

TEST_F(SimTranscripts, HeadersFollowFromThePlaysBeforeThem) {
  int plainPlays = 0;
  for (const json& game : Games()) {
    const Transcript transcript = ReadTranscript(season_->Lines(game));
    for (std::size_t i = 0; i + 1 < transcript.plays.size(); ++i) {
      const PlayBlock& play = transcript.plays[i];
      const HeaderInfo now = ReadHeader(play.header);
      const HeaderInfo next = ReadHeader(transcript.plays[i + 1].header);
      ASSERT_TRUE(now.ok && next.ok) << play.header << " / " << transcript.plays[i + 1].header;
      const bool periodEnds = std::any_of(play.extras.begin(), play.extras.end(), [](auto& line) {
        return Has(line, " is over.") || Has(line, "overtime period will be played.");
      });
      // The clock runs down within a period; a new period starts at 15:00.
      if (periodEnds) {
        EXPECT_EQ(next.period, std::min(now.period + 1, 5));
        EXPECT_EQ(next.clock, 900);
      } else {
        EXPECT_EQ(next.period, now.period);
        EXPECT_LE(next.clock, now.clock) << play.header;
      }
      // The spot of the gains line is the next scrimmage down's yard line.
      int spot = GainsSpot(play.gains);
      for (const std::string& extra : play.extras) {
        const std::size_t at = extra.find("automatic placement on the ");
        if (at != std::string::npos) spot = std::stoi(extra.substr(at + 27));
      }
      if (spot >= 0 && next.scrimmage) {
        EXPECT_EQ(spot, std::min(next.ball, 100 - next.ball)) << play.gains;
      }

      // Down and distance after a plain run or pass.
      const std::string& d = play.description;
      const bool snap = Has(d, " took the hand-off... ") || Has(d, "The snap was taken by ") ||
                        Has(d, "'s pass was ") || Has(d, " sacked ") || Has(d, " tackled #");
      const bool special = Has(d, "FUMBLED") || Has(d, "INTERCEPTED") || Has(d, "TOUCHDOWN") ||
                           Has(d, "SAFETY") || !now.scrimmage || !next.scrimmage ||
                           (now.period == 2 && next.period == 3);
      const bool flagged = std::any_of(play.extras.begin(), play.extras.end(), [](auto& line) {
        return Has(line, "Penalty on the play.");
      });
      if (!snap || special || flagged) continue;
      ++plainPlays;
      const int gain = GainValue(play.gains);
      const int ball = now.ball + gain;
      if (gain >= now.toGo) {
        EXPECT_EQ(next.down, 1) << play.header;
        EXPECT_EQ(next.ball, ball) << play.header;
        EXPECT_EQ(next.toGo, std::min(10, 100 - ball)) << play.header;
      } else if (now.down < 4) {
        EXPECT_EQ(next.down, now.down + 1) << play.header;
        EXPECT_EQ(next.toGo, now.toGo - gain) << play.header;
        EXPECT_EQ(next.ball, ball) << play.header;
      } else {  // turned over on downs
        EXPECT_EQ(next.down, 1) << play.header;
        EXPECT_EQ(next.ball, 100 - ball) << play.header;
      }
    }
  }
  EXPECT_GT(plainPlays, 10000);
}

TEST_F(SimTranscripts, TheGamesHoldEveryKindOfPlay) {
  std::string all;
  for (const json& game : Games())
    for (const std::string& line : season_->Lines(game))
      all += SpellOutEllipses(line) + "\n";
  const std::vector<std::string> kinds = {
      " took the hand-off... ",
      "The snap was taken by ",
      "'s pass was caught by ",
      "'s pass was incomplete.  ",
      "'s pass was broken-up by ",
      "'s pass was dropped by ",
      "'s pass was BLOCKED by ",
      "'s pass was INTERCEPTED by ",
      " sacked ",
      ".  \n",
      "FUMBLED... recovered by ",
      "... the punt was taken by ",
      "FAIR CATCH.  ",
      "... the punt was downed.  ",
      "... the punt was not fielded... touchback.  ",
      "... the punt was not fielded... the ball went out of bounds.  ",
      "'s field goal was GOOD!  ",
      "'s field goal was NO GOOD.  ",
      "'s field goal was BLOCKED by ",
      "The kickoff was taken by ",
      "The kickoff was not fielded... touchback.  ",
      "'s extra point was GOOD!  ",
      "'s extra point was NO GOOD.  ",
      "extra point GOOD!  ",
      " for a SAFETY!  ",
      "The play was whistled dead.  ",
      "TOUCHDOWN!  ",
      "Under pressure... ",
      "... he went out of bounds.  ",
      "... somebody ",
      " pushed him out of bounds.  ",
      " accepted the penalty which was ",
      " declined the penalty which was ",
      " yards and an automatic first down.",
      " yards and loss of down.",
      "automatic placement on the ",
      " call time out.",
      "Two minutes left in the first half.",
      "Two minutes left in the fourth quarter.",
      "The first quarter is over.",
      "The first half is over.",
      "The third quarter is over.",
      "The fourth quarter is over.",
      "An overtime period will be played.",
      "The game is over.",
      "free kicking from their own ",
      "trying for an extra point",
      " in the OT period, ",
      "The ball was turned over",
      "The ball will be placed on the ",
      "-and-goal to go from the ",
      "-and-inches to go from "};
  for (const std::string& kind : kinds)
    EXPECT_TRUE(Has(all, kind)) << kind;
}

// The tallies a reader of the sentences makes, play by play.
struct Tally {
  int rushAttempts = 0, rushYards = 0, rushTouchdowns = 0;
  int passAttempts = 0, completions = 0, passYards = 0, passTouchdowns = 0;
  int interceptionsThrown = 0, timesSacked = 0;
  int receptions = 0, receivingYards = 0, receivingTouchdowns = 0;
  int tackles = 0, sacks = 0, interceptions = 0;
  int fieldGoalsAttempted = 0, fieldGoalsMade = 0, extraPointsAttempted = 0, extraPointsMade = 0;
  int punts = 0, kickReturns = 0, kickReturnYards = 0, puntReturns = 0, puntReturnYards = 0;
  int fairCatches = 0, fumbles = 0, fumblesLost = 0;
};

TEST_F(SimTranscripts, SentenceRolesGiveTheTruthTotals) {
  std::map<std::string, std::string> teamOf;  // token -> team
  for (const json& player : season_->truth.at("players"))
    teamOf["#" + std::to_string(player.at("number").get<int>()) + "-" +
           player.at("name").get<std::string>()] = player.at("team").get<std::string>();
  std::map<std::string, Tally> tallies;
  for (const json& game : Games()) {
    for (const PlayBlock& play : ReadTranscript(season_->Lines(game)).plays) {
      std::vector<Piece> pieces;
      ASSERT_TRUE(Tokenize(play.description, DescriptionPhrases(), false, true, pieces));
      const std::string& d = play.description;
      // The token just before or after the phrase that holds part.
      const auto before = [&](std::string_view part) -> std::string {
        for (std::size_t i = 1; i < pieces.size(); ++i)
          if (pieces[i].kind == Piece::Kind::kPhrase && Has(pieces[i].text, part) &&
              pieces[i - 1].kind == Piece::Kind::kToken)
            return pieces[i - 1].text;
        return "";
      };
      const auto after = [&](std::string_view part) -> std::string {
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
          if (pieces[i].kind == Piece::Kind::kPhrase && Has(pieces[i].text, part) &&
              pieces[i + 1].kind == Piece::Kind::kToken)
            return pieces[i + 1].text;
        return "";
      };
      const int v = GainValue(play.gains);
      if (Has(play.header, "trying for an extra point")) {
        const std::string kicker = before("'s extra point was ");
        if (!kicker.empty()) {
          tallies[kicker].extraPointsAttempted++;
          tallies[kicker].extraPointsMade += Has(d, "'s extra point was GOOD!");
        }
        continue;
      }
      if (std::any_of(play.extras.begin(), play.extras.end(),
                      [](auto& line) { return Has(line, " accepted the penalty which was "); }))
        continue;  // wiped out
      for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const std::string& phrase = pieces[i + 1].text;
        if (pieces[i].kind == Piece::Kind::kToken && phrase[0] == ' ' && Has(phrase, " him") &&
            IsFinal(phrase))
          tallies[pieces[i].text].tackles++;
      }
      // A fumble not recovered by the carrier takes his yards away.
      std::string carrier = before("FUMBLED... recovered by ");
      const std::string recoverer = after("FUMBLED... recovered by ");
      const bool keepsYards = carrier.empty() || carrier == recoverer;
      if (!carrier.empty()) {
        tallies[carrier].fumbles++;
        if (teamOf[carrier] != teamOf[recoverer]) tallies[carrier].fumblesLost++;
      }
      // A touchdown after a lost fumble is the defense's.
      const bool touchdown = Has(d, "TOUCHDOWN!") && keepsYards;
      std::string rusher = before(" took the hand-off... ");
      if (rusher.empty()) rusher = after("The snap was taken by ");
      if (rusher.empty() && Has(d, " tackled #")) {
        rusher = pieces.at(2).text;
        tallies[pieces[0].text].tackles++;
      }
      if (!rusher.empty()) {
        Tally& t = tallies[rusher];
        t.rushAttempts++;
        if (keepsYards) t.rushYards += v;
        t.rushTouchdowns += touchdown;
      }
      const std::string passer = before("'s pass was ");
      if (!passer.empty()) {
        Tally& t = tallies[passer];
        t.passAttempts++;
        const std::string receiver = after("'s pass was caught by ");
        if (!receiver.empty()) {
          t.completions++;
          tallies[receiver].receptions++;
          if (keepsYards) {
            t.passYards += v;
            tallies[receiver].receivingYards += v;
          }
          t.passTouchdowns += touchdown;
          tallies[receiver].receivingTouchdowns += touchdown;
        }
        const std::string interceptor = after("'s pass was INTERCEPTED by ");
        if (!interceptor.empty()) {
          t.interceptionsThrown++;
          tallies[interceptor].interceptions++;
        }
      }
      if (Has(d, " sacked ")) {
        tallies[pieces[0].text].sacks++;
        tallies[pieces[2].text].timesSacked++;
      }
      const std::string kicker = before("'s field goal was ");
      if (!kicker.empty()) {
        tallies[kicker].fieldGoalsAttempted++;
        tallies[kicker].fieldGoalsMade += Has(d, "'s field goal was GOOD!");
      }
      const std::string punter = before("... the punt was");
      if (!punter.empty()) tallies[punter].punts++;
      const std::string puntReturner = after("... the punt was taken by ");
      if (!puntReturner.empty() && Has(d, "FAIR CATCH")) {
        tallies[puntReturner].fairCatches++;
      } else if (!puntReturner.empty()) {
        tallies[puntReturner].puntReturns++;
        tallies[puntReturner].puntReturnYards += v;
      }
      const std::string kickReturner = after("The kickoff was taken by ");
      if (!kickReturner.empty()) {
        tallies[kickReturner].kickReturns++;
        tallies[kickReturner].kickReturnYards += v;
      }
    }
  }
  int checked = 0;
  for (const json& player : season_->truth.at("players")) {
    const std::string token = "#" + std::to_string(player.at("number").get<int>()) + "-" +
                              player.at("name").get<std::string>();
    const Tally& t = tallies[token];
    const auto expect = [&](const char* group, const char* field, int tallied) {
      EXPECT_EQ(player.at(group).at(field).get<int>(), tallied)
          << token << " " << group << "." << field;
      ++checked;
    };
    expect("rushing", "attempts", t.rushAttempts);
    expect("rushing", "yards", t.rushYards);
    expect("rushing", "touchdowns", t.rushTouchdowns);
    expect("passing", "attempts", t.passAttempts);
    expect("passing", "completions", t.completions);
    expect("passing", "yards", t.passYards);
    expect("passing", "touchdowns", t.passTouchdowns);
    expect("passing", "interceptions", t.interceptionsThrown);
    expect("passing", "timesSacked", t.timesSacked);
    expect("receiving", "receptions", t.receptions);
    expect("receiving", "yards", t.receivingYards);
    expect("receiving", "touchdowns", t.receivingTouchdowns);
    expect("defense", "tackles", t.tackles);
    expect("defense", "sacks", t.sacks);
    expect("interceptions", "interceptions", t.interceptions);
    expect("kicking", "fieldGoalsAttempted", t.fieldGoalsAttempted);
    expect("kicking", "fieldGoalsMade", t.fieldGoalsMade);
    expect("kicking", "extraPointsAttempted", t.extraPointsAttempted);
    expect("kicking", "extraPointsMade", t.extraPointsMade);
    expect("kicking", "punts", t.punts);
    expect("returns", "kickReturns", t.kickReturns);
    expect("returns", "kickReturnYards", t.kickReturnYards);
    expect("returns", "puntReturns", t.puntReturns);
    expect("returns", "puntReturnYards", t.puntReturnYards);
    expect("returns", "fairCatches", t.fairCatches);
    expect("fumbles", "fumbles", t.fumbles);
    expect("fumbles", "lost", t.fumblesLost);
  }
  EXPECT_EQ(checked, 8 * 30 * 27);
}

}  // namespace
}  // namespace yl::simtest
