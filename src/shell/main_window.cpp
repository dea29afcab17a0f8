// The main window, its two lists and its menus.
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <memory>
#include <new>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "compile/read_ahead.h"
#include "run/errors.h"
#include "run/input_files.h"
#include "run/staged_folder.h"
#include "shell/dialogs.h"
#include "shell/file_list.h"
#include "shell/native_text.h"
#include "shell/options_dialog.h"
#include "shell/program.h"
#include "shell/report_viewer.h"
#include "shell/results_model.h"
#include "shell/results_window.h"
#include "shell/run_summary.h"
#include "shell/shell_platform.h"

namespace yl::shell {

namespace {

QFrame* EtchedLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  return line;
}

std::vector<run::InputFileRecord> Records(const FileList* list) {
  std::vector<run::InputFileRecord> records;
  records.reserve(static_cast<std::size_t>(list->count()));
  for (const QString& path : list->Paths())
    records.push_back(run::MakeInputFileRecord(ToNative(path)));
  return records;
}

RunOutcome OutcomeOf(const compile::CompileRun& compile) {
  RunOutcome outcome;
  outcome.gamesCompiled = compile.gamesCompiled;
  outcome.gamesRejected = compile.gamesRejected;
  outcome.logEntries = compile.errorLog.entries;
  // The site is a folder: it has a button of its own, not a place in the list.
  for (const std::string& path : compile.reportFiles)
    if (path != compile.siteFolder) outcome.reportFiles << FromNative(path);
  const run::ErrorLog& log = compile.errorLog;
  if (log.entries > 0 && !log.declined && !log.path.empty())
    outcome.errorLog = FromNative(log.path);
  if (!compile.siteFolder.empty())
    outcome.webSite = FromNative(compile.siteFolder) + QStringLiteral("/index.html");
  for (const std::string& name : compile.rejected)
    outcome.rejected << FromNative(name);
  return outcome;
}

}  // namespace

MainWindow::MainWindow(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
                       options::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      dialogs_(dialogs),
      options_(options),
      store_(store),
      remembered_(store) {
  setWindowTitle(ProgramTitle());
  setWindowIcon(ProgramIcon());
  platform_.SetOwner(this);
  BuildControls();
  BuildMenus();

  const Session session = remembered_.LoadSession();
  controls_.transcripts->AddPaths(session.transcripts);
  controls_.teams->AddPaths(session.teamFiles);
  ListsChanged();
  // Without a remembered size the window takes the size its contents ask
  // for when it is shown.
  teamSection_->hide();
  controls_.addTeams->setChecked(session.addTeams);
  if (session.windowSize.isValid()) resize(session.windowSize.expandedTo(minimumSizeHint()));
}

MainWindow::~MainWindow() {
  platform_.SetOwner(nullptr);
}

// Every control lives on one page, so that a run can disable them all while
// this window stays able to own the progress dialog. The controls are made
// in their tab order.
void MainWindow::BuildControls() {
  Controls& c = controls_;
  content_ = new QWidget(this);
  setCentralWidget(content_);

  auto* transcriptLabel = new QLabel(tr("Transcript"), content_);
  c.transcripts = new FileList(QStringLiteral(".txt"), QStringLiteral(".fbt"), 8, content_);
  c.transcriptCount = new QLabel(content_);
  c.addTranscripts = new QPushButton(tr("Add Transcript(s)..."), content_);
  c.removeTranscripts = new QPushButton(tr("Remove Transcript(s)..."), content_);
  QFrame* buttonLine = EtchedLine(content_);
  c.outputOptions = new QPushButton(tr("Output Options..."), content_);
  c.compile = new QPushButton(tr("Compile Stats"), content_);
  c.compile->setDefault(true);
  c.addTeams = new QCheckBox(tr("Add Teams"), content_);
  c.separator = EtchedLine(content_);

  teamSection_ = new QWidget(content_);
  c.teamLabel = new QLabel(tr("Team"), teamSection_);
  c.teams = new FileList(QStringLiteral(".fbt"), QStringLiteral(".txt"), 5, teamSection_);
  c.teamCount = new QLabel(teamSection_);
  c.addTeamFiles = new QPushButton(tr("Add Team File(s)..."), teamSection_);
  c.removeTeamFiles = new QPushButton(tr("Remove Team File(s)..."), teamSection_);

  // The buttons share one width, so both sections' lists end at one edge.
  const QList<QPushButton*> buttons = {c.addTranscripts, c.removeTranscripts, c.outputOptions,
                                       c.compile,        c.addTeamFiles,      c.removeTeamFiles};
  int buttonWidth = 0;
  for (const QPushButton* button : buttons)
    buttonWidth = qMax(buttonWidth, button->sizeHint().width());
  for (QPushButton* button : buttons)
    button->setFixedWidth(buttonWidth);

  auto* transcriptButtons = new QVBoxLayout;
  transcriptButtons->addWidget(c.addTranscripts);
  transcriptButtons->addWidget(c.removeTranscripts);
  transcriptButtons->addWidget(buttonLine);
  transcriptButtons->addWidget(c.outputOptions);
  transcriptButtons->addWidget(c.compile);
  transcriptButtons->addStretch(1);
  transcriptButtons->addWidget(c.addTeams, 0, Qt::AlignHCenter);
  auto* transcripts = new QGridLayout;
  transcripts->addWidget(transcriptLabel, 0, 0, Qt::AlignHCenter);
  transcripts->addWidget(c.transcripts, 1, 0);
  transcripts->addWidget(c.transcriptCount, 2, 0);
  transcripts->addLayout(transcriptButtons, 1, 1, 2, 1);
  transcripts->setColumnStretch(0, 1);
  transcripts->setRowStretch(1, 1);

  auto* teamButtons = new QVBoxLayout;
  teamButtons->addWidget(c.addTeamFiles);
  teamButtons->addWidget(c.removeTeamFiles);
  teamButtons->addStretch(1);
  auto* teams = new QGridLayout(teamSection_);
  teams->setContentsMargins(0, 0, 0, 0);
  teams->addWidget(c.teamLabel, 0, 0, Qt::AlignHCenter);
  teams->addWidget(c.teams, 1, 0);
  teams->addWidget(c.teamCount, 2, 0);
  teams->addLayout(teamButtons, 1, 1, 2, 1);
  teams->setColumnStretch(0, 1);
  teams->setRowStretch(1, 1);

  // Without stretch factors, room beyond the lists' wishes is shared between
  // them, so showing the team section with room for it leaves the
  // transcript list as it was.
  auto* page = new QVBoxLayout(content_);
  page->addLayout(transcripts);
  page->addWidget(c.separator);
  page->addWidget(teamSection_);

  connect(c.addTranscripts, &QPushButton::clicked, this,
          [this] { AddFiles(controls_.transcripts, TranscriptFilter(), Place::kTranscripts); });
  connect(c.removeTranscripts, &QPushButton::clicked, this, [this] {
    qDeleteAll(controls_.transcripts->selectedItems());
    ListsChanged();
  });
  connect(c.addTeamFiles, &QPushButton::clicked, this,
          [this] { AddFiles(controls_.teams, TeamFileFilter(), Place::kTeamFiles); });
  connect(c.removeTeamFiles, &QPushButton::clicked, this, [this] {
    qDeleteAll(controls_.teams->selectedItems());
    ListsChanged();
  });
  for (FileList* list : {c.transcripts, c.teams}) {
    connect(list, &QListWidget::itemSelectionChanged, this, &MainWindow::ListsChanged);
    connect(list, &FileList::rowsChanged, this, &MainWindow::ListsChanged);
  }
  connect(c.addTeams, &QCheckBox::toggled, this, &MainWindow::SetExpanded);
  connect(c.outputOptions, &QPushButton::clicked, this, &MainWindow::OpenOutputOptions);
  connect(c.compile, &QPushButton::clicked, this, &MainWindow::CompileStats);

  // Enter presses the button that has the focus, else Compile Stats, as in
  // a dialog whose default button it is.
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), content_);
    enter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(enter, &QShortcut::activated, this, [this] {
      auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
      QPushButton* button = focused != nullptr ? focused : controls_.compile;
      if (button->isEnabled()) button->click();
    });
  }

  const QList<QWidget*> tabOrder = {c.transcripts,   c.addTranscripts, c.removeTranscripts,
                                    c.outputOptions, c.compile,        c.addTeams,
                                    c.teams,         c.addTeamFiles,   c.removeTeamFiles};
  for (qsizetype i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void MainWindow::AddFiles(FileList* list, const QString& filter, Place place) {
  if (running_) return;
  QString folder = remembered_.Folder(place);
  // Team files are most often kept near the transcripts.
  if (folder.isEmpty() && place == Place::kTeamFiles)
    folder = remembered_.Folder(Place::kTranscripts);
  const QStringList paths = dialogs_.AskOpenFiles(this, filter, folder);
  if (paths.isEmpty()) return;
  remembered_.SetFolder(place, QFileInfo(paths.front()).absolutePath());
  list->AddPaths(paths);
}

// Compile Stats needs a transcript; each Remove button a selected row.
void MainWindow::ListsChanged() {
  const Controls& c = controls_;
  const int transcripts = c.transcripts->count();
  const int teams = c.teams->count();
  c.compile->setEnabled(transcripts > 0);
  c.removeTranscripts->setEnabled(!c.transcripts->selectedItems().isEmpty());
  c.removeTeamFiles->setEnabled(!c.teams->selectedItems().isEmpty());
  c.transcriptCount->setText(transcripts == 1 ? tr("1 transcript")
                                              : tr("%1 transcripts").arg(transcripts));
  c.teamCount->setText(teams == 1 ? tr("1 team file") : tr("%1 team files").arg(teams));
  if (actions_.compile != nullptr) {
    actions_.compile->setEnabled(transcripts > 0);
    actions_.clearLists->setEnabled(transcripts + teams > 0);
  }
}

// The team section is hidden, not only cut off, when collapsed, so that the
// keyboard cannot reach it; its rows stay and take part in a compile. The
// window grows or shrinks by the section, so the transcript list keeps its
// height.
void MainWindow::SetExpanded(bool expanded) {
  if (expanded != teamSection_->isHidden()) return;
  // Before the window is first shown it takes the size its contents ask
  // for then.
  if (!isVisible()) {
    teamSection_->setVisible(expanded);
    return;
  }
  // The height is taken before the layout changes: showing the section
  // raises the window's minimum height, which may already make it taller.
  const int height = this->height();
  if (expanded) {
    const int before = layout()->totalSizeHint().height();
    teamSection_->show();
    layout()->invalidate();
    const int grow = layout()->totalSizeHint().height() - before;
    layout()->activate();
    resize(width(), height + grow);
  } else {
    // The section and the gap above it, as they are now.
    const int shrink = teamSection_->geometry().bottom() - controls_.separator->geometry().bottom();
    teamSection_->hide();
    // Lowers the window's minimum height first (the page's layout, then the
    // window's, which asks the page).
    content_->layout()->activate();
    layout()->invalidate();
    layout()->activate();
    resize(width(), height - shrink);
  }
}

void MainWindow::OpenOutputOptions() {
  OutputOptionsDialog dialog(options_, store_, dialogs_, this);
  dialog.exec();
}

void MainWindow::CompileStats() {
  // Enter reaches here through the default button only while it is enabled,
  // but a run needs a transcript whatever the way in.
  if (running_ || controls_.transcripts->count() == 0) return;
  QString folder = remembered_.Folder(Place::kReports);
  if (folder.isEmpty()) folder = QFileInfo(controls_.transcripts->Paths().front()).absolutePath();
  const QString path =
      dialogs_.AskSaveFile(this, tr("Save File(s) with Prefix"), QString(), false, folder);
  if (path.isEmpty()) return;
  const QString reportFolder = QFileInfo(path).absolutePath();
  // A name typed into a folder that is not there would only fail later.
  if (!QFileInfo(reportFolder).isDir()) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("The folder %1 does not exist. Choose a folder that does, or make "
                            "it first.")
                             .arg(QDir::toNativeSeparators(reportFolder)));
    return;
  }
  // The season's web site goes beside the reports, as NAME-site; a folder
  // of that name holding anything but an earlier site stops the run here.
  QString siteFolder;
  if (remembered_.WebSite() && options_.SeasonMode()) {
    siteFolder = reportFolder + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
                 QStringLiteral("-site");
    const std::string problem = run::FolderProblem(ToNative(siteFolder));
    if (!problem.empty()) {
      dialogs_.ShowWarning(this, ProgramTitle(),
                           tr("The web site cannot be written: the folder %1. Choose another "
                              "name, or move that folder away.")
                               .arg(FromNative(problem)));
      return;
    }
  }
  remembered_.SetFolder(Place::kReports, reportFolder);
  platform_.SetSaveFolder(reportFolder);
  lastReply_ = run::MakePrefixReply(ToNative(path));
  if (summary_ != nullptr) summary_->close();

  std::unique_ptr<compile::CompileRun> compile;
  const int transcriptCount = controls_.transcripts->count();
  try {
    const std::vector<run::TransRecord> transcripts = run::Allocating(
        run::ErrorKind::kTranscriptListMemory, [&] { return Records(controls_.transcripts); });
    const std::vector<run::TeamFileRecord> teams = run::Allocating(
        run::ErrorKind::kTeamFileListMemory, [&] { return Records(controls_.teams); });
    compile = std::make_unique<compile::CompileRun>(platform_, options_);
    if (remembered_.CsvTables()) compile->tablesFolder = ToNative(reportFolder);
    compile->siteFolder = ToNative(siteFolder);
    compile->keepResults = true;
    compile->jobs = compile::DefaultJobs();
    SetRunning(true);
    platform_.SetStopFlag(&compile->control.stopRequested);
    // Before the error log's file is asked for, the user learns why.
    platform_.SetLogQuestionNote([&compile, transcriptCount] {
      const int lines = compile->errorLog.entries;
      return (lines == 1 ? tr("1 line") : tr("%1 lines").arg(lines)) + QLatin1Char(' ') +
             (transcriptCount == 1 ? tr("of the transcript")
                                   : tr("of the %1 transcripts").arg(transcriptCount)) +
             tr(" could not be understood. Choose where to save the error log that lists "
                "them; the run's summary will show it.");
    });
    try {
      compile::CompileStats(*compile, transcripts, teams, lastReply_);
    } catch (const std::bad_alloc&) {
      run::Fail(run::ErrorKind::kOutOfMemory);
    }
  } catch (const run::FatalAlert& alert) {
    // The run is given up, its files deleted; the program and both lists
    // stay as they were.
    platform_.SetStopFlag(nullptr);
    platform_.SetLogQuestionNote({});
    platform_.ShowAlert(alert.Message());
    if (compile) compile::AbandonRun(*compile);
    SetRunning(false);
    if (quitAfterRun_) close();
    return;
  }
  platform_.SetStopFlag(nullptr);
  platform_.SetLogQuestionNote({});
  SetRunning(false);

  // The lists stay, stopped or not: another mode is one click away.
  if (!compile->control.stopRequested) RunEnded(*compile);
  if (quitAfterRun_) close();
}

// What a completed run leaves: its summary, and its files and site among
// the recent ones.
void MainWindow::RunEnded(const compile::CompileRun& compile) {
  RunOutcome outcome = OutcomeOf(compile);
  lastResults_ = std::make_shared<const ResultsData>(
      MakeResultsData(compile, outcome.reportFiles,
                      compile.siteFolder.empty() ? QString() : FromNative(compile.siteFolder)));
  outcome.results = compile.gamesCompiled > 0;
  actions_.results->setEnabled(outcome.results);
  if (results_ != nullptr) results_->close();
  for (const QString& file : outcome.reportFiles)
    AddRecent(file);
  lastWebSite_ = outcome.webSite;
  if (!lastWebSite_.isEmpty()) AddRecent(lastWebSite_);
  actions_.webSite->setEnabled(!lastWebSite_.isEmpty());
  summary_ = new RunSummary(outcome, dialogs_, this);
  connect(summary_, &RunSummary::resultsRequested, this, &MainWindow::ShowResults);
  PlaceOver(summary_, this);
  summary_->show();
}

// While a run is under way the window takes no command: no second run, no
// change of its lists. The run handles events between plays.
void MainWindow::SetRunning(bool running) {
  running_ = running;
  content_->setEnabled(!running);
  menuBar()->setEnabled(!running);
  if (!running) controls_.transcripts->setFocus();
}

void MainWindow::SaveSession() {
  Session session;
  session.transcripts = controls_.transcripts->Paths();
  session.teamFiles = controls_.teams->Paths();
  session.addTeams = controls_.addTeams->isChecked();
  if (!isMaximized() && !isFullScreen()) session.windowSize = size();
  // Not kept is only not restored: the program still ends.
  remembered_.SaveSession(session);
}

// Closing during a run asks whether to stop it; the window closes once the
// stopped run has cleaned up.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    if (!quitAfterRun_ &&
        dialogs_.AskYesNo(this, ProgramTitle(),
                          tr("A compile is under way. Stop it and quit Yardledger?"))) {
      quitAfterRun_ = true;
      platform_.RequestStop();
    }
    return;
  }
  SaveSession();
  // The program's other windows go with it.
  if (summary_ != nullptr) summary_->close();
  if (results_ != nullptr) results_->close();
  for (ReportViewer* viewer : findChildren<ReportViewer*>())
    viewer->close();
  QMainWindow::closeEvent(event);
}

ReportViewer* MainWindow::View(const QString& path) {
  auto* viewer = new ReportViewer(this);
  viewer->setAttribute(Qt::WA_DeleteOnClose);
  QString error;
  if (!viewer->Open(path, error)) {
    delete viewer;
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("%1 cannot be shown: %2").arg(QDir::toNativeSeparators(path), error));
    return nullptr;
  }
  PlaceOver(viewer, this);
  viewer->show();
  return viewer;
}

ResultsWindow* MainWindow::ShowResults() {
  if (lastResults_ == nullptr) return nullptr;
  if (results_ == nullptr) {
    results_ = new ResultsWindow(*lastResults_, dialogs_, this);
    connect(results_, &ResultsWindow::gameActivated, this, &MainWindow::OpenGame);
    PlaceOver(results_, this);
  }
  results_->show();
  results_->raise();
  results_->activateWindow();
  return results_;
}

// A game of the results in the report that holds it: a game run's reports
// begin each game with its transcript's name. A season's report has no part
// per game: its site has a page for each, reached from the site's index.
void MainWindow::OpenGame(const QString& transcript) {
  if (lastResults_ == nullptr) return;
  const ResultsData& results = *lastResults_;
  if (results.season) {
    if (!results.siteFolder.isEmpty()) {
      OpenWebSite(results.siteFolder + QStringLiteral("/index.html"));
    } else {
      dialogs_.ShowInformation(this, ProgramTitle(),
                               tr("A season's report has no part for each game. Tick \"Also "
                                  "write a web site\" in Output Options for a page per game."));
    }
    return;
  }
  for (const QString& file : results.reportFiles) {
    QFile report(file);
    if (!report.open(QIODevice::ReadOnly)) continue;
    const QString text = ReportText(report.readAll());
    if (!text.startsWith(transcript + QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\n') + transcript + QLatin1Char('\n')))
      continue;
    if (ReportViewer* viewer = View(file)) {
      viewer->findField()->setText(transcript);
      viewer->FindNext();
    }
    return;
  }
  dialogs_.ShowWarning(this, ProgramTitle(),
                       tr("No report of this run holds the game %1 any more.").arg(transcript));
}

void MainWindow::OpenReport() {
  const QStringList paths =
      dialogs_.AskOpenFiles(this, tr("All Files (*)"), remembered_.Folder(Place::kReports));
  for (const QString& path : paths)
    if (View(path) != nullptr) AddRecent(path);
}

void MainWindow::AddRecent(const QString& path) {
  remembered_.AddRecent(path);
  FillRecentMenu();
}

void MainWindow::FillRecentMenu() {
  QMenu* menu = actions_.openRecent;
  menu->clear();
  const QStringList recent = remembered_.Recent();
  for (int i = 0; i < recent.size(); ++i) {
    // "&1 week1.LL", the folder in the tooltip and the status bar.
    const QString shown = QFileInfo(recent[i]).fileName() == QStringLiteral("index.html")
                              ? QFileInfo(recent[i]).dir().dirName()
                              : QFileInfo(recent[i]).fileName();
    QAction* action = menu->addAction(
        (i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("1&0 ")) + shown);
    action->setToolTip(QDir::toNativeSeparators(recent[i]));
    action->setStatusTip(QDir::toNativeSeparators(recent[i]));
    connect(action, &QAction::triggered, this, [this, path = recent[i]] { OpenRecent(path); });
  }
  menu->setEnabled(!recent.isEmpty());
}

void MainWindow::OpenRecent(const QString& path) {
  if (QFileInfo(path).fileName() == QStringLiteral("index.html")) {
    OpenWebSite(path);
  } else if (View(path) != nullptr) {
    AddRecent(path);
  }
}

void MainWindow::OpenWebSite(const QString& index) {
  if (!dialogs_.OpenPage(this, index)) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("No web browser could be started. The site's first page is %1.")
                             .arg(QDir::toNativeSeparators(index)));
  }
}

// The manual installed with the program, else the README beside the
// sources, in the viewer.
void MainWindow::ShowHelp() {
  const QStringList candidates = {
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/yardledger/README.md"),
      QStringLiteral(YL_SOURCE_README)};
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) {
      if (ReportViewer* viewer = View(candidate)) viewer->setWindowTitle(tr("Yardledger Help"));
      return;
    }
  }
  dialogs_.ShowWarning(this, ProgramTitle(),
                       tr("The manual is not installed. It is the README of Yardledger's "
                          "sources."));
}

void MainWindow::ShowAbout() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::BuildMenus() {
  Actions& a = actions_;
  const Controls& c = controls_;
  QMenu* file = menuBar()->addMenu(tr("&File"));
  a.addTranscripts =
      file->addAction(tr("Add &Transcripts..."), c.addTranscripts, &QPushButton::click);
  a.addTranscripts->setShortcut(QKeySequence::Open);
  a.addTeamFiles = file->addAction(tr("Add Te&am Files..."), this, [this] {
    controls_.addTeams->setChecked(true);
    AddFiles(controls_.teams, TeamFileFilter(), Place::kTeamFiles);
  });
  file->addSeparator();
  a.openReport = file->addAction(tr("Open &Report..."), this, &MainWindow::OpenReport);
  a.openRecent = file->addMenu(tr("Open Re&cent"));
  FillRecentMenu();
  file->addSeparator();
  a.clearLists = file->addAction(tr("C&lear Lists"), this, [this] {
    controls_.transcripts->clear();
    controls_.teams->clear();
    ListsChanged();
  });
  file->addSeparator();
  a.quit = file->addAction(tr("&Quit"), this, &MainWindow::close);
  // Not every desktop names a key for Quit: Ctrl+Q where none does.
  a.quit->setShortcut(QKeySequence(QKeySequence::Quit).isEmpty()
                          ? QKeySequence(Qt::CTRL | Qt::Key_Q)
                          : QKeySequence(QKeySequence::Quit));
  a.quit->setMenuRole(QAction::QuitRole);

  QMenu* compile = menuBar()->addMenu(tr("&Compile"));
  a.compile = compile->addAction(tr("&Compile Stats"), c.compile, &QPushButton::click);
  a.compile->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  a.outputOptions =
      compile->addAction(tr("&Output Options..."), this, &MainWindow::OpenOutputOptions);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  a.results = view->addAction(tr("&Results"), this, &MainWindow::ShowResults);
  a.results->setEnabled(false);
  a.webSite = view->addAction(tr("&Web Site"), this, [this] { OpenWebSite(lastWebSite_); });
  a.webSite->setEnabled(false);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  a.help = help->addAction(tr("Yardledger &Help"), this, &MainWindow::ShowHelp);
  a.help->setShortcut(QKeySequence::HelpContents);
  a.about = help->addAction(tr("&About Yardledger"), this, &MainWindow::ShowAbout);
  a.about->setMenuRole(QAction::AboutRole);
  ListsChanged();
}

}  // namespace yl::shell
