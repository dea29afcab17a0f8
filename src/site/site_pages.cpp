// The site builder's season side: standings, teams, players, leaders, the
// statistics tables and the search index, written when the run ends.
#include <algorithm>
#include <array>
#include <map>

#include "league/stat_fields.h"
#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/player_section_table.h"
#include "reports/report_driver.h"
#include "reports/report_text.h"
#include "reports/stat_columns.h"
#include "run/mac_roman.h"
#include "site/page_parts.h"
#include "site/site_builder.h"
#include "stats/ranking.h"

namespace yl::site {

using namespace std::literals;

namespace {

using league::PlayerRecord;
using league::TeamRecord;

// The headline figures: the index's leaders and a player's best games.
struct Headline {
  std::string_view name;
  const reports::Statistic* stat;
};
const std::array<Headline, 8> kHeadlines = {{
    {"Passing yards", &reports::stat::kPassYards},
    {"Rushing yards", &reports::stat::kRushYards},
    {"Receiving yards", &reports::stat::kReceivingYards},
    {"Touchdowns", &reports::stat::kTouchdowns},
    {"Sacks", &reports::stat::kSacks},
    {"Interceptions", &reports::stat::kInterceptions},
    {"Field goals", &reports::stat::kFieldGoalsScored},
    {"Points", &reports::stat::kPoints},
}};

std::int64_t Value(const Headline& headline, const PlayerRecord& player) {
  return headline.stat->part(player);
}

// W, L or T for the team in a game, and its points and the opponent's.
struct Result {
  char letter;
  int own;
  int theirs;
};
// A game on a player's page: the game linked ("at Owls"), the result
// ("W 24–17") and the chart's label, as one side's players see it.
struct GameCells {
  std::string game;
  std::string result;
  std::string label;
};

Result ResultOf(const SiteGame& game, const TeamRecord* team) {
  const bool home = game.home == team;
  const int own = home ? game.score.homePoints : game.score.visitingPoints;
  const int theirs = home ? game.score.visitingPoints : game.score.homePoints;
  return {own > theirs ? 'W' : own < theirs ? 'L' : 'T', own, theirs};
}

std::string RecordText(const std::array<int, 3>& record) {
  return std::to_string(record[0]) + "-" + std::to_string(record[1]) + "-" +
         std::to_string(record[2]);
}

// ".750", as the reports write a record's percentage; "1.000" for all won.
std::string Ordinal(std::size_t n) {
  const std::size_t tens = n % 100;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : n % 10 == 1              ? "st"
                       : n % 10 == 2              ? "nd"
                       : n % 10 == 3              ? "rd"
                                                  : "th";
  return std::to_string(n) + suffix;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
      // Also < > &: the index is a script, and no name may end it.
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

// ---- The standings and the results ----

void SiteBuilder::WriteIndex(const league::League& league, const options::OutputOptions&) {
  std::map<const TeamRecord*, TeamSeason> seasons;
  for (const TeamRecord& team : league.teams)
    seasons[&team];
  for (std::size_t g = 0; g < games_.size(); ++g) {
    for (const TeamRecord* team : {games_[g].visiting, games_[g].home}) {
      TeamSeason& season = seasons[team];
      season.games.push_back(g);
      const Result result = ResultOf(games_[g], team);
      auto& record = games_[g].home == team ? season.home : season.away;
      ++record[result.letter == 'W' ? 0 : result.letter == 'L' ? 1 : 2];
    }
  }
  for (auto& [team, season] : seasons) {
    if (season.games.empty()) continue;
    const char last = ResultOf(games_[season.games.back()], team).letter;
    int run = 0;
    for (auto g = season.games.rbegin(); g != season.games.rend(); ++g, ++run)
      if (ResultOf(games_[*g], team).letter != last) break;
    season.streak = std::string(1, last) + std::to_string(run);
  }
  std::vector<const TeamRecord*> standings;
  for (const TeamRecord& team : league.teams)
    standings.push_back(&team);
  SortStandings(standings);
  for (std::size_t i = 0; i < standings.size(); ++i)
    seasons[standings[i]].place = i + 1;
  seasons_ = std::move(seasons);
  standings_ = std::move(standings);

  Page page = BeginPage("", "Standings", leagueHtml_);
  std::string& t = page.text;
  t += "<h1>" + leagueHtml_ + "</h1>\n<p class=\"sub\">" + std::to_string(games_.size()) +
       (games_.size() == 1 ? " game" : " games") + " compiled</p>\n";
  t += "<section id=\"standings\"><h2>Standings</h2>\n"sv;
  BeginTable(t, "sortable standings", "Standings",
             {{"Team", {}, false},
              {"G", "Games"},
              {"W", "Wins"},
              {"L", "Losses"},
              {"T", "Ties"},
              {"Pct", "Winning percentage (a tie counts half)"},
              {"PF", "Points for"},
              {"PA", "Points against"},
              {"Diff", "Point difference"},
              {"Home", "Home record (W-L-T)", false},
              {"Away", "Away record (W-L-T)", false},
              {"Strk", "Current streak", false}});
  for (const TeamRecord* team : standings_) {
    const TeamSeason& season = seasons_[team];
    t += "<tr>"sv;
    HtmlCell(t, Link("teams/" + TeamId(*team) + ".html", Escape(team->name)), true);
    NumberCell(t, static_cast<std::int64_t>(team->gamesPlayed));
    NumberCell(t, static_cast<std::int64_t>(team->wins));
    NumberCell(t, static_cast<std::int64_t>(team->losses));
    NumberCell(t, static_cast<std::int64_t>(team->ties));
    NumberCell(t, PercentageText(Percentage(*team)));
    NumberCell(t, static_cast<std::int64_t>(team->own.points));
    NumberCell(t, static_cast<std::int64_t>(team->opponents.points));
    NumberCell(t, static_cast<std::int64_t>(team->own.points - team->opponents.points));
    TextCell(t, RecordText(season.home));
    TextCell(t, RecordText(season.away));
    TextCell(t, season.streak);
    t += "</tr>\n"sv;
  }
  EndTable(t);
  t += "</section>\n"sv;

  t += "<section id=\"results\"><h2>Results</h2>\n"sv;
  BeginTable(t, "sortable results", "Every game in the order compiled",
             {{"#", "Game number"},
              {"Visitor", {}, false},
              {"Pts", "Visitor's points"},
              {"Home", {}, false},
              {"Pts", "Home team's points"},
              {"Game", "Box score and play-by-play", false}});
  for (std::size_t g = 0; g < games_.size(); ++g) {
    const SiteGame& game = games_[g];
    t += "<tr>"sv;
    NumberCell(t, static_cast<std::int64_t>(g + 1));
    HtmlCell(t, Link("teams/" + TeamId(*game.visiting) + ".html", Escape(game.visiting->name)));
    NumberCell(t, static_cast<std::int64_t>(game.score.visitingPoints));
    HtmlCell(t, Link("teams/" + TeamId(*game.home) + ".html", Escape(game.home->name)));
    NumberCell(t, static_cast<std::int64_t>(game.score.homePoints));
    HtmlCell(t, Link("games/" + game.id + ".html", Escape(game.name)));
    t += "</tr>\n"sv;
  }
  EndTable(t);
  t += "</section>\n"sv;

  t += "<section id=\"leaders\"><h2>Leaders</h2>\n<div class=\"leader-grid\">\n"sv;
  for (const Headline& headline : kHeadlines) {
    std::vector<const PlayerRecord*> best;
    for (const PlayerRecord& player : league.players)
      if (Value(headline, player) > 0) best.push_back(&player);
    std::sort(best.begin(), best.end(), [&](const PlayerRecord* a, const PlayerRecord* b) {
      if (Value(headline, *a) != Value(headline, *b))
        return Value(headline, *a) > Value(headline, *b);
      return a->index < b->index;
    });
    if (best.size() > 5) best.resize(5);
    if (best.empty()) continue;
    BeginTable(t, "leaders", headline.name,
               {{"Player", {}, false}, {"Team", {}, false}, {"Value", std::string(headline.name)}});
    for (const PlayerRecord* player : best) {
      t += "<tr>"sv;
      HtmlCell(t, Link("players/" + PlayerId(*player) + ".html", Escape(PlayerLabel(*player))),
               true);
      TextCell(t, player->teamName);
      NumberCell(t, static_cast<std::int64_t>(Value(headline, *player)));
      t += "</tr>\n"sv;
    }
    EndTable(t);
  }
  t += "</div>\n<p>" + Link("leaders.html", "Every leader table") + "</p>\n</section>\n";

  t += "<section id=\"teams\"><h2>Teams</h2>\n<ul class=\"links\">\n"sv;
  for (const TeamRecord* team : standings_)
    t += "<li>" + Link("teams/" + TeamId(*team) + ".html", Escape(team->name)) + "</li>\n";
  t += "</ul>\n</section>\n"sv;
  t += "<section id=\"stats\"><h2>Statistics</h2>\n<ul class=\"links\">\n"sv;
  for (const reports::PlayerSection& section : reports::PlayerSections())
    t += "<li>" +
         Link("stats/" + SectionFile(section) + ".html", EscapeUtf8(SectionName(section))) +
         "</li>\n";
  t += "<li>" + Link("leaders.html", "League leaders") + "</li>\n</ul>\n</section>\n";
  emit_("index.html", EndPage(page));
}

// ---- Teams ----

void SiteBuilder::WriteTeamPages(const league::League& league) {
  for (const TeamRecord& team : league.teams) {
    const TeamSeason& season = seasons_[&team];
    const std::string r = "../";
    Page page = BeginPage(r, Escape(team.name), leagueHtml_);
    std::string& t = page.text;
    t += "<h1>" + Escape(team.name) + "</h1>\n<p class=\"sub\">" + std::to_string(team.wins) + "-" +
         std::to_string(team.losses) + "-" + std::to_string(team.ties) + " \xc2\xb7 " +
         Ordinal(season.place) + " of " + std::to_string(standings_.size()) + " in the " +
         Link(r + "index.html#standings", "standings") + "</p>\n";

    t += "<section id=\"schedule\"><h2>Schedule and results</h2>\n"sv;
    if (season.games.empty()) t += "<p>No game compiled.</p>\n"sv;
    std::vector<std::string> labels;
    Series pointsFor{"Points for", "bar-for", {}};
    Series pointsAgainst{"Points against", "bar-against", {}};
    if (!season.games.empty()) {
      BeginTable(t, "sortable", "Games",
                 {{"#", "Game number"},
                  {"Opponent", {}, false},
                  {"Where", "Home or away", false},
                  {"Score", "Points for and against", false},
                  {"Result", "Win, loss or tie", false},
                  {"Game", "Box score and play-by-play", false}});
      std::size_t n = 0;
      for (const std::size_t g : season.games) {
        const SiteGame& game = games_[g];
        const bool home = game.home == &team;
        const TeamRecord* other = home ? game.visiting : game.home;
        const Result result = ResultOf(game, &team);
        t += "<tr>"sv;
        NumberCell(t, static_cast<std::int64_t>(++n));
        HtmlCell(t, Link(r + "teams/" + TeamId(*other) + ".html", Escape(other->name)));
        TextCell(t, home ? "Home" : "Away");
        HtmlCell(t, std::to_string(result.own) + "\xe2\x80\x93" + std::to_string(result.theirs));
        TextCell(t, std::string(1, result.letter));
        HtmlCell(t, Link(r + "games/" + game.id + ".html", "Box score"));
        t += "</tr>\n"sv;
        labels.push_back((home ? "vs " : "at ") + run::MacRomanToUtf8(other->name));
        pointsFor.values.push_back(result.own);
        pointsAgainst.values.push_back(result.theirs);
      }
      EndTable(t);
      t += BarChart("Points for and against, game by game",
                    std::vector<std::string_view>(labels.begin(), labels.end()),
                    {pointsFor, pointsAgainst});
    }
    t += "</section>\n"sv;

    t += "<section id=\"totals\"><h2>Team totals</h2>\n"sv;
    BeginTable(t, "box", "Totals against the opponents' totals",
               {{"", "Figure", false}, {run::MacRomanToUtf8(team.name), {}}, {"Opponents", {}}});
    for (const reports::ComparisonRow& row : reports::TeamComparisonRows()) {
      t += "<tr>"sv;
      HtmlCell(t, EscapeUtf8(row.label), true);
      NumberCell(t, row.value(team.own));
      NumberCell(t, row.value(team.opponents));
      t += "</tr>\n"sv;
    }
    EndTable(t);
    t += "</section>\n"sv;

    // The roster: the team's players now, by number.
    std::vector<const PlayerRecord*> roster;
    for (const PlayerRecord& player : league.players)
      if (player.teamName == team.name) roster.push_back(&player);
    std::sort(roster.begin(), roster.end(), [](const PlayerRecord* a, const PlayerRecord* b) {
      if (a->number != b->number) return a->number < b->number;
      return a->name != b->name ? a->name < b->name : a->index < b->index;
    });
    t += "<section id=\"roster\"><h2>Roster</h2>\n"sv;
    BeginTable(t, "sortable", "Roster",
               {{"No.", "Number"},
                {"Player", {}, false},
                {"Pos", "Position", false},
                {"G", "Games with the team"}});
    for (const PlayerRecord* player : roster) {
      int games = 0;
      for (const LoggedGame& logged : logs_[player->index].games)
        if (logged.side != Side::kNone &&
            (logged.side == Side::kHome ? games_[logged.game].home
                                        : games_[logged.game].visiting) == &team)
          ++games;
      t += "<tr>"sv;
      NumberCell(t, static_cast<std::int64_t>(player->number));
      HtmlCell(t, Link(r + "players/" + PlayerId(*player) + ".html", Escape(player->name)), true);
      TextCell(t,
               player->position != 0 ? league::PositionText(player->position, player->side) : "");
      NumberCell(t, static_cast<std::int64_t>(games));
      t += "</tr>\n"sv;
    }
    EndTable(t);
    t += "</section>\n"sv;

    t += "<section id=\"players\"><h2>Player statistics</h2>\n"sv;
    for (const reports::PlayerSection& section : reports::PlayerSections()) {
      stats::PlayerOrder order;
      for (const PlayerRecord* player : roster)
        if (section.listed(*player)) order.push_back(player);
      if (order.empty()) continue;
      stats::SortPlayersByStats(order, section.key, false);
      BeginTable(t, "sortable", SectionName(section), SectionHead(section, "Player", ""));
      for (const PlayerRecord* player : order)
        SectionRow(t, section, PlayerLink(*player), nullptr, *player);
      EndTable(t);
    }
    t += "</section>\n"sv;
    emit_("teams/" + TeamId(team) + ".html", EndPage(page));
  }
}

// ---- Players ----

void SiteBuilder::WritePlayerPages(const league::League& league) {
  // Each game's cells as each side's players see it, made once for them all.
  std::vector<std::array<GameCells, 2>> gameCells(games_.size());
  for (std::size_t g = 0; g < games_.size(); ++g) {
    const SiteGame& game = games_[g];
    for (const bool home : {false, true}) {
      const TeamRecord* own = home ? game.home : game.visiting;
      const TeamRecord* other = own == game.home ? game.visiting : game.home;
      const std::string where = own == game.home ? "vs " : "at ";
      const Result result = ResultOf(game, own);
      gameCells[g][home ? 1 : 0] = {
          Link("../games/" + game.id + ".html", where + Escape(other->name)),
          std::string(1, result.letter) + " " + std::to_string(result.own) + "\xe2\x80\x93" +
              std::to_string(result.theirs),
          where + run::MacRomanToUtf8(other->name)};
    }
  }
  for (const PlayerRecord& player : league.players) {
    const PlayerLog& log = logs_[player.index];
    if (player.teamName.empty() && log.games.empty()) continue;
    const std::string r = "../";
    Page page = BeginPage(r, Escape(PlayerLabel(player)), leagueHtml_);
    std::string& t = page.text;
    t += "<h1>" + Escape(player.name) + "</h1>\n<p class=\"sub\">#" + std::to_string(player.number);
    if (player.position != 0)
      t += " \xc2\xb7 " + std::string(league::PositionText(player.position, player.side));
    const TeamRecord* team = nullptr;
    for (const TeamRecord& candidate : league.teams)
      if (candidate.name == player.teamName) team = &candidate;
    if (team != nullptr)
      t += " \xc2\xb7 " + Link(r + "teams/" + TeamId(*team) + ".html", Escape(team->name));
    t += "</p>\n"sv;

    // His games, as records, with the opponent and the result.
    std::vector<PlayerRecord> records;
    std::vector<const GameCells*> cells;
    std::vector<std::string_view> labels;
    records.reserve(log.games.size());
    cells.reserve(log.games.size());
    labels.reserve(log.games.size());
    for (const LoggedGame& line : log.games) {
      const SiteGame& game = games_[line.game];
      records.push_back(GameRecord(player, game, line.side,
                                   std::span(log.figures).subspan(line.first, line.count)));
      const TeamRecord* own = line.side == Side::kHome ? game.home : game.visiting;
      cells.push_back(&gameCells[line.game][own == game.home ? 1 : 0]);
      labels.push_back(cells.back()->label);
    }
    const std::string noResult;
    const auto resultCell = [&](std::size_t i) {
      return log.games[i].side == Side::kNone ? &noResult : &cells[i]->result;
    };

    t += "<section id=\"season\"><h2>Season and game log</h2>\n"sv;
    bool any = false;
    for (const reports::PlayerSection& section : reports::PlayerSections()) {
      if (!section.listed(player)) continue;
      any = true;
      BeginTable(t, "sortable gamelog", SectionName(section),
                 SectionHead(section, "Game", "Result"));
      for (std::size_t i = 0; i < records.size(); ++i)
        if (section.listed(records[i]))
          SectionRow(t, section, cells[i]->game, resultCell(i), records[i]);
      std::string foot;
      const std::string empty;
      SectionRow(foot, section, "Season", &empty, player, "total");
      EndTable(t, foot);
    }
    if (!any) t += "<p>No figures this season.</p>\n"sv;
    t += "</section>\n"sv;

    // His best game in each headline figure, and his main figure's chart.
    std::string best;
    const Headline* main = nullptr;
    for (const Headline& headline : kHeadlines) {
      std::size_t top = records.size();
      for (std::size_t i = 0; i < records.size(); ++i)
        if (Value(headline, records[i]) > 0 &&
            (top == records.size() || Value(headline, records[i]) > Value(headline, records[top])))
          top = i;
      if (top == records.size()) continue;
      // His main figure: the headline he has most of over the season.
      if (main == nullptr || Value(headline, player) > Value(*main, player)) main = &headline;
      best += "<li>" + std::string(headline.name) + ": " +
              std::to_string(Value(headline, records[top])) + ", " + cells[top]->game + "</li>\n";
    }
    if (!best.empty()) {
      t += "<section id=\"best\"><h2>Best games</h2>\n<ul class=\"links\">\n" + best + "</ul>\n";
      Series figure{std::string(main->name), "bar-for", {}};
      for (const PlayerRecord& record : records)
        figure.values.push_back(Value(*main, record));
      t += BarChart(std::string(main->name) + ", game by game", labels, {figure});
      t += "</section>\n"sv;
    }
    emit_("players/" + PlayerId(player) + ".html", EndPage(page));
  }
}

// ---- Leaders ----

void SiteBuilder::WriteLeaders(const std::vector<reports::LeaderRanking>& rankings) {
  const auto tables = reports::LeaderTables();
  Page page = BeginPage("", "Leaders", leagueHtml_);
  std::string& t = page.text;
  t += "<h1>League leaders</h1>\n"sv;
  std::string contents;
  std::string body;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const reports::LeaderTable& table = tables[i];
    const reports::LeaderRanking& ranking = rankings[i];
    if (!ranking.any) continue;
    std::string_view title = table.title;
    while (title.starts_with('-'))
      title.remove_prefix(1);
    const std::string id = Slug(title);
    contents += "<li>" + Link("#" + id, EscapeUtf8(title)) + "</li>\n";
    body += "<section id=\"" + id + "\"><h2>" + EscapeUtf8(title) + "</h2>\n";
    if (ranking.minimum)
      body += "<p class=\"sub\">" +
              reports::IntegerText(static_cast<std::int64_t>(*ranking.minimum)) +
              EscapeUtf8(table.minimum->text) + "</p>\n";
    std::vector<Column> columns{
        {"Rank", "Rank"}, {"Player", {}, false}, {"Pos", "Position", false}, {"Team", {}, false}};
    for (const reports::StatColumn& column : table.columns)
      columns.push_back({std::string(column.word), ColumnTitle(column.word), true});
    BeginTable(body, "sortable", title, columns);
    std::int64_t rank = 0;
    for (const reports::LeaderRow& row : ranking.rows) {
      const PlayerRecord& player = *row.player;
      body += "<tr>"sv;
      NumberCell(body, static_cast<std::int64_t>(++rank));
      HtmlCell(body, Link("players/" + PlayerId(player) + ".html", Escape(PlayerLabel(player))),
               true);
      std::string position = reports::LeaderPositionText(player, table.positions);
      while (!position.empty() && position.back() == ' ')
        position.pop_back();
      TextCell(body, position);
      TextCell(body, player.teamName);
      for (std::size_t c = 0; c < table.columns.size(); ++c)
        NumberCell(body, reports::LeaderCellText(table, c, row));
      body += "</tr>\n"sv;
    }
    EndTable(body);
    body += "</section>\n"sv;
  }
  if (contents.empty()) {
    t += "<p>No leader tables: no player qualified, or the run lists no leaders.</p>\n"sv;
  } else {
    t += "<nav class=\"contents\"><ul class=\"links\">\n" + contents + "</ul></nav>\n" + body;
  }
  emit_("leaders.html", EndPage(page));
}

// ---- Statistics ----

void SiteBuilder::WriteStatsPages(const league::League& league) {
  std::string menu = "<nav class=\"contents\"><ul class=\"links\">\n";
  for (const reports::PlayerSection& section : reports::PlayerSections())
    menu +=
        "<li>" + Link(SectionFile(section) + ".html", EscapeUtf8(SectionName(section))) + "</li>\n";
  menu += "</ul></nav>\n"sv;
  for (const reports::PlayerSection& section : reports::PlayerSections()) {
    const std::string r = "../";
    Page page = BeginPage(r, EscapeUtf8(SectionName(section)), leagueHtml_);
    std::string& t = page.text;
    t += "<h1>" + EscapeUtf8(SectionName(section)) + "</h1>\n" + menu;
    stats::PlayerOrder order;
    for (const PlayerRecord& player : league.players)
      if (section.listed(player)) order.push_back(&player);
    stats::SortPlayersByStats(order, section.key, true);
    if (order.empty()) {
      t += "<p>No player has figures here.</p>\n"sv;
    } else {
      BeginTable(t, "sortable", SectionName(section) + ", every player",
                 SectionHead(section, "Player", "Team"));
      for (const PlayerRecord* player : order) {
        const std::string team = Escape(player->teamName);
        SectionRow(t, section, PlayerLink(*player), &team, *player);
      }
      EndTable(t);
    }
    emit_("stats/" + SectionFile(section) + ".html", EndPage(page));
  }
}

// ---- Search ----

void SiteBuilder::WriteSearchIndex(const league::League& league) {
  std::string index = "window.YL_SEARCH = [\n";
  for (const TeamRecord& team : league.teams)
    index += "[" + JsonString(run::MacRomanToUtf8(team.name)) + ",\"Team\"," +
             JsonString("teams/" + TeamId(team) + ".html") + "],\n";
  for (const PlayerRecord& player : league.players) {
    if (player.teamName.empty() && logs_[player.index].games.empty()) continue;
    index += "[" + JsonString(run::MacRomanToUtf8(PlayerLabel(player))) + "," +
             JsonString(run::MacRomanToUtf8(player.teamName)) + "," +
             JsonString("players/" + PlayerId(player) + ".html") + "],\n";
  }
  index += "];\n"sv;
  emit_("search-index.js", index);
}

}  // namespace yl::site
