// The site builder's game side: each game's share of the figures, and the
// game's page.
#include "site/site_builder.h"

#include <algorithm>

#include "league/stat_fields.h"
#include "reports/game_report.h"
#include "reports/player_section_table.h"
#include "reports/report_driver.h"
#include "reports/report_text.h"
#include "run/file_layer.h"
#include "run/mac_roman.h"
#include "site/assets.h"
#include "site/page_parts.h"
#include "stats/ranking.h"

namespace yl::site {

using namespace std::literals;

namespace {

using league::PlayerRecord;
using league::TeamRecord;
using league::TeamTotals;

// Stands in a game's page for the link to the next game until it is known.
constexpr std::string_view kNextMark = "\x01next\x01";

// The game's part of a team's totals: what they grew by.
TeamTotals Difference(const TeamTotals& after, const TeamTotals& before) {
  TeamTotals d = after;
  const auto counts = {&TeamTotals::rushingYards,
                       &TeamTotals::rushingPlays,
                       &TeamTotals::passingYards,
                       &TeamTotals::passingPlays,
                       &TeamTotals::completions,
                       &TeamTotals::attempts,
                       &TeamTotals::timesSacked,
                       &TeamTotals::intercepted,
                       &TeamTotals::fumbles,
                       &TeamTotals::fumblesLost,
                       &TeamTotals::firstDowns,
                       &TeamTotals::punts,
                       &TeamTotals::netYards,
                       &TeamTotals::touchdowns,
                       &TeamTotals::extraPoints,
                       &TeamTotals::fieldGoalsMade,
                       &TeamTotals::fieldGoalsAttempted,
                       &TeamTotals::safeties,
                       &TeamTotals::penalties,
                       &TeamTotals::penaltyYards,
                       &TeamTotals::totalPlays,
                       &TeamTotals::totalYards,
                       &TeamTotals::points};
  for (const auto field : counts)
    d.*field = after.*field - before.*field;
  const auto averages = {&TeamTotals::thirdDownEfficiency, &TeamTotals::yardsPerPunt,
                         &TeamTotals::yardsPerPuntReturn,  &TeamTotals::yardsPerKickReturn,
                         &TeamTotals::yardsPerTurnover,    &TeamTotals::yardsPerFieldGoal};
  for (const auto field : averages)
    d.*field = after.*field - before.*field;
  const std::int32_t seconds =
      (after.timeMinutes * 60 + after.timeSeconds) - (before.timeMinutes * 60 + before.timeSeconds);
  d.timeMinutes = seconds / 60;
  d.timeSeconds = seconds % 60;
  for (std::size_t q = 0; q < d.quarterPoints.size(); ++q)
    d.quarterPoints[q] = after.quarterPoints[q] - before.quarterPoints[q];
  return d;
}

std::string QuarterText(std::int16_t quarter) {
  return quarter == 5 ? "OT" : std::to_string(quarter);
}

std::string DownText(const transcript::Situation& s) {
  if (!s.down || *s.down < 1 || *s.down > 4) return {};
  static constexpr const char* kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
  std::string text = kOrdinals[*s.down - 1];
  if (s.distance) text += " & " + (s.inches ? std::string("inches") : std::to_string(*s.distance));
  return text;
}

std::string BallOnText(const transcript::Situation& s) {
  if (!s.yardLine) return {};
  if (*s.yardLine == 50) return "50";
  return (s.ownSide ? "Own " : "Opp ") + std::to_string(*s.yardLine);
}

std::string ScoreText(std::int32_t visiting, std::int32_t home) {
  return std::to_string(visiting) + "\xe2\x80\x93" + std::to_string(home);
}

// The play's line as the transcript has it, without its leading blanks.
std::string_view PlayText(const transcript::CurrentPlay& play) {
  std::string_view line = play.descriptionLine;
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
    line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
    line.remove_suffix(1);
  return line;
}

}  // namespace

SiteBuilder::SiteBuilder(std::string league, Emit emit)
    : league_(std::move(league)), emit_(std::move(emit)) {}

const std::string& SiteBuilder::PlayerId(const PlayerRecord& player) {
  if (player.index >= playerIds_.size()) playerIds_.resize(player.index + 1);
  std::string& id = playerIds_[player.index];
  if (id.empty())
    id = playerAddresses_.Claim(Slug(player.name) + "-" + std::to_string(player.number));
  return id;
}

const std::string& SiteBuilder::TeamId(const TeamRecord& team) {
  std::string& id = teamIds_[&team];
  if (id.empty()) id = teamAddresses_.Claim(Slug(team.name));
  return id;
}

const std::string& SiteBuilder::SectionHead(const reports::PlayerSection& section,
                                            std::string_view first, std::string_view second) {
  std::string key =
      std::string(section.title) + "|" + std::string(first) + "|" + std::string(second);
  const auto found = heads_.find(key);
  if (found != heads_.end()) return found->second;
  return heads_.emplace(std::move(key), TableHead(SectionColumns(section, first, second)))
      .first->second;
}

void SiteBuilder::BeforeCredit(const transcript::GameState& game) {
  for (PlayerRecord* player : game.players.Named()) {
    if (player->index >= before_.size()) before_.resize(player->index + 1);
    for (const league::StatField& field : league::PlayerStatFields()) {
      if (field.longest && field.read(*player) != league::kNoLongest)
        field.write(*player, league::kNoLongest);
    }
  }
}

void SiteBuilder::GameRead(std::string_view transcript, const transcript::GameState& game,
                           const stats::ScoringSummary& scoring) {
  SiteGame site;
  site.id = gameAddresses_.Claim(Slug(run::NameWithoutExtension(transcript)));
  site.name = std::string(transcript);
  site.visiting = game.visiting;
  site.home = game.home;
  site.score = game.score;
  const auto fields = league::PlayerStatFields();
  for (PlayerRecord* player : game.players.Named()) {
    const PlayerRecord& before = before_[player->index];
    GameLine line{player->index, static_cast<std::uint32_t>(figures_.size())};
    line.side = player->teamName == game.home->name       ? Side::kHome
                : player->teamName == game.visiting->name ? Side::kVisiting
                                                          : Side::kNone;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const league::StatField& field = fields[i];
      const std::int64_t now = field.read(*player);
      const std::int64_t was = field.read(before);
      std::int64_t value = now - was;
      if (field.longest) {
        // The game's longest play, then the season's back in its place.
        value = now;
        if (was > now) field.write(*player, was);
        if (now == league::kNoLongest) continue;
      } else if (value == 0) {
        continue;
      }
      figures_.push_back({static_cast<std::uint16_t>(i), static_cast<std::int32_t>(value)});
    }
    line.count = static_cast<std::uint16_t>(figures_.size() - line.first);
    lines_.push_back(line);
    before_[player->index] = *player;
  }
  // Kept at their exact sizes: a season keeps every game's.
  site.figures.assign(figures_.begin(), figures_.end());
  site.lines.assign(lines_.begin(), lines_.end());
  figures_.clear();
  lines_.clear();
  // The team box of the game: what it added to each team's totals.
  TeamTotals& visitingBefore = teamsBefore_[game.visiting];
  TeamTotals& homeBefore = teamsBefore_[game.home];
  const TeamTotals visitingBox = Difference(game.visiting->own, visitingBefore);
  const TeamTotals homeBox = Difference(game.home->own, homeBefore);
  visitingBefore = game.visiting->own;
  homeBefore = game.home->own;
  games_.push_back(std::move(site));
  WriteGamePage(game, scoring, visitingBox, homeBox);
}

void SiteBuilder::EmitPendingGame(std::string_view nextLink) {
  if (pendingPath_.empty()) return;
  const std::size_t mark = pending_.find(kNextMark);
  if (mark != std::string::npos) pending_.replace(mark, kNextMark.size(), nextLink);
  emit_(pendingPath_, pending_);
  pending_.clear();
  pendingPath_.clear();
}

void SiteBuilder::WriteGamePage(const transcript::GameState& game,
                                const stats::ScoringSummary& scoring, const TeamTotals& visitingBox,
                                const TeamTotals& homeBox) {
  const SiteGame& site = games_.back();
  const std::string r = "../";
  const std::string visitingName = Escape(site.visiting->name);
  const std::string homeName = Escape(site.home->name);
  const std::string visitingLink =
      Link(r + "teams/" + TeamId(*site.visiting) + ".html", visitingName);
  const std::string homeLink = Link(r + "teams/" + TeamId(*site.home) + ".html", homeName);
  // The page before this one can now link here.
  EmitPendingGame("<a rel=\"next\" href=\"" + site.id + ".html\">" + visitingName + " at " +
                  homeName + " \xe2\x86\x92</a>");

  Page page = BeginPage(r, visitingName + " at " + homeName, EscapeUtf8(league_));
  std::string& t = page.text;
  const transcript::GameScore& s = site.score;
  t += "<h1>" + visitingLink + " at " + homeLink + "</h1>\n";
  t += "<p class=\"sub\">Final: " + visitingName + " " + std::to_string(s.visitingPoints) + ", " +
       homeName + " " + std::to_string(s.homePoints) + " \xc2\xb7 " + Escape(site.name) + "</p>\n";

  // Line score.
  std::vector<Column> quarters{{"Team", {}, false},
                               {"1", "1st quarter"},
                               {"2", "2nd quarter"},
                               {"3", "3rd quarter"},
                               {"4", "4th quarter"}};
  if (s.overtime) quarters.push_back({"OT", "Overtime"});
  quarters.push_back({"T", "Final"});
  t += "<section id=\"line-score\"><h2>Line score</h2>\n"sv;
  BeginTable(t, "linescore", "Points by quarter", quarters);
  const auto lineRow = [&](const std::string& link, const std::array<std::int16_t, 4>& points,
                           std::int16_t overtime, std::int16_t total) {
    t += "<tr>"sv;
    HtmlCell(t, link, true);
    for (const std::int16_t q : points)
      NumberCell(t, static_cast<std::int64_t>(q));
    if (s.overtime) NumberCell(t, static_cast<std::int64_t>(overtime));
    NumberCell(t, static_cast<std::int64_t>(total));
    t += "</tr>\n"sv;
  };
  lineRow(visitingLink, s.visitingQuarters, s.visitingOvertime, s.visitingPoints);
  lineRow(homeLink, s.homeQuarters, s.homeOvertime, s.homePoints);
  EndTable(t);
  t += "</section>\n"sv;

  // Scoring summary.
  t += "<section id=\"scoring\"><h2>Scoring</h2>\n"sv;
  if (scoring.entries.empty()) {
    t += "<p>No scoring.</p>\n"sv;
  } else {
    BeginTable(t, "scoring", "Scoring plays",
               {{"Q", "Quarter", false},
                {"Time", "Time into the quarter", false},
                {"Team", {}, false},
                {"Play", {}, false}});
    for (const stats::ScoringDriveRecord& entry : scoring.entries) {
      t += "<tr>"sv;
      PlainCell(t, entry.quarter > 0 ? QuarterText(entry.quarter) : "");
      PlainCell(
          t, entry.minutes >= 0 ? ClockText(entry.minutes, std::max<int>(entry.seconds, 0)) : "");
      PlainCell(t, entry.team);
      PlainCell(t, reports::ScoringPhrase(entry));
      t += "</tr>\n"sv;
    }
    EndTable(t);
  }
  t += "</section>\n"sv;

  // The team box, side by side.
  t += "<section id=\"team-box\"><h2>Team statistics</h2>\n"sv;
  BeginTable(t, "box", "Team statistics",
             {{"", "Figure", false},
              {run::MacRomanToUtf8(site.visiting->name), {}},
              {run::MacRomanToUtf8(site.home->name), {}}});
  for (const reports::ComparisonRow& row : reports::TeamComparisonRows()) {
    t += "<tr>"sv;
    HtmlCell(t, EscapeUtf8(row.label), true);
    NumberCell(t, row.value(visitingBox));
    NumberCell(t, row.value(homeBox));
    t += "</tr>\n"sv;
  }
  EndTable(t);
  t += "</section>\n"sv;

  // Each team's players, section by section, as the game report has them.
  std::vector<PlayerRecord> records;
  records.reserve(site.lines.size());
  std::size_t lineAt = 0;
  for (const PlayerRecord* named : game.players.Named())
    records.push_back(GameRecord(*named, site, site.lines[lineAt++]));
  std::unordered_map<const PlayerRecord*, std::string> cells;
  for (std::size_t i = 0; i < records.size(); ++i) {
    cells[&records[i]] =
        Link(r + "players/" + PlayerId(records[i]) + ".html", Escape(PlayerLabel(records[i])));
  }
  t += "<section id=\"players\"><h2>Players</h2>\n"sv;
  for (const reports::PlayerSection& section : reports::PlayerSections()) {
    if (section.leftOutInGameMode) continue;
    for (const TeamRecord* team : {site.visiting, site.home}) {
      stats::PlayerOrder order;
      for (const PlayerRecord& record : records) {
        if (record.teamName == team->name && section.listed(record)) order.push_back(&record);
      }
      if (order.empty()) continue;
      stats::SortPlayersByStats(order, section.key, false);
      BeginTable(t, "sortable",
                 SectionName(section) + " \xe2\x80\x94 " + run::MacRomanToUtf8(team->name),
                 SectionHead(section, "Player", ""));
      for (const PlayerRecord* record : order)
        SectionRow(t, section, cells[record], nullptr, *record);
      EndTable(t);
    }
  }
  t += "</section>\n"sv;

  // The play-by-play, with the score after each play that changed it.
  t += "<section id=\"plays\"><h2>Play-by-play</h2>\n"sv;
  BeginTable(t, "plays", "Every play",
             {{"Q", "Quarter", false},
              {"Clock", "Time left in the quarter", false},
              {"Down", "Down and distance", false},
              {"Ball on", "Line of scrimmage", false},
              {"Play", {}, false},
              {"Score", "Score after the play", false}});
  std::int32_t visiting = 0;
  std::int32_t home = 0;
  for (std::size_t i = 0; i < game.plays.size(); ++i) {
    const transcript::CurrentPlay& play = game.plays[i];
    if (play.descriptionLine.empty()) continue;
    const transcript::Situation& at = play.situation;
    if (at.visitingScore && at.homeScore) {
      visiting = *at.visitingScore;
      home = *at.homeScore;
    }
    // The score after the play: the next play's at its snap, or the final.
    std::int32_t nextVisiting = s.visitingPoints;
    std::int32_t nextHome = s.homePoints;
    for (std::size_t j = i + 1; j < game.plays.size(); ++j) {
      const transcript::Situation& next = game.plays[j].situation;
      if (game.plays[j].descriptionLine.empty() || !next.visitingScore || !next.homeScore) continue;
      nextVisiting = *next.visitingScore;
      nextHome = *next.homeScore;
      break;
    }
    const bool scored = nextVisiting != visiting || nextHome != home;
    t += scored ? "<tr class=\"score\">" : "<tr>";
    PlainCell(t, at.quarter ? QuarterText(*at.quarter) : "");
    PlainCell(t, at.minutes && at.seconds ? ClockText(*at.minutes, *at.seconds) : "");
    PlainCell(t, DownText(at));
    PlainCell(t, BallOnText(at));
    PlainCell(t, PlayText(play));
    t += "<td>" + (scored ? ScoreText(nextVisiting, nextHome) : std::string()) + "</td>";
    t += "</tr>\n"sv;
  }
  EndTable(t);
  t += "</section>\n"sv;

  // To the teams, and to the games before and after.
  t += "<nav class=\"pager\">"sv;
  if (games_.size() > 1) {
    const SiteGame& previous = games_[games_.size() - 2];
    t += "<a rel=\"prev\" href=\"" + previous.id + ".html\">\xe2\x86\x90 " +
         Escape(previous.visiting->name) + " at " + Escape(previous.home->name) + "</a> ";
  }
  t += std::string(kNextMark) + "</nav>\n";
  pending_ = EndPage(page);
  pendingPath_ = "games/" + site.id + ".html";
}

void SiteBuilder::Finish(const league::League& league, const stats::LongestLists& longest,
                         const options::OutputOptions& options,
                         const std::vector<reports::LeaderRanking>* leaders) {
  EmitPendingGame("");
  emit_("site.css", std::string(kSiteStyle));
  emit_("site.js", std::string(kSiteScript));
  linesOf_.assign(league.players.size(), {});
  for (std::size_t g = 0; g < games_.size(); ++g)
    for (std::size_t l = 0; l < games_[g].lines.size(); ++l)
      linesOf_[games_[g].lines[l].player].emplace_back(g, l);
  WriteIndex(league, options);
  WriteTeamPages(league);
  WritePlayerPages(league);
  WriteLeaders(leaders != nullptr
                   ? *leaders
                   : reports::RankLeagueLeaders({league, longest, {}, nullptr}, options));
  WriteStatsPages(league);
  WriteSearchIndex(league);
}

}  // namespace yl::site
