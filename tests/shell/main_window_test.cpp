// The main window: its two lists, the enabling rules, the prefix dialog, a
// run with its Stop, the fatal alert and the About entry.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "gui_support.h"
#include "options/settings_store.h"
#include "run/error_log.h"
#include "run/errors.h"
#include "run/file_layer.h"
#include "scripted_dialogs.h"
#include "shell/file_list.h"
#include "shell/main_window.h"
#include "shell/native_text.h"
#include "shell/program.h"
#include "shell/report_viewer.h"
#include "shell/results_window.h"
#include "shell/run_summary.h"
#include "shell/shell_platform.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

using yl::shell::MainWindow;

namespace {

// A child process started by a test (this same program with "--child"):
// what it shows goes to standard output, its exit status is the result.
int RunChild(const QStringList& args);

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void AddingTheSameFileTwiceGivesOneRow_data();
  void AddingTheSameFileTwiceGivesOneRow();
  void RemovingThreeSelectedRowsRemovesThem_data();
  void RemovingThreeSelectedRowsRemovesThem();
  void RemovingTheLastRowDisablesCompileStats();
  void EnterWithAnEmptyListDoesNothing();
  void CancellingThePrefixDialogChangesNothing();
  void TheTabKeyVisitsTheControlsInOrder();
  void AddTeamsShowsAndHidesTheTeamSection();
  void TheListsGrowWithTheWindowAndTheButtonsKeepTheirSize_data();
  void TheListsGrowWithTheWindowAndTheButtonsKeepTheirSize();
  void ShortcutsAddTranscriptsAndCompile();
  void DroppingAFolderAddsItsFilesOfTheListsKind_data();
  void DroppingAFolderAddsItsFilesOfTheListsKind();
  void TheListsTheTickAndTheSizeComeBackAfterARestart();
  void TheDialogsOpenInTheFolderUsedLast();
  void ACompletedRunKeepsBothLists();
  void ASummaryFollowsARunWithALogEntry();
  void ASeasonRunWritesItsSiteBesideTheReports();
  void ClosingDuringARunAsksWhetherToStopIt_data();
  void ClosingDuringARunAsksWhetherToStopIt();
  void HiddenTeamFilesTakePartInACompile();
  void ARunDisablesTheWindowUntilItEnds();
  void StopDuringTheSecondOfThreeTranscriptsDeletesFilesAndKeepsLists();
  void TheFatalAlertIsAWarningAndTheProgramGoesOn();
  void AReportFolderThatIsNotThereIsRefusedBeforeTheRun();
  void AFailureDuringARunLeavesNothingAndTheListsAsTheyWere();
  void EscapeLeavesTheWindowOpenAndQuitCloses_data();
  void EscapeLeavesTheWindowOpenAndQuitCloses();
  void TheMenusCarryTheCommands();
  void TheListsCountTheirFiles();
  void TheListsShowNamesAndTakeThousandsOfRowsAtOnce();
  void TheSummaryAndTheViewerOpenOverTheWindow();
  void CtrlWClosesTheViewerAndEscapeTheSummary();
  void ReportsOpenAgainFromOpenReportAndOpenRecent();
  void HelpOpensTheManual();
  void TheLastRunsResultsOpenFromTheSummaryAndTheViewMenu_data();
  void TheLastRunsResultsOpenFromTheSummaryAndTheViewMenu();
  void TheErrorLogDialogProposesErrorLogAndConfirmsReplacing();
  void AboutShowsTheVersion();

 private:
  const MainWindow::Controls& C() const { return window_->controls(); }
  // The list of the row's kind, and its buttons.
  yl::shell::FileList* List(bool teams) const { return teams ? C().teams : C().transcripts; }
  QPushButton* AddButton(bool teams) const { return teams ? C().addTeamFiles : C().addTranscripts; }
  QPushButton* RemoveButton(bool teams) const {
    return teams ? C().removeTeamFiles : C().removeTranscripts;
  }
  static QStringList Rows(const yl::shell::FileList* list);
  void Add(QPushButton* button, const QStringList& paths);
  QString WriteGame(const QString& name, const std::string& visiting, const std::string& home);
  QStringList OutNames() const;

  std::unique_ptr<yl::test::TempDir> dir_;
  std::unique_ptr<yl::options::IniSettingsStore> store_;
  yl::options::OutputOptions options_;
  std::unique_ptr<yl::test::ScriptedDialogs> dialogs_;
  std::unique_ptr<yl::shell::ShellPlatform> platform_;
  std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::init() {
  dir_ = std::make_unique<yl::test::TempDir>();
  QDir(QString::fromStdString(dir_->path())).mkdir("out");
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("yardledger.conf"));
  options_ = yl::options::OutputOptions();
  options_.lineEnds = yl::options::LineEnds::kUnix;
  dialogs_ = std::make_unique<yl::test::ScriptedDialogs>();
  platform_ = std::make_unique<yl::shell::ShellPlatform>(*dialogs_);
  window_ = std::make_unique<MainWindow>(*platform_, *dialogs_, options_, *store_);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowTest::cleanup() {
  window_.reset();
  platform_.reset();
  dialogs_.reset();
  store_.reset();
  dir_.reset();
}

QStringList MainWindowTest::Rows(const yl::shell::FileList* list) {
  return list->Paths();
}

void MainWindowTest::Add(QPushButton* button, const QStringList& paths) {
  dialogs_->openAnswers.push_back(paths);
  QTest::mouseClick(button, Qt::LeftButton);
}

QString MainWindowTest::WriteGame(const QString& name, const std::string& visiting,
                                  const std::string& home) {
  return QString::fromStdString(
      dir_->Write(name.toStdString() + ".txt", yl::test::SmallGame(visiting, home)));
}

QStringList MainWindowTest::OutNames() const {
  return QDir(QString::fromStdString(dir_->File("out"))).entryList(QDir::Files, QDir::Name);
}

void MainWindowTest::AddingTheSameFileTwiceGivesOneRow_data() {
  QTest::addColumn<bool>("teams");
  QTest::addColumn<QString>("filter");
  QTest::newRow("transcripts") << false << QStringLiteral("All Files (*)");
  QTest::newRow("team files") << true << QStringLiteral("Team Files (*.fbt);;All Files (*)");
}

void MainWindowTest::AddingTheSameFileTwiceGivesOneRow() {
  QFETCH(bool, teams);
  QFETCH(QString, filter);
  C().addTeams->setChecked(true);
  Add(AddButton(teams), {"/league/Week2.fbt", "/league/Alpha.fbt", "/league/week2.FBT"});
  Add(AddButton(teams), {"/LEAGUE/WEEK2.fbt", "/league/Alpha.fbt", "/league/beta.fbt"});
  // Sorted ascending, a path already there in any letter case refused.
  QCOMPARE(Rows(List(teams)),
           QStringList({"/league/Alpha.fbt", "/league/beta.fbt", "/league/Week2.fbt"}));
  QCOMPARE(dialogs_->openFilters, QStringList({filter, filter}));
}

void MainWindowTest::RemovingThreeSelectedRowsRemovesThem_data() {
  QTest::addColumn<bool>("teams");
  QTest::addColumn<bool>("deleteKey");
  QTest::newRow("transcripts, Remove") << false << false;
  QTest::newRow("team files, Remove") << true << false;
  QTest::newRow("transcripts, Delete key") << false << true;
  QTest::newRow("team files, Delete key") << true << true;
}

void MainWindowTest::RemovingThreeSelectedRowsRemovesThem() {
  QFETCH(bool, teams);
  QFETCH(bool, deleteKey);
  C().addTeams->setChecked(true);
  Add(AddButton(teams), {"/g/1", "/g/2", "/g/3", "/g/4", "/g/5"});
  auto* view = List(teams);
  auto* remove = RemoveButton(teams);
  QVERIFY(!remove->isEnabled());
  const auto click = [view](int row, Qt::KeyboardModifiers modifiers) {
    view->scrollToItem(view->item(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualItemRect(view->item(row)).center());
  };
  click(0, Qt::NoModifier);
  click(2, Qt::ControlModifier);
  click(4, Qt::ControlModifier);
  QCOMPARE(view->selectedItems().size(), 3);
  QVERIFY(remove->isEnabled());
  if (deleteKey)
    QTest::keyClick(view, Qt::Key_Delete);
  else
    QTest::mouseClick(remove, Qt::LeftButton);
  QCOMPARE(Rows(view), QStringList({"/g/2", "/g/4"}));
  QVERIFY(!remove->isEnabled());
}

void MainWindowTest::RemovingTheLastRowDisablesCompileStats() {
  auto* compile = C().compile;
  QVERIFY(!compile->isEnabled());
  Add(C().addTranscripts, {"/g/only.txt"});
  QVERIFY(compile->isEnabled());
  C().transcripts->item(0)->setSelected(true);
  QTest::mouseClick(C().removeTranscripts, Qt::LeftButton);
  QVERIFY(Rows(C().transcripts).isEmpty());
  QVERIFY(!compile->isEnabled());
}

void MainWindowTest::EnterWithAnEmptyListDoesNothing() {
  // The keys go where the user's would: to the list that has the focus.
  auto* list = C().transcripts;
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  QTest::keyClick(list, Qt::Key_Enter);
  QVERIFY(dialogs_->saveQuestions.isEmpty());
  QVERIFY(window_->isVisible());
  // With a transcript, Enter is Compile Stats: it asks for the prefix.
  Add(C().addTranscripts, {"/g/one.txt"});
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  QCOMPARE(dialogs_->saveQuestions.size(), 1);
}

void MainWindowTest::CancellingThePrefixDialogChangesNothing() {
  const QString game = WriteGame("G1", "Bears", "Lions");
  C().addTeams->setChecked(true);
  Add(C().addTranscripts, {game});
  Add(C().addTeamFiles, {"/teams/Lions.fbt"});
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(dialogs_->saveQuestions.size(), 1);
  QCOMPARE(dialogs_->saveQuestions[0].title, QStringLiteral("Save File(s) with Prefix"));
  QCOMPARE(dialogs_->saveQuestions[0].proposedName, QString());
  QVERIFY(!dialogs_->saveQuestions[0].confirmReplace);
  QCOMPARE(Rows(C().transcripts), QStringList({game}));
  QCOMPARE(Rows(C().teams), QStringList({"/teams/Lions.fbt"}));
  QVERIFY(C().compile->isEnabled());
  QVERIFY(OutNames().isEmpty());
  QVERIFY(dialogs_->warnings.isEmpty());
}

void MainWindowTest::TheTabKeyVisitsTheControlsInOrder() {
  const QList<QWidget*> expected = {C().transcripts,   C().addTranscripts, C().removeTranscripts,
                                    C().outputOptions, C().compile,        C().addTeams,
                                    C().teams,         C().addTeamFiles,   C().removeTeamFiles};
  QCOMPARE(yl::test::FocusOrder(expected), expected);
}

void MainWindowTest::AddTeamsShowsAndHidesTheTeamSection() {
  const QSize start = window_->size();
  const int listHeight = C().transcripts->height();
  // Collapsed at start: the separator is the last control.
  QVERIFY(!C().teams->isVisible());
  const int separatorBottom =
      C().separator->mapTo(window_.get(), QPoint(0, 0)).y() + C().separator->height();
  QVERIFY(window_->height() - separatorBottom < window_->fontMetrics().height());
  QTest::mouseClick(C().addTeams, Qt::LeftButton);
  QVERIFY(C().teams->isVisible());
  QCOMPARE(window_->width(), start.width());
  QTRY_VERIFY(window_->height() > start.height() + C().teams->height());
  QTRY_COMPARE(C().transcripts->height(), listHeight);
  QTest::mouseClick(C().addTeams, Qt::LeftButton);
  QVERIFY(!C().teams->isVisible());
  QTRY_COMPARE(window_->size(), start);
  QTRY_COMPARE(C().transcripts->height(), listHeight);
}

void MainWindowTest::TheListsGrowWithTheWindowAndTheButtonsKeepTheirSize_data() {
  QTest::addColumn<bool>("expanded");
  QTest::newRow("collapsed") << false;
  QTest::newRow("expanded") << true;
}

void MainWindowTest::TheListsGrowWithTheWindowAndTheButtonsKeepTheirSize() {
  QFETCH(bool, expanded);
  C().addTeams->setChecked(expanded);
  QVERIFY(window_->maximumSize().width() > 4000 && window_->maximumSize().height() > 4000);
  QVERIFY(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  const QList<QWidget*> buttons = {C().addTranscripts, C().removeTranscripts, C().outputOptions,
                                   C().compile,        C().addTeamFiles,      C().removeTeamFiles};
  QList<QSize> buttonSizes;
  for (const QWidget* button : buttons)
    buttonSizes << button->size();
  const QSize transcripts = C().transcripts->size();
  const QSize teams = C().teams->size();
  window_->resize(window_->size() + QSize(200, 150));
  QTRY_COMPARE(C().transcripts->width(), transcripts.width() + 200);
  QVERIFY(C().transcripts->height() > transcripts.height());
  if (expanded) {
    QCOMPARE(C().teams->width(), teams.width() + 200);
    QVERIFY(C().teams->height() > teams.height());
  }
  for (int i = 0; i < buttons.size(); ++i)
    QCOMPARE(buttons[i]->size(), buttonSizes[i]);
}

void MainWindowTest::ShortcutsAddTranscriptsAndCompile() {
  C().transcripts->setFocus();
  QTest::keyClick(window_.get(), Qt::Key_Return, Qt::ControlModifier);  // nothing to compile
  QVERIFY(dialogs_->saveQuestions.isEmpty());
  dialogs_->openAnswers.push_back({"/g/one.txt"});
  QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(dialogs_->openFilters, QStringList({yl::shell::TranscriptFilter()}));
  QCOMPARE(Rows(C().transcripts), QStringList({"/g/one.txt"}));
  QTest::keyClick(window_.get(), Qt::Key_Return, Qt::ControlModifier);
  QCOMPARE(dialogs_->saveQuestions.size(), 1);  // asked for the prefix, then cancelled
}

void MainWindowTest::DroppingAFolderAddsItsFilesOfTheListsKind_data() {
  QTest::addColumn<bool>("teams");
  QTest::newRow("transcripts") << false;
  QTest::newRow("team files") << true;
}

void MainWindowTest::DroppingAFolderAddsItsFilesOfTheListsKind() {
  QFETCH(bool, teams);
  const QString week = QString::fromStdString(dir_->File("week"));
  QVERIFY(QDir().mkpath(week + "/inner"));
  for (const char* name : {"G10.txt", "G2.txt", "G1.TXT", "Lions.fbt", "Bears.fbt", ".hidden.txt",
                           "notes.md", "inner/G3.txt"})
    dir_->Write(std::string("week/") + name, "x");
  C().addTeams->setChecked(true);
  yl::shell::FileList* list = List(teams);
  QTRY_VERIFY(list->isVisible());
  // The folder, and loose files of both kinds beside it.
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(week), QUrl::fromLocalFile(week + "/Lions.fbt"),
                QUrl::fromLocalFile(week + "/G2.txt"), QUrl("https://example.org/G4.txt")});
  const QPoint at = list->viewport()->rect().center();
  for (int drop = 0; drop < 2; ++drop) {  // the second adds nothing new
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &dropped);
    QVERIFY(dropped.isAccepted());
  }
  const QStringList expected =
      teams ? QStringList({week + "/Bears.fbt", week + "/Lions.fbt"})
            : QStringList({week + "/G1.TXT", week + "/G10.txt", week + "/G2.txt"});
  QCOMPARE(Rows(list), expected);
  QCOMPARE(Rows(List(!teams)), QStringList());
  QCOMPARE(C().compile->isEnabled(), !teams);
}

void MainWindowTest::TheListsTheTickAndTheSizeComeBackAfterARestart() {
  const QString game = WriteGame("G1", "Bears", "Lions");
  const QString gone = WriteGame("G2", "Eagles", "Giants");
  const QString odd = WriteGame("G3 |100%| at Lions", "Rams", "Lions");  // bytes the list stores
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  QVERIFY(store_->WriteOptions("kept as it is"));
  C().addTeams->setChecked(true);
  Add(C().addTranscripts, {game, gone, odd});
  Add(C().addTeamFiles, {team});
  window_->resize(window_->size() + QSize(120, 80));
  QTRY_VERIFY(window_->width() > 0);
  const QSize size = window_->size();
  window_->close();  // ends the program
  QVERIFY(!window_->isVisible());
  QVERIFY(QFile::remove(gone));  // a file gone meanwhile is not listed again

  window_ = std::make_unique<MainWindow>(*platform_, *dialogs_, options_, *store_);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  QCOMPARE(Rows(C().transcripts), QStringList({game, odd}));
  QCOMPARE(Rows(C().teams), QStringList({team}));
  QVERIFY(C().addTeams->isChecked());
  QVERIFY(C().teams->isVisible());
  QVERIFY(C().compile->isEnabled());
  QTRY_COMPARE(window_->size(), size);
  QCOMPARE(store_->ReadOptions(), std::optional<std::string>("kept as it is"));
}

void MainWindowTest::TheDialogsOpenInTheFolderUsedLast() {
  const QString games = QString::fromStdString(dir_->path());
  const QString out = QString::fromStdString(dir_->File("out"));
  C().addTeams->setChecked(true);
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  Add(C().addTranscripts, {});  // cancelled: remembers nothing
  QVERIFY(QDir().mkpath(QString::fromStdString(dir_->File("teams"))));
  Add(C().addTeamFiles,
      {QString::fromStdString(dir_->Write("teams/Lions.fbt", std::string(2610, '\0')))});
  Add(C().addTeamFiles, {});
  dialogs_->saveAnswers << out + "/week1";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  Add(C().addTranscripts, {WriteGame("G2", "Eagles", "Giants")});
  QTest::mouseClick(C().compile, Qt::LeftButton);  // cancelled
  // Team files first open where the transcripts were found.
  QCOMPARE(dialogs_->openFolders, QStringList({"", games, games, games + "/teams", games}));
  QVERIFY(dialogs_->warnings.isEmpty());
  // The prefix first opens in the transcripts' folder, then where it was saved.
  QCOMPARE(dialogs_->saveQuestions.size(), 2);
  QCOMPARE(dialogs_->saveQuestions[0].folder, games);
  QCOMPARE(dialogs_->saveQuestions[1].folder, out);
  QCOMPARE(store_->ReadOptions(), std::nullopt);  // the options are not touched
}

void MainWindowTest::ASummaryFollowsARunWithALogEntry() {
  QVERIFY(store_->WriteValues({{"CsvTables", "1"}}));  // the tables go beside the reports
  const std::string game = yl::test::SmallGame("Bears", "Lions") + "\nA second game begins\n";
  Add(C().addTranscripts, {QString::fromStdString(dir_->Write("G1.txt", game))});
  const QString out = QString::fromStdString(dir_->File("out"));
  dialogs_->saveAnswers << out + "/week1" << out + "/ErrorLog";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(OutNames(), QStringList({"ErrorLog", "games.csv", "players.csv", "scoring.csv",
                                    "teams.csv", "week1.GS"}));
  // The error log is explained, then proposed beside the reports.
  QCOMPARE(dialogs_->notes.size(), 1);
  QCOMPARE(dialogs_->notes[0].text,
           QStringLiteral("1 line of the transcript could not be understood. Choose where to "
                          "save the error log that lists them; the run's summary will show it."));
  QCOMPARE(dialogs_->saveQuestions.size(), 2);
  QCOMPARE(dialogs_->saveQuestions[1].folder, out);
  QPointer<yl::shell::RunSummary> summary = window_->summary();
  QVERIFY(summary != nullptr);
  QVERIFY(summary->isVisible());
  QCOMPARE(summary->heading()->text(),
           QStringLiteral("1 game compiled, 0 rejected, 1 line not understood"));
  QStringList listed;
  for (int row = 0; row < summary->files()->count(); ++row)
    listed << summary->files()->item(row)->text();
  QCOMPARE(listed,
           QStringList({"week1.GS", "players.csv", "teams.csv", "games.csv", "scoring.csv"}));
  QVERIFY(summary->openErrorLogButton() != nullptr);
  QTest::mouseClick(summary->openErrorLogButton(), Qt::LeftButton);
  const QList<yl::shell::ReportViewer*> viewers = window_->findChildren<yl::shell::ReportViewer*>();
  QCOMPARE(viewers.size(), 1);
  QVERIFY(viewers[0]->text()->toPlainText().contains("A second game begins"));
  // A stopped run or a new one does not leave the old summary open.
  Add(C().addTranscripts, {WriteGame("G2", "Eagles", "Giants")});
  dialogs_->saveAnswers << out + "/week2";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QTRY_VERIFY(summary.isNull() || !summary->isVisible());
}

void MainWindowTest::ASeasonRunWritesItsSiteBesideTheReports() {
  QVERIFY(store_->WriteValues({{"WebSite", "1"}}));
  options_.mode = yl::options::ReportMode::kLeague;
  const QString out = QString::fromStdString(dir_->File("out"));
  // A folder of the site's name that holds the user's files stops the run
  // before it starts.
  QVERIFY(QDir(out).mkpath("week1-site"));
  dir_->Write("out/week1-site/notes.txt", "mine");
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  dialogs_->saveAnswers << out + "/week1";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(dialogs_->warnings.size(), 1);
  QVERIFY(dialogs_->warnings[0].text.contains("week1-site"));
  QCOMPARE(OutNames(), QStringList());
  QCOMPARE(C().transcripts->count(), 1);
  QVERIFY(window_->summary() == nullptr);

  dialogs_->saveAnswers << out + "/week2";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(OutNames(), QStringList({"week2.LL"}));
  const QString index = out + "/week2-site/index.html";
  QVERIFY(QFileInfo(index).isFile());
  QPointer<yl::shell::RunSummary> summary = window_->summary();
  QVERIFY(summary != nullptr);
  QCOMPARE(summary->files()->count(), 1);  // the site has a button, not a row
  QVERIFY(summary->openWebSiteButton() != nullptr);
  QTest::mouseClick(summary->openWebSiteButton(), Qt::LeftButton);
  QCOMPARE(dialogs_->pagesOpened, QStringList({index}));
  // Without a browser the page's place is told.
  dialogs_->browserStarts = false;
  QTest::mouseClick(summary->openWebSiteButton(), Qt::LeftButton);
  QCOMPARE(dialogs_->warnings.size(), 2);
  QVERIFY(dialogs_->warnings[1].text.contains(index));
}

void MainWindowTest::ClosingDuringARunAsksWhetherToStopIt_data() {
  QTest::addColumn<bool>("stop");
  QTest::newRow("No: the run goes on") << false;
  QTest::newRow("Yes: stopped, then the program ends") << true;
}

void MainWindowTest::ClosingDuringARunAsksWhetherToStopIt() {
  QFETCH(bool, stop);
  const QString game = WriteGame("G1", "Bears", "Lions");
  Add(C().addTranscripts, {game});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  dialogs_->yesNoAnswers << stop;
  bool asked = false;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    if (asked || platform_->progressDialog() == nullptr) return;
    asked = true;
    window_->close();
  });
  poll.start(0);
  QTest::mouseClick(C().compile, Qt::LeftButton);
  poll.stop();
  QVERIFY(asked);
  QCOMPARE(dialogs_->questions.size(), 1);
  QVERIFY(dialogs_->questions[0].contains("Stop it"));
  QCOMPARE(window_->isVisible(), !stop);
  QCOMPARE(OutNames(), stop ? QStringList() : QStringList({"week1.GS"}));
  // Stopped, the lists are kept for the next session.
  if (stop)
    QVERIFY(store_->ReadValue("Transcripts").value_or("").find("G1.txt") != std::string::npos);
}

void MainWindowTest::ACompletedRunKeepsBothLists() {
  C().addTeams->setChecked(true);
  const QStringList games = {WriteGame("G1", "Bears", "Lions"),
                             WriteGame("G2", "Eagles", "Giants")};
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  Add(C().addTranscripts, {games[1], games[0]});
  Add(C().addTeamFiles, {team});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1.txt"));
  QTest::mouseClick(C().compile, Qt::LeftButton);
  // The games in list order, in one file named after the prefix.
  QCOMPARE(OutNames(), QStringList({"week1.GS"}));
  QCOMPARE(yl::test::ReadFileBytes(dir_->File("out/week1.GS")),
           "G1\n\n" + yl::test::SmallGameReport("Bears", "Lions") + "\n\nG2\n\n" +
               yl::test::SmallGameReport("Eagles", "Giants") + "\n\n");
  // Another mode is one click away; Clear Lists empties them.
  QCOMPARE(Rows(C().transcripts), games);
  QCOMPARE(Rows(C().teams), QStringList({team}));
  QVERIFY(C().compile->isEnabled());
  QVERIFY(platform_->progressDialog() == nullptr);
  window_->actions().clearLists->trigger();
  QVERIFY(Rows(C().transcripts).isEmpty());
  QVERIFY(Rows(C().teams).isEmpty());
  QVERIFY(!C().compile->isEnabled());
  QVERIFY(!window_->actions().compile->isEnabled());
}

void MainWindowTest::HiddenTeamFilesTakePartInACompile() {
  // The team file is added, the team section hidden, and the file removed:
  // the run fails on opening it, so it was read.
  const QString game = WriteGame("G1", "Bears", "Lions");
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  Add(C().addTranscripts, {game});
  C().addTeams->setChecked(true);
  Add(C().addTeamFiles, {team});
  C().addTeams->setChecked(false);
  QVERIFY(!C().teams->isVisible());
  QVERIFY(QFile::remove(team));
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/w"));
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(dialogs_->warnings.size(), 1);
  QCOMPARE(dialogs_->warnings[0].text,
           QStringLiteral("Team File FSpOpenDF() Error  %1: No such file or directory").arg(team));
}

void MainWindowTest::ARunDisablesTheWindowUntilItEnds() {
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  bool seen = false;
  bool enabledDuringRun = true;
  bool runningDuringRun = false;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    if (seen || platform_->progressDialog() == nullptr) return;
    seen = true;
    enabledDuringRun = C().addTranscripts->isEnabled() || C().transcripts->isEnabled();
    runningDuringRun = window_->running();
    // Neither Escape nor closing ends the program during a run.
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    window_->close();
  });
  poll.start(0);
  QTest::mouseClick(C().compile, Qt::LeftButton);
  poll.stop();
  QVERIFY(seen);
  QVERIFY(runningDuringRun);
  QVERIFY(!enabledDuringRun);
  QVERIFY(window_->isVisible());
  QVERIFY(!window_->running());
  QVERIFY(C().addTranscripts->isEnabled());
  QCOMPARE(OutNames(), QStringList({"week1.GS"}));
}

void MainWindowTest::StopDuringTheSecondOfThreeTranscriptsDeletesFilesAndKeepsLists() {
  options_.gameLayout =
      yl::options::FileLayout::kSeparateFiles;  // the first game's file is finished before Stop
  const QStringList games = {WriteGame("G1", "Bears", "Lions"), WriteGame("G2", "Eagles", "Giants"),
                             WriteGame("G3", "Rams", "Jets")};
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  C().addTeams->setChecked(true);
  Add(C().addTranscripts, games);
  Add(C().addTeamFiles, {team});
  dir_->Write("out/notes.txt", "the user's own file");
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));

  // Press Stop as soon as the dialog shows the second transcript.
  QStringList namesAtStop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    yl::shell::CompileProgressDialog* progress = platform_->progressDialog();
    if (progress == nullptr || !progress->isVisible()) return;
    if (progress->transcriptName()->text() != "G2") return;
    namesAtStop = OutNames();
    QTest::mouseClick(progress->stopButton(), Qt::LeftButton);
  });
  poll.start(0);
  QTest::mouseClick(C().compile, Qt::LeftButton);
  poll.stop();

  // The first game's file is published; the second's is still hidden.
  QCOMPARE(namesAtStop, QStringList({"notes.txt", "week1.GS.Bea@Lio"}));
  QCOMPARE(OutNames(), QStringList({"notes.txt"}));
  QCOMPARE(Rows(C().transcripts), games);
  QCOMPARE(Rows(C().teams), QStringList({team}));
  QVERIFY(C().compile->isEnabled());
  QVERIFY(platform_->progressDialog() == nullptr);
}

void MainWindowTest::TheFatalAlertIsAWarningAndTheProgramGoesOn() {
  // The child runs the window as the program does, with the real message
  // box, and compiles with a team file that has gone: the run fails.
  const QString game = WriteGame("G1", "Bears", "Lions");
  const QString team = QString::fromStdString(dir_->File("Gone.fbt"));
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {"--child", "alert", game, team, QString::fromStdString(dir_->File("out/w"))});
  QVERIFY(child.waitForFinished(60000));
  const QString shown = QString::fromUtf8(child.readAllStandardOutput());
  QCOMPARE(shown, QStringLiteral("icon %1, title Yardledger, text Team File FSpOpenDF() Error  %2: "
                                 "No such file or directory\n"
                                 "still open, 1 transcript, 1 team file, Compile Stats enabled\n")
                      .arg(int(QMessageBox::Warning))
                      .arg(team));
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), 0);
  QCOMPARE(OutNames(), QStringList());  // nothing of the run is left
}

void MainWindowTest::AReportFolderThatIsNotThereIsRefusedBeforeTheRun() {
  const QString game = WriteGame("G1", "Bears", "Lions");
  Add(C().addTranscripts, {game});
  const QString missing = QString::fromStdString(dir_->File("missing"));
  dialogs_->saveAnswers << missing + "/week1";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(dialogs_->warnings.size(), 1);
  QVERIFY(dialogs_->warnings[0].text.contains(missing));
  QVERIFY(!QFileInfo::exists(missing));
  QVERIFY(window_->summary() == nullptr);
  QCOMPARE(Rows(C().transcripts), QStringList({game}));
  QVERIFY(window_->isVisible());
}

void MainWindowTest::AFailureDuringARunLeavesNothingAndTheListsAsTheyWere() {
  options_.gameLayout = yl::options::FileLayout::kSeparateFiles;  // a file per game
  const QStringList games = {WriteGame("G1", "Bears", "Lions"), WriteGame("G2", "Eagles", "Giants"),
                             WriteGame("G3", "Rams", "Jets")};
  Add(C().addTranscripts, games);
  dir_->Write("out/notes.txt", "the user's own file");
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  // The third transcript goes after it was listed: the run writes the first
  // two games' reports, then cannot open it.
  QFile::remove(games[2]);
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QCOMPARE(dialogs_->warnings.size(), 1);
  QVERIFY(dialogs_->warnings[0].text.contains(games[2]));
  QVERIFY(window_->isVisible());
  QVERIFY(!window_->running());
  QCOMPARE(Rows(C().transcripts), games);
  QVERIFY(C().compile->isEnabled());
  QCOMPARE(OutNames(), QStringList({"notes.txt"}));
  QVERIFY(window_->summary() == nullptr);
}

void MainWindowTest::EscapeLeavesTheWindowOpenAndQuitCloses_data() {
  QTest::addColumn<QKeySequence>("keys");
  QTest::addColumn<bool>("closes");
  QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape) << false;
  QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
}

void MainWindowTest::EscapeLeavesTheWindowOpenAndQuitCloses() {
  QFETCH(QKeySequence, keys);
  QFETCH(bool, closes);
  Add(C().addTranscripts, {"/g/one.txt"});
  C().transcripts->setFocus();
  QTest::keySequence(window_.get(), keys);
  QCOMPARE(window_->isVisible(), !closes);
  // Closing keeps the list for the next session.
  QCOMPARE(store_->ReadValue("Transcripts").has_value(), closes);
}

void MainWindowTest::TheMenusCarryTheCommands() {
  QStringList menus;
  for (const QAction* menu : window_->menuBar()->actions())
    menus << menu->text();
  QCOMPARE(menus, QStringList({"&File", "&Compile", "&View", "&Help"}));
  const MainWindow::Actions& a = window_->actions();
  QCOMPARE(a.help->shortcut(), QKeySequence(QKeySequence::HelpContents));
  QVERIFY(!a.quit->shortcut().isEmpty());
  QCOMPARE(a.compile->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Return));
  // Nothing to compile and no run yet: those commands wait.
  QVERIFY(!a.compile->isEnabled());
  QVERIFY(!a.results->isEnabled());
  QVERIFY(!a.webSite->isEnabled());
  // The menu's Add Team Files shows the team section and adds there.
  dialogs_->openAnswers.push_back({"/t/Lions.fbt"});
  a.addTeamFiles->trigger();
  QVERIFY(C().addTeams->isChecked());
  QCOMPARE(Rows(C().teams), QStringList({"/t/Lions.fbt"}));
  dialogs_->openAnswers.push_back({"/g/one.txt"});
  a.addTranscripts->trigger();
  QVERIFY(a.compile->isEnabled());
}

void MainWindowTest::TheListsCountTheirFiles() {
  QCOMPARE(C().transcriptCount->text(), QStringLiteral("0 transcripts"));
  Add(C().addTranscripts, {"/g/1.txt"});
  QCOMPARE(C().transcriptCount->text(), QStringLiteral("1 transcript"));
  Add(C().addTranscripts, {"/g/2.txt", "/g/3.txt"});
  QCOMPARE(C().transcriptCount->text(), QStringLiteral("3 transcripts"));
  C().addTeams->setChecked(true);
  Add(C().addTeamFiles, {"/t/a.fbt", "/t/b.fbt"});
  QCOMPARE(C().teamCount->text(), QStringLiteral("2 team files"));
}

void MainWindowTest::TheListsShowNamesAndTakeThousandsOfRowsAtOnce() {
  // Ten thousand paths in two folders, added in two batches out of order,
  // some twice in another letter case.
  QStringList first;
  QStringList second;
  for (int i = 9999; i >= 0; --i)
    (i % 2 == 0 ? first : second)
        << QStringLiteral("/season/%1/G%2.txt").arg(i % 3).arg(i, 5, 10, QLatin1Char('0'));
  second << QStringLiteral("/SEASON/0/g00000.TXT");
  QElapsedTimer timer;
  timer.start();
  C().transcripts->AddPaths(first);
  C().transcripts->AddPaths(second);
  qInfo("10,000 rows added in %lld ms", static_cast<long long>(timer.elapsed()));
  const QStringList rows = Rows(C().transcripts);
  QCOMPARE(rows.size(), 10000);
  QVERIFY(std::is_sorted(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  }));
  QCOMPARE(rows.front(), QStringLiteral("/season/0/G00000.txt"));  // the first one stays
  QCOMPARE(C().transcriptCount->text(), QStringLiteral("10000 transcripts"));
  QCOMPARE(C().transcripts->item(0)->text(), QStringLiteral("G00000.txt"));
  QCOMPARE(C().transcripts->item(0)->toolTip(), QStringLiteral("/season/0/G00000.txt"));
  QVERIFY(C().compile->isEnabled());
}

void MainWindowTest::TheSummaryAndTheViewerOpenOverTheWindow() {
  // The main window in the screen's lower right corner: a window centred on
  // it would cross the screen's edges.
  const QRect room = window_->screen()->availableGeometry();
  window_->move(room.bottomRight() -
                QPoint(window_->frameGeometry().width(), window_->frameGeometry().height()));
  QTRY_VERIFY(room.contains(window_->frameGeometry()));
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QPointer<yl::shell::RunSummary> summary = window_->summary();
  QVERIFY(summary != nullptr);
  QCOMPARE(summary->windowTitle(), QStringLiteral("Run Summary"));
  yl::shell::ReportViewer* viewer =
      summary->View(summary->files()->item(0)->data(Qt::UserRole).toString());
  QVERIFY(viewer != nullptr);
  QCOMPARE(viewer->windowTitle(), QStringLiteral("week1.GS - Yardledger"));
  for (QWidget* shown : {static_cast<QWidget*>(summary.data()), static_cast<QWidget*>(viewer)}) {
    QTRY_VERIFY(shown->isVisible());
    QTRY_VERIFY2(room.contains(shown->frameGeometry()), qPrintable(shown->windowTitle()));
    QVERIFY(shown->frameGeometry().intersects(window_->frameGeometry()));
  }
}

void MainWindowTest::CtrlWClosesTheViewerAndEscapeTheSummary() {
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QPointer<yl::shell::RunSummary> summary = window_->summary();
  QVERIFY(summary != nullptr);
  yl::shell::ReportViewer* viewer =
      summary->View(summary->files()->item(0)->data(Qt::UserRole).toString());
  QVERIFY(viewer != nullptr);
  // Ctrl+W closes the viewer, Escape the summary.
  QPointer<yl::shell::ReportViewer> kept = viewer;
  viewer->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(viewer));
  QTest::keyClick(viewer, Qt::Key_W, Qt::ControlModifier);
  QTRY_VERIFY(kept.isNull() || !kept->isVisible());
  summary->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(summary.data()));
  QTest::keyClick(summary.data(), Qt::Key_Escape);
  QTRY_VERIFY(summary.isNull() || !summary->isVisible());
  QVERIFY(window_->isVisible());
}

void MainWindowTest::ReportsOpenAgainFromOpenReportAndOpenRecent() {
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions")});
  const QString out = QString::fromStdString(dir_->File("out"));
  dialogs_->saveAnswers << out + "/week1";
  QTest::mouseClick(C().compile, Qt::LeftButton);
  // The run's report is the most recent; a report opened by hand comes first.
  const QString own = QString::fromStdString(dir_->Write("out/notes.txt", "kept notes"));
  dialogs_->openAnswers.push_back({own});
  window_->actions().openReport->trigger();
  QList<QAction*> recent = window_->actions().openRecent->actions();
  QCOMPARE(recent.size(), 2);
  QCOMPARE(recent[0]->text(), QStringLiteral("&1 notes.txt"));
  QCOMPARE(recent[1]->text(), QStringLiteral("&2 week1.GS"));
  QCOMPARE(recent[1]->toolTip(), out + "/week1.GS");
  for (yl::shell::ReportViewer* viewer : window_->findChildren<yl::shell::ReportViewer*>())
    viewer->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  recent[1]->trigger();
  const QList<yl::shell::ReportViewer*> viewers = window_->findChildren<yl::shell::ReportViewer*>();
  QCOMPARE(viewers.size(), 1);
  QVERIFY(viewers[0]->text()->toPlainText().startsWith("G1"));
  // A file that cannot be read is a warning naming it, not a viewer.
  dialogs_->openAnswers.push_back({out + "/nothing-here"});
  window_->actions().openReport->trigger();
  QCOMPARE(dialogs_->warnings.size(), 1);
  QVERIFY(dialogs_->warnings[0].text.contains("nothing-here"));
}

void MainWindowTest::TheLastRunsResultsOpenFromTheSummaryAndTheViewMenu_data() {
  QTest::addColumn<bool>("season");
  QTest::newRow("game stats") << false;
  QTest::newRow("league stats") << true;
}

void MainWindowTest::TheLastRunsResultsOpenFromTheSummaryAndTheViewMenu() {
  QFETCH(bool, season);
  if (season) options_.mode = yl::options::ReportMode::kLeague;
  QVERIFY(!window_->actions().results->isEnabled());
  Add(C().addTranscripts, {WriteGame("G1", "Bears", "Lions"), WriteGame("G2", "Eagles", "Giants")});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  QTest::mouseClick(C().compile, Qt::LeftButton);
  QPointer<yl::shell::RunSummary> summary = window_->summary();
  QVERIFY(summary != nullptr && summary->showResultsButton() != nullptr);
  QTest::mouseClick(summary->showResultsButton(), Qt::LeftButton);
  QPointer<yl::shell::ResultsWindow> results = window_->results();
  QVERIFY(results != nullptr);
  QTRY_VERIFY(results->isVisible());
  QVERIFY(window_->screen()->availableGeometry().contains(results->frameGeometry()));
  using Tab = yl::shell::ResultsWindow::Tab;
  QCOMPARE(results->view(Tab::kGames)->model()->rowCount(), 2);
  QCOMPARE(results->data().season, season);
  // View > Results brings back the same window, and after closing a new one.
  QVERIFY(window_->actions().results->isEnabled());
  window_->actions().results->trigger();
  QCOMPARE(window_->results(), results.data());
  results->close();
  QTRY_VERIFY(results.isNull());
  window_->actions().results->trigger();
  QVERIFY(window_->results() != nullptr);
  // A game of a game run opens in the viewer where its report begins; a
  // season's report has none, and says so.
  emit window_->results()->gameActivated("G2");
  const QList<yl::shell::ReportViewer*> viewers = window_->findChildren<yl::shell::ReportViewer*>();
  QCOMPARE(viewers.size(), season ? 0 : 1);
  QCOMPARE(dialogs_->notes.size(), season ? 1 : 0);
  if (!season) {
    QCOMPARE(viewers[0]->text()->textCursor().selectedText(), QStringLiteral("G2"));
    QVERIFY(viewers[0]->text()->textCursor().blockNumber() > 0);
  }
}

void MainWindowTest::HelpOpensTheManual() {
  QTest::keyClick(window_.get(), Qt::Key_F1);
  const QList<yl::shell::ReportViewer*> viewers = window_->findChildren<yl::shell::ReportViewer*>();
  QCOMPARE(viewers.size(), 1);
  QCOMPARE(viewers[0]->windowTitle(), QStringLiteral("Yardledger Help"));
  QVERIFY(viewers[0]->text()->toPlainText().contains("make demo"));
}

void MainWindowTest::TheErrorLogDialogProposesErrorLogAndConfirmsReplacing() {
  // The real save dialog, as the error log asks for its file.
  yl::shell::QtDialogs real;
  yl::shell::ShellPlatform platform(real);
  QString title;
  QString proposed;
  bool confirms = false;
  yl::test::AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->reject();
  });
  const std::optional<std::string> chosen = yl::run::AskForLogFile(platform);
  QCOMPARE(title, QStringLiteral("Save Error Log As "));
  QCOMPARE(proposed, QStringLiteral("ErrorLog"));
  QVERIFY(confirms);
  QVERIFY(!chosen);
}

void MainWindowTest::AboutShowsTheVersion() {
  QCOMPARE(window_->aboutAction()->text(), QStringLiteral("&About Yardledger"));
  QVERIFY(!window_->windowIcon().isNull());
  QString title;
  QStringList texts;
  yl::test::AnswerNextModal<QDialog>([&](QDialog* about) {
    title = about->windowTitle();
    for (const QLabel* label : about->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
      if (!label->pixmap().isNull()) texts << "(icon)";
    }
    about->accept();
  });
  window_->aboutAction()->trigger();
  QCOMPARE(title, QStringLiteral("About Yardledger"));
  QCOMPARE(texts.mid(0, 4),
           QStringList({"(icon)", "Yardledger Version 1.2.8",
                        "Compiles the statistics of a football league from its games' "
                        "transcripts.",
                        "License: to be announced."}));
  QCOMPARE(texts.value(4),
           QStringLiteral("Built with Qt %1, running on Qt %2.").arg(QT_VERSION_STR, qVersion()));
}

int RunChild(const QStringList& args) {
  const auto print = [](const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
  };
  if (args.value(0) == "alert" && args.size() == 4) {
    // Files are answered by the script, the warning is the real message box.
    struct RealWarning : yl::test::ScriptedDialogs {
      void ShowWarning(QWidget* parent, const QString& title, const QString& text) override {
        real.ShowWarning(parent, title, text);
      }
      yl::shell::QtDialogs real;
    } dialogs;
    dialogs.openAnswers = {{args[1]}, {args[2]}};
    dialogs.saveAnswers = {args[3]};
    yl::test::AnswerNextModal<QMessageBox>([&](QMessageBox* box) {
      print(QStringLiteral("icon %1, title %2, text %3\n")
                .arg(int(box->icon()))
                .arg(box->windowTitle(), box->text()));
      box->accept();
    });
    yl::options::OutputOptions options;
    yl::options::IniSettingsStore store(yl::shell::ToNative(args[1] + ".conf"));
    yl::shell::ShellPlatform platform(dialogs);
    MainWindow window(platform, dialogs, options, store);
    window.show();
    window.controls().addTranscripts->click();
    window.controls().addTeams->click();
    window.controls().addTeamFiles->click();
    QTimer::singleShot(0, window.controls().compile, [&] {
      window.controls().compile->click();
      const MainWindow::Controls& c = window.controls();
      print(QStringLiteral("%1, %2 transcript, %3 team file, Compile Stats %4\n")
                .arg(window.isVisible() ? "still open" : "closed")
                .arg(c.transcripts->count())
                .arg(c.teams->count())
                .arg(c.compile->isEnabled() ? "enabled" : "disabled"));
      window.close();
    });
    return QApplication::exec();
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.value(1) == "--child") return RunChild(args.mid(2));
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
