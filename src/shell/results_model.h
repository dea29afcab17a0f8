// The figures of a finished run as tables of text for the results window: a
// snapshot the window owns (the run is gone by the time it is shown), the
// tables made from it (standings, players by section, team totals, leader
// tables, games), and the model and filter that show one, numbers sorting
// as numbers.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "compile/compile_run.h"
#include "league/league.h"

namespace yl::shell {

// A column: its header word, its full name (the header's tooltip) and
// whether it holds numbers (right-aligned, sorted by value, largest first
// on the first click).
struct ResultsColumn {
  QString word;
  QString title;
  bool number = false;
};

// A row: its cells, and the player and team names the filter matches.
struct ResultsRow {
  QStringList cells;
  QStringList names;
};

struct ResultsTable {
  std::vector<ResultsColumn> columns;
  std::vector<ResultsRow> rows;
};

// A leader table as the league report ranked it, turned into text while
// the players its rows point at still exist.
struct LeaderTableText {
  QString title;
  QString minimum;  // "12 Minimum Attempts" for a rate table, else ""
  ResultsTable table;
};

// What the results window shows of a run, owned by the window.
struct ResultsData {
  bool season = false;  // a cumulative or league run: players, teams and leaders are the league's
  std::vector<compile::GameResult> games;
  std::vector<league::PlayerRecord> players;  // a season run's, by index
  std::vector<league::TeamRecord> teams;      // a season run's
  std::vector<LeaderTableText> leaders;       // the tables some player made, in report order
  QStringList reportFiles;
  QString siteFolder;  // "": the run wrote no site
};

ResultsData MakeResultsData(const compile::CompileRun& run, const QStringList& reportFiles = {},
                            const QString& siteFolder = {});

// The sixteen player sections by name ("Passing", "Rushing", ...), in
// report order.
QStringList SectionNames();

// The teams by winning percentage (a tie counts half), then point
// difference, then name, as the site's standings rank them.
ResultsTable StandingsTable(const ResultsData& data);
// The players listed in the section, in the report's order; in a game run,
// each game's players, with the game first.
ResultsTable PlayersTable(const ResultsData& data, std::size_t section);
// Each team's own totals as the game report's comparison writes them, in
// standings order.
ResultsTable TeamsTable(const ResultsData& data);
ResultsTable GamesTable(const ResultsData& data);

// The number a cell sorts by: "12", "-3", "4.56", ".750"; a pair "3/4" by
// its first number, then its second; a time "31:05" in seconds. Text that
// is no number sorts below every number.
double SortValue(const QString& text);

// Rows as comma-separated values: a field holding a comma, a quote or a
// line end is quoted, its quotes doubled; UTF-8, each row ended by "\n".
QByteArray CsvBytes(const std::vector<QStringList>& rows);

// Shows one table. Its sort role gives numbers for number columns and the
// text for the others.
class ResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kSortRole = Qt::UserRole + 1;

  explicit ResultsModel(QObject* parent = nullptr);

  void SetTable(ResultsTable table);
  const ResultsTable& table() const { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  ResultsTable table_;
  std::vector<std::vector<double>> values_;  // by row, the number columns' sort values
};

// The rows whose player or team name holds the needle, in any letter case.
class ResultsFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ResultsFilter(ResultsModel* source, QObject* parent = nullptr);

  void SetNeedle(const QString& needle);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  const ResultsModel* source_;
  QString needle_;
};

}  // namespace yl::shell
