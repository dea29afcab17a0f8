// The results' snapshot, its tables and their model.
#include "shell/results_model.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/player_section_table.h"
#include "reports/report_text.h"
#include "run/mac_roman.h"
#include "shell/native_text.h"
#include "site/html.h"
#include "site/page_parts.h"
#include "stats/ranking.h"

namespace yl::shell {

namespace {

using league::PlayerRecord;
using league::TeamRecord;

// Names from transcripts and team files are Mac OS Roman.
QString Text(std::string_view macRoman) {
  return QString::fromStdString(run::MacRomanToUtf8(macRoman));
}

QString Number(std::int64_t value) {
  return QString::number(value);
}

std::vector<const TeamRecord*> Standings(const ResultsData& data) {
  std::vector<const TeamRecord*> standings;
  for (const TeamRecord& team : data.teams)
    standings.push_back(&team);
  site::SortStandings(standings);
  return standings;
}

std::vector<ResultsColumn> Columns(const std::vector<site::Column>& columns) {
  std::vector<ResultsColumn> result;
  for (const site::Column& column : columns)
    result.push_back(
        {QString::fromStdString(column.word), QString::fromStdString(column.title), column.number});
  return result;
}

// The player's name, his team, then the section's figures as the reports
// write them.
ResultsRow SectionRow(const reports::PlayerSection& section, const PlayerRecord& player) {
  ResultsRow row;
  row.cells.reserve(static_cast<qsizetype>(section.columns.size()) + 3);
  row.cells << Text(site::PlayerLabel(player)) << Text(player.teamName);
  for (const reports::StatColumn& column : section.columns)
    row.cells << QString::fromStdString(reports::StatText(*column.stat, player));
  row.names << Text(player.name) << row.cells[1];
  return row;
}

LeaderTableText LeaderText(const reports::LeaderTable& table,
                           const reports::LeaderRanking& ranking) {
  std::string_view title = table.title;
  while (title.starts_with('-'))
    title.remove_prefix(1);
  LeaderTableText text;
  text.title = QString::fromStdString(std::string(title));
  if (ranking.minimum)
    text.minimum =
        QString::fromStdString(reports::IntegerText(static_cast<std::int64_t>(*ranking.minimum)) +
                               std::string(table.minimum->text));
  text.minimum = text.minimum.trimmed();
  text.table.columns = {{"Rank", "Rank", true}, {"Player", {}, false}, {"Team", {}, false}};
  for (const reports::StatColumn& column : table.columns)
    text.table.columns.push_back({QString::fromStdString(std::string(column.word)),
                                  QString::fromStdString(site::ColumnTitle(column.word)), true});
  std::int64_t rank = 0;
  for (const reports::LeaderRow& leader : ranking.rows) {
    ResultsRow row;
    row.cells << Number(++rank) << Text(site::PlayerLabel(*leader.player))
              << Text(leader.player->teamName);
    for (std::size_t c = 0; c < table.columns.size(); ++c)
      row.cells << QString::fromStdString(reports::LeaderCellText(table, c, leader));
    row.names << Text(leader.player->name) << row.cells[2];
    text.table.rows.push_back(std::move(row));
  }
  return text;
}

}  // namespace

ResultsData MakeResultsData(const compile::CompileRun& run, const QStringList& reportFiles,
                            const QString& siteFolder) {
  ResultsData data;
  data.season = run.options.SeasonMode();
  data.games = run.results.games;
  data.players = run.results.players;
  data.teams = run.results.teams;
  data.reportFiles = reportFiles;
  data.siteFolder = siteFolder;
  const auto tables = reports::LeaderTables();
  for (std::size_t i = 0; i < run.leaders.size() && i < tables.size(); ++i)
    if (run.leaders[i].any) data.leaders.push_back(LeaderText(tables[i], run.leaders[i]));
  return data;
}

QStringList SectionNames() {
  QStringList names;
  for (const reports::PlayerSection& section : reports::PlayerSections())
    names << QString::fromStdString(site::SectionName(section));
  return names;
}

ResultsTable StandingsTable(const ResultsData& data) {
  ResultsTable table;
  table.columns = {{"Team", {}, false},
                   {"G", "Games", true},
                   {"W", "Wins", true},
                   {"L", "Losses", true},
                   {"T", "Ties", true},
                   {"Pct", "Winning percentage (a tie counts half)", true},
                   {"PF", "Points for", true},
                   {"PA", "Points against", true},
                   {"Diff", "Point difference", true}};
  for (const TeamRecord* team : Standings(data)) {
    ResultsRow row;
    row.cells << Text(team->name) << Number(team->gamesPlayed) << Number(team->wins)
              << Number(team->losses) << Number(team->ties)
              << QString::fromStdString(site::PercentageText(site::Percentage(*team)))
              << Number(team->own.points) << Number(team->opponents.points)
              << Number(team->own.points - team->opponents.points);
    row.names << row.cells[0];
    table.rows.push_back(std::move(row));
  }
  return table;
}

ResultsTable PlayersTable(const ResultsData& data, std::size_t section) {
  const auto sections = reports::PlayerSections();
  ResultsTable table;
  if (section >= sections.size()) return table;
  const reports::PlayerSection& chosen = sections[section];
  table.columns = Columns(site::SectionColumns(chosen, "Player", "Team"));
  if (data.season) {
    stats::PlayerOrder order;
    for (const PlayerRecord& player : data.players)
      if (chosen.listed(player)) order.push_back(&player);
    stats::SortPlayersByStats(order, chosen.key, true);
    table.rows.reserve(order.size());
    for (const PlayerRecord* player : order)
      table.rows.push_back(SectionRow(chosen, *player));
    return table;
  }
  table.columns.insert(table.columns.begin(), {"Game", "Transcript", false});
  for (const compile::GameResult& game : data.games) {
    stats::PlayerOrder order;
    for (const PlayerRecord& player : game.players)
      if (chosen.listed(player)) order.push_back(&player);
    stats::SortPlayersByStats(order, chosen.key, false);
    const QString transcript = FromNative(game.transcript);
    for (const PlayerRecord* player : order) {
      ResultsRow row = SectionRow(chosen, *player);
      row.cells.prepend(transcript);
      table.rows.push_back(std::move(row));
    }
  }
  return table;
}

ResultsTable TeamsTable(const ResultsData& data) {
  ResultsTable table;
  table.columns.push_back({"Team", {}, false});
  for (const reports::ComparisonRow& comparison : reports::TeamComparisonRows()) {
    const QString label = QString::fromStdString(std::string(comparison.label));
    table.columns.push_back({label, label, true});
  }
  for (const TeamRecord* team : Standings(data)) {
    ResultsRow row;
    row.cells << Text(team->name);
    for (const reports::ComparisonRow& comparison : reports::TeamComparisonRows())
      row.cells << QString::fromStdString(comparison.value(team->own));
    row.names << row.cells[0];
    table.rows.push_back(std::move(row));
  }
  return table;
}

ResultsTable GamesTable(const ResultsData& data) {
  ResultsTable table;
  table.columns = {{"Game", "Transcript", false},
                   {"Visitor", {}, false},
                   {"Pts", "Visitor's points", true},
                   {"Home", {}, false},
                   {"Pts", "Home team's points", true}};
  for (const compile::GameResult& game : data.games) {
    ResultsRow row;
    row.cells << FromNative(game.transcript) << Text(game.visiting) << Number(game.visitingPoints)
              << Text(game.home) << Number(game.homePoints);
    row.names << row.cells[1] << row.cells[3];
    table.rows.push_back(std::move(row));
  }
  return table;
}

double SortValue(const QString& text) {
  constexpr double kNoNumber = -std::numeric_limits<double>::infinity();
  const std::string bytes = text.trimmed().toStdString();
  const char* at = bytes.data();
  const char* end = at + bytes.size();
  double first = 0;
  auto [next, error] = std::from_chars(at, end, first);
  if (error != std::errc()) return kNoNumber;
  if (next == end || (*next != '/' && *next != ':')) return first;
  const char separator = *next;
  double second = 0;
  if (std::from_chars(next + 1, end, second).ec != std::errc()) return first;
  // Pairs are counts far below a million: the second only breaks ties.
  return separator == ':' ? first * 60 + second : first + second / 1e6;
}

QByteArray CsvBytes(const std::vector<QStringList>& rows) {
  QByteArray bytes;
  for (const QStringList& row : rows) {
    for (qsizetype i = 0; i < row.size(); ++i) {
      if (i > 0) bytes += ',';
      const QByteArray field = row[i].toUtf8();
      if (field.contains(',') || field.contains('"') || field.contains('\n') ||
          field.contains('\r')) {
        QByteArray quoted = field;
        quoted.replace("\"", "\"\"");
        bytes += '"' + quoted + '"';
      } else {
        bytes += field;
      }
    }
    bytes += '\n';
  }
  return bytes;
}

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultsModel::SetTable(ResultsTable table) {
  beginResetModel();
  table_ = std::move(table);
  values_.assign(table_.rows.size(), {});
  for (std::size_t r = 0; r < table_.rows.size(); ++r) {
    values_[r].resize(table_.columns.size());
    for (std::size_t c = 0; c < table_.columns.size(); ++c)
      if (table_.columns[c].number)
        values_[r][c] = SortValue(table_.rows[r].cells.value(static_cast<qsizetype>(c)));
  }
  endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  const bool number = table_.columns[column].number;
  switch (role) {
    case Qt::DisplayRole:
      return table_.rows[row].cells.value(index.column());
    case kSortRole:
      if (number) return values_[row][column];
      return table_.rows[row].cells.value(index.column());
    case Qt::TextAlignmentRole:
      return number ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
      return {};
  }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
    return QAbstractTableModel::headerData(section, orientation, role);
  const ResultsColumn& column = table_.columns[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      return column.word;
    case Qt::ToolTipRole:
      return column.title.isEmpty() ? QVariant() : column.title;
    case Qt::TextAlignmentRole:
      return column.number ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::InitialSortOrderRole:
      // Figures are read from the top: the most first.
      return int(column.number ? Qt::DescendingOrder : Qt::AscendingOrder);
    default:
      return {};
  }
}

ResultsFilter::ResultsFilter(ResultsModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(source);
  setSortRole(ResultsModel::kSortRole);
  setSortCaseSensitivity(Qt::CaseInsensitive);
}

void ResultsFilter::SetNeedle(const QString& needle) {
  needle_ = needle.trimmed();
  invalidateFilter();
}

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  if (needle_.isEmpty()) return true;
  const ResultsRow& row = source_->table().rows[static_cast<std::size_t>(sourceRow)];
  return std::any_of(row.names.begin(), row.names.end(), [this](const QString& name) {
    return name.contains(needle_, Qt::CaseInsensitive);
  });
}

}  // namespace yl::shell
