// The site builder's game side: each game's share of the figures, and the
// game's page.
#include "site/site_builder.h"

#include <algorithm>
#include <array>

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

// The stat fields record by record: (first field, count) of each record.
const std::vector<std::pair<std::size_t, std::size_t>>& RecordFields() {
  static const std::vector<std::pair<std::size_t, std::size_t>> records = [] {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    const auto fields = league::PlayerStatFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (runs.empty() || fields[i].has != fields[runs.back().first].has) runs.emplace_back(i, 0);
      ++runs.back().second;
    }
    return runs;
  }();
  return records;
}

// Every stat field as a player without its record reads it.
const std::vector<std::int32_t>& FreshValues() {
  static const std::vector<std::int32_t> values = [] {
    const PlayerRecord fresh;
    std::vector<std::int32_t> read;
    for (const league::StatField& field : league::PlayerStatFields())
      read.push_back(static_cast<std::int32_t>(field.read(fresh)));
    return read;
  }();
  return values;
}

// The cells of the scoring plays and the play-by-play, written into the
// row: "1" ... "4" or "OT"; "4:07"; "3rd &amp; 2"; "Own 35"; "7–3".
void AddQuarter(RowText& row, std::int16_t quarter) {
  if (quarter == 5) {
    row.Add("OT"sv);
  } else {
    row.Number(quarter);
  }
}

void AddClock(RowText& row, std::int32_t minutes, std::int32_t seconds) {
  row.Number(minutes);
  row.Add(seconds < 10 ? ":0"sv : ":"sv);
  row.Number(seconds);
}

void AddDown(RowText& row, const transcript::Situation& s) {
  if (!s.down || *s.down < 1 || *s.down > 4) return;
  static constexpr std::string_view kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
  row.Add(kOrdinals[*s.down - 1]);
  if (!s.distance) return;
  row.Add(" &amp; "sv);
  if (s.inches) {
    row.Add("inches"sv);
  } else {
    row.Number(*s.distance);
  }
}

void AddBallOn(RowText& row, const transcript::Situation& s) {
  if (!s.yardLine) return;
  if (*s.yardLine != 50) row.Add(s.ownSide ? "Own "sv : "Opp "sv);
  row.Number(*s.yardLine);
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
    : league_(std::move(league)), leagueHtml_(EscapeUtf8(league_)), emit_(std::move(emit)) {}

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

const std::string& SiteBuilder::PlayerLink(const PlayerRecord& player) {
  if (player.index >= playerLinks_.size()) playerLinks_.resize(player.index + 1);
  std::string& link = playerLinks_[player.index];
  if (link.empty())
    link = Link("../players/" + PlayerId(player) + ".html", Escape(PlayerLabel(player)));
  return link;
}

const std::string& SiteBuilder::SectionHead(const reports::PlayerSection& section,
                                            std::string_view first, std::string_view second) {
  const auto found = heads_.find(HeadView(&section, first, second));
  if (found != heads_.end()) return found->second;
  return heads_
      .emplace(HeadKey(&section, std::string(first), std::string(second)),
               TableHead(SectionColumns(section, first, second)))
      .first->second;
}

const std::vector<std::string>& SiteBuilder::SectionCaptions(const TeamRecord& team) {
  std::vector<std::string>& captions = captions_[&team];
  if (captions.empty()) {
    for (const reports::PlayerSection& section : reports::PlayerSections())
      captions.push_back(SectionName(section) + " \xe2\x80\x94 " + run::MacRomanToUtf8(team.name));
  }
  return captions;
}

void SiteBuilder::BeforeCredit(const transcript::GameState& game) {
  const auto fields = league::PlayerStatFields();
  const auto& recordFields = RecordFields();
  gameBefore_.clear();
  heldBefore_.clear();
  for (PlayerRecord* player : game.players.Named()) {
    gameBefore_.resize(gameBefore_.size() + fields.size());
    std::int32_t* const before = gameBefore_.data() + gameBefore_.size() - fields.size();
    std::uint32_t held = 0;
    for (std::size_t r = 0; r < recordFields.size(); ++r) {
      const auto [firstField, fieldCount] = recordFields[r];
      if (!fields[firstField].has(*player)) continue;
      held |= 1u << r;
      for (std::size_t i = firstField; i < firstField + fieldCount; ++i) {
        const league::StatField& field = fields[i];
        const std::int64_t value = league::ReadHeld(*player, field);
        before[i] = static_cast<std::int32_t>(value);
        if (field.longest && value != league::kNoLongest)
          league::WriteHeld(*player, field, league::kNoLongest);
      }
    }
    heldBefore_.push_back(held);
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
  const auto& recordFields = RecordFields();
  const auto& fresh = FreshValues();
  std::size_t named = 0;
  for (PlayerRecord* player : game.players.Named()) {
    // Each has his row from BeforeCredit (crediting names no new player;
    // one it did would read as a fresh record).
    const std::uint32_t held = named < heldBefore_.size() ? heldBefore_[named] : 0;
    const std::int32_t* const before =
        held != 0 ? gameBefore_.data() + named * fields.size() : fresh.data();
    ++named;
    GameLine line{player->index, static_cast<std::uint32_t>(figures_.size())};
    line.side = player->teamName == game.home->name       ? Side::kHome
                : player->teamName == game.visiting->name ? Side::kVisiting
                                                          : Side::kNone;
    for (std::size_t r = 0; r < recordFields.size(); ++r) {
      const auto [firstField, fieldCount] = recordFields[r];
      // A record he has not: crediting left its fields as they were.
      if (!fields[firstField].has(*player)) continue;
      const bool had = (held & (1u << r)) != 0;
      for (std::size_t i = firstField; i < firstField + fieldCount; ++i) {
        const league::StatField& field = fields[i];
        const std::int64_t now = league::ReadHeld(*player, field);
        const std::int64_t was = had ? before[i] : fresh[i];
        std::int64_t value = now - was;
        if (field.longest) {
          // The game's longest play, then the season's back in its place.
          value = now;
          if (was > now) league::WriteHeld(*player, field, was);
          if (now == league::kNoLongest) continue;
        } else if (value == 0) {
          continue;
        }
        figures_.push_back({static_cast<std::uint16_t>(i), static_cast<std::int32_t>(value)});
      }
    }
    line.count = static_cast<std::uint16_t>(figures_.size() - line.first);
    lines_.push_back(line);
  }
  // Each player's share goes to his log.
  const auto gameIndex = static_cast<std::uint32_t>(games_.size());
  for (const GameLine& line : lines_) {
    if (line.player >= logs_.size()) logs_.resize(line.player + 1);
    PlayerLog& log = logs_[line.player];
    log.games.push_back(
        {gameIndex, static_cast<std::uint32_t>(log.figures.size()), line.count, line.side});
    log.figures.insert(log.figures.end(), figures_.begin() + line.first,
                       figures_.begin() + line.first + line.count);
  }
  // The team box of the game: what it added to each team's totals.
  TeamTotals& visitingBefore = teamsBefore_[game.visiting];
  TeamTotals& homeBefore = teamsBefore_[game.home];
  const TeamTotals visitingBox = Difference(game.visiting->own, visitingBefore);
  const TeamTotals homeBox = Difference(game.home->own, homeBefore);
  visitingBefore = game.visiting->own;
  homeBefore = game.home->own;
  games_.push_back(std::move(site));
  WriteGamePage(game, scoring, visitingBox, homeBox);
  figures_.clear();
  lines_.clear();
}

void SiteBuilder::EmitPendingGame(std::string_view nextLink) {
  if (pendingPath_.empty()) return;
  pending_.insert(pendingMark_, nextLink);
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

  Page page = BeginPage(r, visitingName + " at " + homeName, leagueHtml_);
  std::string& t = page.text;
  const transcript::GameScore& s = site.score;
  t += "<h1>" + visitingLink + " at " + homeLink + "</h1>\n";
  t += "<p class=\"sub\">Final: " + visitingName + " " + std::to_string(s.visitingPoints) + ", " +
       homeName + " " + std::to_string(s.homePoints) + " \xc2\xb7 " + Escape(site.name) + "</p>\n";

  // Line score.
  const auto lineScoreHead = [](bool overtime) {
    std::vector<Column> quarters{{"Team", {}, false},
                                 {"1", "1st quarter"},
                                 {"2", "2nd quarter"},
                                 {"3", "3rd quarter"},
                                 {"4", "4th quarter"}};
    if (overtime) quarters.push_back({"OT", "Overtime"});
    quarters.push_back({"T", "Final"});
    return TableHead(quarters);
  };
  static const std::string kLineScoreHeads[] = {lineScoreHead(false), lineScoreHead(true)};
  t += "<section id=\"line-score\"><h2>Line score</h2>\n"sv;
  BeginTable(t, "linescore", "Points by quarter", kLineScoreHeads[s.overtime ? 1 : 0]);
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
    static const std::string kScoringHead = TableHead({{"Q", "Quarter", false},
                                                       {"Time", "Time into the quarter", false},
                                                       {"Team", {}, false},
                                                       {"Play", {}, false}});
    BeginTable(t, "scoring", "Scoring plays", kScoringHead);
    for (const stats::ScoringDriveRecord& entry : scoring.entries) {
      RowText row(t);
      row.Add("<tr><td>"sv);
      if (entry.quarter > 0) AddQuarter(row, entry.quarter);
      row.Add("</td><td>"sv);
      if (entry.minutes >= 0) AddClock(row, entry.minutes, std::max<int>(entry.seconds, 0));
      row.Add("</td><td>"sv);
      row.Text(entry.team);
      row.Add("</td><td>"sv);
      row.Text(reports::ScoringPhrase(entry));
      row.Add("</td></tr>\n"sv);
      row.Flush();
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
  // The rows' labels as page text, made once.
  static const std::vector<std::string> kBoxLabels = [] {
    std::vector<std::string> labels;
    for (const reports::ComparisonRow& row : reports::TeamComparisonRows())
      labels.push_back(EscapeUtf8(row.label));
    return labels;
  }();
  const auto boxRows = reports::TeamComparisonRows();
  for (std::size_t i = 0; i < boxRows.size(); ++i) {
    t += "<tr>"sv;
    HtmlCell(t, kBoxLabels[i], true);
    NumberCell(t, boxRows[i].value(visitingBox));
    NumberCell(t, boxRows[i].value(homeBox));
    t += "</tr>\n"sv;
  }
  EndTable(t);
  t += "</section>\n"sv;

  // Each team's players, section by section, as the game report has them.
  std::vector<PlayerRecord> records;
  records.reserve(lines_.size());
  std::size_t lineAt = 0;
  for (const PlayerRecord* named : game.players.Named()) {
    const GameLine& line = lines_[lineAt++];
    records.push_back(
        GameRecord(*named, site, line.side, std::span(figures_).subspan(line.first, line.count)));
  }
  t += "<section id=\"players\"><h2>Players</h2>\n"sv;
  // Each team's players, in the game's order.
  const std::array<const TeamRecord*, 2> teams{site.visiting, site.home};
  std::array<stats::PlayerOrder, 2> players;
  for (stats::PlayerOrder& side : players)
    side.reserve(records.size());
  for (const PlayerRecord& record : records) {
    for (std::size_t side = 0; side < teams.size(); ++side)
      if (record.teamName == teams[side]->name) players[side].push_back(&record);
  }
  stats::PlayerOrder order;
  order.reserve(records.size());
  const std::array<const std::vector<std::string>*, 2> captions{&SectionCaptions(*site.visiting),
                                                                &SectionCaptions(*site.home)};
  const auto sections = reports::PlayerSections();
  for (std::size_t k = 0; k < sections.size(); ++k) {
    const reports::PlayerSection& section = sections[k];
    if (section.leftOutInGameMode) continue;
    for (std::size_t side = 0; side < teams.size(); ++side) {
      order.clear();
      for (const PlayerRecord* record : players[side]) {
        if (section.listed(*record)) order.push_back(record);
      }
      if (order.empty()) continue;
      stats::SortPlayersByStats(order, section.key, false);
      if (playerHeads_.size() <= k) playerHeads_.resize(k + 1);
      if (playerHeads_[k] == nullptr) playerHeads_[k] = &SectionHead(section, "Player", "");
      BeginTable(t, "sortable", (*captions[side])[k], *playerHeads_[k]);
      for (const PlayerRecord* record : order)
        SectionRow(t, section, PlayerLink(*record), nullptr, *record);
      EndTable(t);
    }
  }
  t += "</section>\n"sv;

  // The play-by-play, with the score after each play that changed it.
  t += "<section id=\"plays\"><h2>Play-by-play</h2>\n"sv;
  static const std::string kPlaysHead = TableHead({{"Q", "Quarter", false},
                                                   {"Clock", "Time left in the quarter", false},
                                                   {"Down", "Down and distance", false},
                                                   {"Ball on", "Line of scrimmage", false},
                                                   {"Play", {}, false},
                                                   {"Score", "Score after the play", false}});
  BeginTable(t, "plays", "Every play", kPlaysHead);
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
    RowText row(t);
    row.Add(scored ? "<tr class=\"score\"><td>"sv : "<tr><td>"sv);
    if (at.quarter) AddQuarter(row, *at.quarter);
    row.Add("</td><td>"sv);
    if (at.minutes && at.seconds) AddClock(row, *at.minutes, *at.seconds);
    row.Add("</td><td>"sv);
    AddDown(row, at);
    row.Add("</td><td>"sv);
    AddBallOn(row, at);
    row.Add("</td><td>"sv);
    row.Text(PlayText(play));
    row.Add("</td><td>"sv);
    if (scored) {
      row.Number(nextVisiting);
      row.Add("\xe2\x80\x93"sv);
      row.Number(nextHome);
    }
    row.Add("</td></tr>\n"sv);
    row.Flush();
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
  pendingMark_ = t.size();  // the next game's link goes here
  t += "</nav>\n"sv;
  pending_ = EndPage(page);
  pendingPath_ = "games/" + site.id + ".html";
}

void SiteBuilder::Finish(const league::League& league, const stats::LongestLists& longest,
                         const options::OutputOptions& options,
                         const std::vector<reports::LeaderRanking>* leaders) {
  EmitPendingGame("");
  emit_("site.css", std::string(kSiteStyle));
  emit_("site.js", std::string(kSiteScript));
  logs_.resize(std::max(logs_.size(), league.players.size()));
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
