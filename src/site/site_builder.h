// The league web site of a season run. The builder follows the run game by
// game: it keeps each game's share of every player's figures (the league
// model holds only the season's sums) and writes the game's page at once;
// when the run ends it writes the standings, the teams', players', leaders'
// and statistics pages and the search index. It writes through `emit`
// (a path relative to the site's folder and the file's bytes) and knows
// nothing of files.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/leader_tables.h"
#include "reports/player_section_table.h"
#include "site/html.h"
#include "stats/longest_lists.h"
#include "stats/scoring_summary.h"
#include "transcript/game_reader.h"

namespace yl::site {

// The folders the pages go to, made before the first page is emitted.
inline constexpr const char* kSiteFolders[] = {"games", "teams", "players", "stats"};

using Emit = std::function<void(const std::string& path, const std::string& bytes)>;

// One figure of a player's game: the field (its place in the stat field
// list) and the game's value.
struct Figure {
  std::uint16_t field;
  std::int32_t value;
};

enum class Side : std::uint8_t { kNone, kVisiting, kHome };

// A player named in the game being read, and where his figures are in the
// game's list.
struct GameLine {
  std::uint32_t player;  // his index in the league
  std::uint32_t first = 0;
  std::uint16_t count = 0;
  Side side = Side::kNone;
};

struct SiteGame {
  std::string id;
  std::string name;  // the transcript's
  const league::TeamRecord* visiting = nullptr;
  const league::TeamRecord* home = nullptr;
  transcript::GameScore score;
};

// One of a player's games: the game (its place in the season's list), his
// side, and where its figures are in his log.
struct LoggedGame {
  std::uint32_t game;
  std::uint32_t first = 0;
  std::uint16_t count = 0;
  Side side = Side::kNone;
};

// A player's games in transcript order with their figures, kept together
// so that his page reads them in one sweep.
struct PlayerLog {
  std::vector<LoggedGame> games;
  std::vector<Figure> figures;
};

// A team's season as its games give it: home and away records, the current
// streak and the place in the standings.
struct TeamSeason {
  std::vector<std::size_t> games;  // in transcript order
  std::array<int, 3> home{};       // wins, losses, ties
  std::array<int, 3> away{};
  std::string streak;
  std::size_t place = 0;  // 1-based
};

class SiteBuilder {
 public:
  SiteBuilder(std::string league, Emit emit);
  SiteBuilder(const SiteBuilder&) = delete;
  SiteBuilder& operator=(const SiteBuilder&) = delete;

  // The game is read, not yet credited: its players' season figures are
  // kept, and their longest plays set aside so that the crediting gives the
  // game's own longest plays.
  void BeforeCredit(const transcript::GameState& game);
  // The game is credited: its share of the figures is kept, the season's
  // longest plays restored, and its page written.
  void GameRead(std::string_view transcript, const transcript::GameState& game,
                const stats::ScoringSummary& scoring);
  // Every other page, from the season's model.
  // `leaders`: the league report's leader tables as it ranked them; none:
  // they are ranked here as the report would.
  void Finish(const league::League& league, const stats::LongestLists& longest,
              const options::OutputOptions& options,
              const std::vector<reports::LeaderRanking>* leaders = nullptr);

 private:
  const std::string& PlayerId(const league::PlayerRecord& player);
  const std::string& TeamId(const league::TeamRecord& team);
  // The player's name cell on a page one folder down:
  // <a href="../players/ID.html">#49-Stanalinwell</a>, made once.
  const std::string& PlayerLink(const league::PlayerRecord& player);
  // The head of a section's table (SectionColumns), made once.
  const std::string& SectionHead(const reports::PlayerSection& section, std::string_view first,
                                 std::string_view second);
  // A game page's captions of the sections' tables for one team, in the
  // sections' order: "Passing — Bears", made once.
  const std::vector<std::string>& SectionCaptions(const league::TeamRecord& team);
  void WriteGamePage(const transcript::GameState& game, const stats::ScoringSummary& scoring,
                     const league::TeamTotals& visitingBox, const league::TeamTotals& homeBox);
  void EmitPendingGame(std::string_view nextLink);
  // The season pages (site_pages.cpp).
  void WriteIndex(const league::League& league, const options::OutputOptions& options);
  void WriteTeamPages(const league::League& league);
  void WritePlayerPages(const league::League& league);
  void WriteLeaders(const std::vector<reports::LeaderRanking>& rankings);
  void WriteStatsPages(const league::League& league);
  void WriteSearchIndex(const league::League& league);

  std::string league_;
  std::string leagueHtml_;  // the league's name as page text
  Emit emit_;
  std::vector<SiteGame> games_;
  std::vector<Figure> figures_;  // the game being kept, before it is stored
  std::vector<GameLine> lines_;
  // The figures of the game's named players as crediting found them, a row
  // of every stat field per player in the game's order; only the fields of
  // records he held are set. (Stat records hold 32-bit counts.)
  std::vector<std::int32_t> gameBefore_;
  // Which records (bit r: the r-th record of the stat fields) each of them
  // held then.
  std::vector<std::uint32_t> heldBefore_;
  std::unordered_map<const league::TeamRecord*, league::TeamTotals> teamsBefore_;
  std::vector<std::string> playerIds_;  // by index; "" until given
  std::unordered_map<const league::TeamRecord*, std::string> teamIds_;
  AddressBook gameAddresses_;
  AddressBook teamAddresses_;
  AddressBook playerAddresses_;
  std::vector<std::string> playerLinks_;  // by index; "" until made
  // A section's table heads, by the section and the first two columns'
  // titles; found by views of the titles.
  using HeadView = std::tuple<const reports::PlayerSection*, std::string_view, std::string_view>;
  using HeadKey = std::tuple<const reports::PlayerSection*, std::string, std::string>;
  struct HeadLess {
    using is_transparent = void;
    static HeadView View(const HeadKey& key) {
      return {std::get<0>(key), std::get<1>(key), std::get<2>(key)};
    }
    static const HeadView& View(const HeadView& view) { return view; }
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
      return View(a) < View(b);
    }
  };
  std::map<HeadKey, std::string, HeadLess> heads_;
  std::unordered_map<const league::TeamRecord*, std::vector<std::string>> captions_;
  // A game page's heads of the sections' tables, by the sections' order.
  std::vector<const std::string*> playerHeads_;
  std::string pending_;          // the last game's page, waiting for the next game's link
  std::size_t pendingMark_ = 0;  // where in it the link goes
  std::string pendingPath_;
  // Each player's games and figures, by his index.
  std::vector<PlayerLog> logs_;
  // Built when the run ends: each team's season, and the teams in standings
  // order.
  std::map<const league::TeamRecord*, TeamSeason> seasons_;
  std::vector<const league::TeamRecord*> standings_;
};

}  // namespace yl::site
