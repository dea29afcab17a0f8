// The results window over a simulated season compiled in-process: its
// figures against the season's players.csv, sorting by value, the filter
// across every tab, the CSV export, a game run's players, and closing.
#include <sys/stat.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "gui_support.h"
#include "run/input_files.h"
#include "run/output_files.h"
#include "scripted_dialogs.h"
#include "season.h"
#include "shell/results_model.h"
#include "shell/results_window.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/temp_dir.h"

using yl::shell::ResultsData;
using yl::shell::ResultsWindow;
using Tab = ResultsWindow::Tab;

namespace {

// Comma-separated rows as RFC 4180 has them, either line end.
std::vector<QStringList> ParseCsv(const QString& text) {
  std::vector<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        field += c;
        ++i;
      } else if (c == u'"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == u'"') {
      quoted = true;
    } else if (c == u',') {
      row << field;
      field.clear();
    } else if (c == u'\n' || c == u'\r') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      row << field;
      rows.push_back(row);
      row.clear();
      field.clear();
    } else {
      field += c;
    }
  }
  return rows;
}

// players.csv by column name, a row per player.
struct PlayersCsv {
  QStringList header;
  std::vector<QStringList> rows;
  QString Value(const QStringList& row, const QString& column) const {
    return row.value(header.indexOf(column));
  }
  // "#49-Name" and the team, as the window names a player.
  static QString Key(const QString& player, const QString& team) { return player + "|" + team; }
  std::map<QString, const QStringList*> ByPlayer() const {
    std::map<QString, const QStringList*> players;
    for (const QStringList& row : rows)
      players[Key("#" + Value(row, "number") + "-" + Value(row, "name"), Value(row, "team"))] =
          &row;
    return players;
  }
};

// A view's cells as shown, header words first.
QStringList Header(const QTableView* view) {
  QStringList words;
  for (int c = 0; c < view->model()->columnCount(); ++c)
    words << view->model()->headerData(c, Qt::Horizontal).toString();
  return words;
}
QString Cell(const QTableView* view, int row, int column) {
  return view->model()->index(row, column).data().toString();
}
QStringList Column(const QTableView* view, int column) {
  QStringList cells;
  for (int r = 0; r < view->model()->rowCount(); ++r)
    cells << Cell(view, r, column);
  return cells;
}

void ClickHeader(QTableView* view, int column) {
  QHeaderView* header = view->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

struct Compiled {
  std::unique_ptr<yl::test::TempDir> dir;
  ResultsData data;
};

// The first `games` games of a simulated season (all of them when 0),
// compiled with the teams' files in `mode`, its CSV tables in DIR/tables.
Compiled CompileSeason(yl::options::ReportMode mode, std::size_t games) {
  namespace fs = std::filesystem;
  Compiled compiled{std::make_unique<yl::test::TempDir>(), {}};
  const yl::test::TempDir& dir = *compiled.dir;
  yl::sim::SeasonOptions season;
  season.outDir = dir.File("season");
  season.seed = 11;
  season.teams = 6;
  std::string error;
  if (!yl::sim::WriteSeason(season, error)) qFatal("%s", error.c_str());
  std::vector<std::string> transcripts;
  for (const auto& entry : fs::directory_iterator(season.outDir + "/games"))
    transcripts.push_back(entry.path().string());
  std::sort(transcripts.begin(), transcripts.end());
  if (games > 0) transcripts.resize(games);
  std::vector<yl::run::TransRecord> transcriptRecords;
  for (const std::string& path : transcripts)
    transcriptRecords.push_back(yl::run::MakeInputFileRecord(path));
  std::vector<yl::run::TeamFileRecord> teamRecords;
  for (const auto& entry : fs::directory_iterator(season.outDir + "/teams"))
    teamRecords.push_back(yl::run::MakeInputFileRecord(entry.path().string()));

  yl::test::FakePlatform platform;
  platform.saveAnswer = dir.File("errors.log");
  yl::options::OutputOptions options;
  options.mode = mode;
  yl::compile::CompileRun run(platform, options);
  run.keepResults = true;
  ::mkdir(dir.File("tables").c_str(), 0755);
  run.tablesFolder = dir.File("tables");
  const auto message = yl::test::FatalMessage([&] {
    yl::compile::CompileStats(run, transcriptRecords, teamRecords,
                              yl::run::MakePrefixReply(dir.File("week")));
  });
  if (message) qFatal("%s", message->c_str());
  QStringList files;
  for (const std::string& file : run.reportFiles)
    files << QString::fromStdString(file);
  compiled.data = yl::shell::MakeResultsData(run, files);
  return compiled;
}

class ResultsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void SortingByAFigureSortsByItsValue_data();
  void SortingByAFigureSortsByItsValue();
  void PlayerFiguresEqualThePlayersTable();
  void TheFilterNarrowsEveryTab();
  void ExportWritesTheVisibleRowsAndNeverReplaces();
  void FieldsAreQuotedAsCsvHasThem();
  void AGameRunShowsEachGamesPlayers();
  void EscapeAndCtrlWClose_data();
  void EscapeAndCtrlWClose();

 private:
  std::unique_ptr<ResultsWindow> MakeWindow();
  Compiled season_;
  PlayersCsv csv_;
  yl::test::ScriptedDialogs dialogs_;
};

void ResultsTest::initTestCase() {
  season_ = CompileSeason(yl::options::ReportMode::kLeague, 0);
  const std::vector<QStringList> rows = ParseCsv(
      QString::fromStdString(yl::test::ReadFileBytes(season_.dir->File("tables/players.csv"))));
  QVERIFY(rows.size() > 20);
  csv_.header = rows.front();
  csv_.rows.assign(rows.begin() + 1, rows.end());
  QVERIFY(season_.data.season);
  QCOMPARE(season_.data.games.size(), std::size_t{15});
}

std::unique_ptr<ResultsWindow> ResultsTest::MakeWindow() {
  auto window = std::make_unique<ResultsWindow>(season_.data, dialogs_);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  return window;
}

void ResultsTest::SortingByAFigureSortsByItsValue_data() {
  QTest::addColumn<QString>("section");
  QTest::addColumn<QString>("word");
  QTest::addColumn<QString>("csvColumn");
  QTest::newRow("rushing yards") << "Rushing"
                                 << "YDS"
                                 << "rushing_yards";
  QTest::newRow("passing yards") << "Passing"
                                 << "YDS"
                                 << "passing_yards";
  QTest::newRow("tackles") << "Defensive"
                           << "TK"
                           << "defensive_tackles";
}

// One click on a figure's header puts the most first, whatever the number
// of digits; the player first is the one players.csv gives the most.
void ResultsTest::SortingByAFigureSortsByItsValue() {
  QFETCH(QString, section);
  QFETCH(QString, word);
  QFETCH(QString, csvColumn);
  QVERIFY(csv_.header.contains(csvColumn));
  const auto window = MakeWindow();
  window->show();
  window->tabs()->setCurrentIndex(int(Tab::kPlayers));
  window->sectionChooser()->setCurrentText(section);
  QCOMPARE(window->sectionChooser()->currentText(), section);
  QTableView* view = window->view(Tab::kPlayers);
  const int column = int(Header(view).indexOf(word));
  QVERIFY(column >= 0);
  ClickHeader(view, column);
  QCOMPARE(view->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

  int most = 0;
  QStringList best;
  for (const QStringList& row : csv_.rows) {
    const int value = csv_.Value(row, csvColumn).toInt();
    const QString key = PlayersCsv::Key(
        "#" + csv_.Value(row, "number") + "-" + csv_.Value(row, "name"), csv_.Value(row, "team"));
    if (value > most) best.clear();
    if (value >= most) {
      most = value;
      best << key;
    }
  }
  QVERIFY(most >= 10);  // a figure of two digits at least, so text order would differ
  QCOMPARE(Cell(view, 0, column).toInt(), most);
  QVERIFY2(best.contains(PlayersCsv::Key(Cell(view, 0, 0), Cell(view, 0, 1))),
           qPrintable(Cell(view, 0, 0)));
  const QStringList values = Column(view, column);
  for (qsizetype r = 1; r < values.size(); ++r)
    QVERIFY2(values[r - 1].toInt() >= values[r].toInt(),
             qPrintable(values[r - 1] + " before " + values[r]));
  ClickHeader(view, column);  // and the least first
  QCOMPARE(Cell(view, view->model()->rowCount() - 1, column).toInt(), most);
}

void ResultsTest::PlayerFiguresEqualThePlayersTable() {
  struct Figure {
    QString section;
    QString word;
    QString csvColumn;
  };
  const Figure figures[] = {
      {"Rushing", "ATT", "rushing_attempts"},    {"Rushing", "YDS", "rushing_yards"},
      {"Rushing", "AVG", "rushing_average"},     {"Rushing", "TD", "rushing_touchdowns"},
      {"Passing", "COM", "passing_completions"}, {"Passing", "PCT", "passing_completion_pct"},
      {"Passing", "YDS", "passing_yards"},       {"Passing", "RATE", "passer_rating"},
  };
  const auto window = MakeWindow();
  const auto players = csv_.ByPlayer();
  QTableView* view = window->view(Tab::kPlayers);
  for (const Figure& figure : figures) {
    window->sectionChooser()->setCurrentText(figure.section);
    const int column = int(Header(view).indexOf(figure.word));
    QVERIFY2(column >= 0, qPrintable(figure.word));
    QVERIFY(view->model()->rowCount() >= 2);
    for (int r = 0; r < std::min(4, view->model()->rowCount()); ++r) {
      const auto found = players.find(PlayersCsv::Key(Cell(view, r, 0), Cell(view, r, 1)));
      QVERIFY2(found != players.end(), qPrintable(Cell(view, r, 0)));
      QCOMPARE(Cell(view, r, column), csv_.Value(*found->second, figure.csvColumn));
    }
  }
}

// One needle narrows every tab: a player's name leaves his row, a team's
// name its standings row and its games.
void ResultsTest::TheFilterNarrowsEveryTab() {
  const auto window = MakeWindow();
  window->show();
  QTableView* players = window->view(Tab::kPlayers);
  window->sectionChooser()->setCurrentText("Rushing");
  const int everyone = players->model()->rowCount();
  // A rusher whose name no other player's holds.
  QString name;
  for (int r = 0; r < everyone && name.isEmpty(); ++r) {
    const QString label = Cell(players, r, 0);
    const QString candidate = label.mid(label.indexOf(u'-') + 1);
    const auto holders = std::count_if(csv_.rows.begin(), csv_.rows.end(), [&](const auto& row) {
      return csv_.Value(row, "name").contains(candidate, Qt::CaseInsensitive);
    });
    if (holders == 1) name = candidate;
  }
  QVERIFY(!name.isEmpty());
  const QString team = Cell(window->view(Tab::kStandings), 2, 0);
  const int teamGames = Cell(window->view(Tab::kStandings), 2, 1).toInt();

  struct Case {
    QString needle;
    Tab tab;
    int column;
    QString only;
    int rows;
  };
  const Case cases[] = {
      {name.toUpper(), Tab::kPlayers, 0, name, 1},
      {team.toLower(), Tab::kStandings, 0, team, 1},
      {team.mid(1, 3), Tab::kTeams, 0, team, 1},
      {team, Tab::kGames, -1, team, teamGames},
  };
  for (const Case& c : cases) {
    window->filterField()->clear();
    QTest::keyClicks(window->filterField(), c.needle);
    const QTableView* view = window->view(c.tab);
    QCOMPARE(view->model()->rowCount(), c.rows);
    for (int r = 0; r < c.rows; ++r) {
      const QString shown =
          c.column >= 0 ? Cell(view, r, c.column) : Cell(view, r, 1) + " " + Cell(view, r, 3);
      QVERIFY2(shown.contains(c.only), qPrintable(shown));
    }
  }
  window->filterField()->clear();
  QCOMPARE(players->model()->rowCount(), everyone);
}

void ResultsTest::ExportWritesTheVisibleRowsAndNeverReplaces() {
  yl::test::TempDir out;
  const auto window = MakeWindow();
  window->tabs()->setCurrentIndex(int(Tab::kPlayers));
  window->sectionChooser()->setCurrentText("Rushing");
  const QString team = Cell(window->view(Tab::kStandings), 0, 0);
  window->filterField()->setText(team);
  QTableView* view = window->view(Tab::kPlayers);
  ClickHeader(view, int(Header(view).indexOf("YDS")));
  const int shown = view->model()->rowCount();
  QVERIFY(shown > 0 && std::size_t(shown) < window->data().players.size());

  const QString path = QString::fromStdString(out.File("rushing.csv"));
  dialogs_.saveAnswers = {path};
  QVERIFY(window->ExportVisibleTable());
  QCOMPARE(dialogs_.saveQuestions.back().proposedName, QStringLiteral("Rushing.csv"));
  const std::string bytes = yl::test::ReadFileBytes(path.toStdString());
  QVERIFY(bytes.find('\r') == std::string::npos);
  const std::vector<QStringList> rows = ParseCsv(QString::fromStdString(bytes));
  QCOMPARE(rows.size(), std::size_t(shown) + 1);
  QCOMPARE(rows[0], Header(view));
  for (int r = 0; r < shown; ++r) {
    QCOMPARE(rows[std::size_t(r) + 1].value(0), Cell(view, r, 0));
    QCOMPARE(rows[std::size_t(r) + 1].value(1), team);
  }

  // The same name again: refused, the file as it was, nothing left beside it.
  dialogs_.warnings.clear();
  dialogs_.saveAnswers = {path};
  window->filterField()->clear();
  QVERIFY(!window->ExportVisibleTable());
  QCOMPARE(dialogs_.warnings.size(), 1);
  QVERIFY(dialogs_.warnings[0].text.contains(path));
  QCOMPARE(yl::test::ReadFileBytes(path.toStdString()), bytes);
  QCOMPARE(out.Names(), std::vector<std::string>{"rushing.csv"});
  // A folder that does not exist: the warning names the file and the reason.
  const QString lost = QString::fromStdString(out.File("no/such.csv"));
  dialogs_.saveAnswers = {lost};
  QVERIFY(!window->ExportVisibleTable());
  QCOMPARE(dialogs_.warnings.size(), 2);
  QVERIFY(dialogs_.warnings[1].text.contains(lost));
  QVERIFY(dialogs_.warnings[1].text.contains("No such file"));
}

void ResultsTest::FieldsAreQuotedAsCsvHasThem() {
  QCOMPARE(yl::shell::CsvBytes({{"Player", "YDS"},
                                {"#4-O'Neil", "1,204"},
                                {"say \"hi\"", "two\nlines"},
                                {QString::fromUtf8("Zo\u00eb"), ""}}),
           QByteArray("Player,YDS\n#4-O'Neil,\"1,204\"\n\"say \"\"hi\"\"\",\"two\nlines\"\n"
                      "Zo\xc3\xab,\n"));
}

void ResultsTest::AGameRunShowsEachGamesPlayers() {
  const Compiled games = CompileSeason(yl::options::ReportMode::kGame, 3);
  QVERIFY(!games.data.season);
  ResultsWindow window(games.data, dialogs_);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show();
  QTableView* view = window.view(Tab::kPlayers);
  window.sectionChooser()->setCurrentText("Passing");
  QCOMPARE(Header(view).mid(0, 3), QStringList({"Game", "Player", "Team"}));
  std::map<QString, QStringList> teamsOf;
  for (const yl::compile::GameResult& game : games.data.games)
    teamsOf[QString::fromStdString(game.transcript)] = {QString::fromStdString(game.visiting),
                                                        QString::fromStdString(game.home)};
  QCOMPARE(teamsOf.size(), std::size_t{3});
  std::map<QString, int> passers;
  for (int r = 0; r < view->model()->rowCount(); ++r) {
    const QString game = Cell(view, r, 0);
    QVERIFY2(teamsOf.count(game) == 1, qPrintable(game));
    QVERIFY2(teamsOf[game].contains(Cell(view, r, 2)), qPrintable(Cell(view, r, 2)));
    ++passers[game];
  }
  // Both teams pass in every game.
  QCOMPARE(passers.size(), std::size_t{3});
  for (const auto& [game, count] : passers)
    QVERIFY2(count >= 2, qPrintable(game));
  // Double-clicking a game names its transcript.
  QSignalSpy activated(&window, &ResultsWindow::gameActivated);
  window.tabs()->setCurrentIndex(int(Tab::kGames));
  QTableView* gamesView = window.view(Tab::kGames);
  const QModelIndex second = gamesView->model()->index(1, 1);
  // (Qt Test's double click is the second click of a pair.)
  QTest::mouseClick(gamesView->viewport(), Qt::LeftButton, {},
                    gamesView->visualRect(second).center());
  QTest::mouseDClick(gamesView->viewport(), Qt::LeftButton, {},
                     gamesView->visualRect(second).center());
  QCOMPARE(activated.size(), 1);
  QCOMPARE(activated[0][0].toString(), QString::fromStdString(games.data.games[1].transcript));
  // A game run keeps no season: no standings, no leader tables.
  for (const Tab tab : {Tab::kStandings, Tab::kTeams, Tab::kLeaders}) {
    window.tabs()->setCurrentIndex(int(tab));
    QVERIFY(window.emptyText(tab)->isVisible());
    QVERIFY(!window.view(tab)->isVisible());
  }
}

void ResultsTest::EscapeAndCtrlWClose_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
  QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
}

void ResultsTest::EscapeAndCtrlWClose() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QPointer<ResultsWindow> window = new ResultsWindow(season_.data, dialogs_);
  window->show();
  QVERIFY(QTest::qWaitForWindowActive(window));
  QCOMPARE(window->windowTitle(), QStringLiteral("Results"));
  window->view(Tab::kStandings)->setFocus();
  QTest::keyClick(window->view(Tab::kStandings), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QTRY_VERIFY(window.isNull());
}

}  // namespace

YL_GUI_TEST_MAIN(ResultsTest)
#include "results_test.moc"
