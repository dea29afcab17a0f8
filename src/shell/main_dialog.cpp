// The main window and its two lists.
#include "shell/main_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <memory>
#include <new>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/errors.h"
#include "run/input_files.h"
#include "run/staged_folder.h"
#include "shell/dialogs.h"
#include "shell/file_list.h"
#include "shell/native_text.h"
#include "shell/options_dialog.h"
#include "shell/program.h"
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
  return outcome;
}

}  // namespace

MainDialog::MainDialog(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
                       options::SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      dialogs_(dialogs),
      options_(options),
      store_(store),
      remembered_(store) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowTitle(ProgramTitle());
  setWindowIcon(ProgramIcon());
  platform_.SetOwner(this);
  BuildControls();

  about_ = new QAction(tr("&About Yardledger..."), this);
  connect(about_, &QAction::triggered, this, [this] {
    AboutDialog about(this);
    about.exec();
  });

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

MainDialog::~MainDialog() {
  platform_.SetOwner(nullptr);
}

// Every control lives on one page, so that a run can disable them all while
// this window stays able to own the progress dialog. The controls are made
// in their tab order.
void MainDialog::BuildControls() {
  Controls& c = controls_;
  content_ = new QWidget(this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(content_);

  auto* transcriptLabel = new QLabel(tr("Transcript"), content_);
  c.transcripts = new FileList(QStringLiteral(".txt"), QStringLiteral(".fbt"), 8, content_);
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
  transcripts->addLayout(transcriptButtons, 1, 1);
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
  teams->addLayout(teamButtons, 1, 1);
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
    connect(list, &QListWidget::itemSelectionChanged, this, &MainDialog::ListsChanged);
    connect(list, &FileList::rowsChanged, this, &MainDialog::ListsChanged);
  }
  connect(c.addTeams, &QCheckBox::toggled, this, &MainDialog::SetExpanded);
  connect(c.outputOptions, &QPushButton::clicked, this, &MainDialog::OpenOutputOptions);
  connect(c.compile, &QPushButton::clicked, this, &MainDialog::CompileStats);

  const QList<QWidget*> tabOrder = {c.transcripts,   c.addTranscripts, c.removeTranscripts,
                                    c.outputOptions, c.compile,        c.addTeams,
                                    c.teams,         c.addTeamFiles,   c.removeTeamFiles};
  for (qsizetype i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1], tabOrder[i]);

  auto* add = new QShortcut(QKeySequence::Open, this);
  connect(add, &QShortcut::activated, c.addTranscripts, &QPushButton::click);
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
    auto* compile = new QShortcut(keys, this);
    connect(compile, &QShortcut::activated, c.compile, &QPushButton::click);
  }
}

void MainDialog::AddFiles(FileList* list, const QString& filter, Place place) {
  if (running_) return;
  QString folder = remembered_.Folder(place);
  // Team files are most often kept near the transcripts.
  if (folder.isEmpty() && place == Place::kTeamFiles)
    folder = remembered_.Folder(Place::kTranscripts);
  const QStringList paths = dialogs_.AskOpenFiles(this, filter, folder);
  if (paths.isEmpty()) return;
  remembered_.SetFolder(place, QFileInfo(paths.front()).absolutePath());
  list->AddPaths(paths);
  ListsChanged();
}

// Compile Stats needs a transcript; each Remove button a selected row.
void MainDialog::ListsChanged() {
  const Controls& c = controls_;
  c.compile->setEnabled(c.transcripts->count() > 0);
  c.removeTranscripts->setEnabled(!c.transcripts->selectedItems().isEmpty());
  c.removeTeamFiles->setEnabled(!c.teams->selectedItems().isEmpty());
}

// The team section is hidden, not only cut off, when collapsed, so that the
// keyboard cannot reach it; its rows stay and take part in a compile. The
// window grows or shrinks by the section, so the transcript list keeps its
// height.
void MainDialog::SetExpanded(bool expanded) {
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

void MainDialog::OpenOutputOptions() {
  OutputOptionsDialog dialog(options_, store_, dialogs_, this);
  dialog.exec();
}

void MainDialog::CompileStats() {
  // Enter reaches here through the default button only while it is enabled,
  // but a run needs a transcript whatever the way in.
  if (running_ || controls_.transcripts->count() == 0) return;
  QString folder = remembered_.Folder(Place::kReports);
  if (folder.isEmpty()) folder = QFileInfo(controls_.transcripts->item(0)->text()).absolutePath();
  const QString path =
      dialogs_.AskSaveFile(this, tr("Save File(s) with Prefix"), QString(), false, folder);
  if (path.isEmpty()) return;
  const QString reportFolder = QFileInfo(path).absolutePath();
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
  try {
    const std::vector<run::TransRecord> transcripts = run::Allocating(
        run::ErrorKind::kTranscriptListMemory, [&] { return Records(controls_.transcripts); });
    const std::vector<run::TeamFileRecord> teams = run::Allocating(
        run::ErrorKind::kTeamFileListMemory, [&] { return Records(controls_.teams); });
    compile = std::make_unique<compile::CompileRun>(platform_, options_);
    if (remembered_.CsvTables()) compile->tablesFolder = ToNative(reportFolder);
    compile->siteFolder = ToNative(siteFolder);
    SetRunning(true);
    platform_.SetStopFlag(&compile->control.stopRequested);
    try {
      compile::CompileStats(*compile, transcripts, teams, lastReply_);
    } catch (const std::bad_alloc&) {
      run::Fail(run::ErrorKind::kOutOfMemory);
    }
  } catch (const run::FatalAlert& alert) {
    // A fatal alert ends the program with status 1 once it has been shown.
    platform_.SetStopFlag(nullptr);
    platform_.ShowAlert(alert.Message());
    if (compile) compile::AbandonRun(*compile);
    exitStatus_ = 1;
    running_ = false;
    done(QDialog::Rejected);
    return;
  }
  platform_.SetStopFlag(nullptr);
  SetRunning(false);

  // After a stop the user can start again with the same lists.
  if (!compile->control.stopRequested) {
    controls_.transcripts->clear();
    controls_.teams->clear();
    ListsChanged();
    summary_ = new RunSummary(OutcomeOf(*compile), dialogs_, this);
    summary_->show();
  }
  if (quitAfterRun_) done(QDialog::Rejected);
}

// While a run is under way the window takes no command: no second run, no
// change of its lists. The run handles events between plays.
void MainDialog::SetRunning(bool running) {
  running_ = running;
  content_->setEnabled(!running);
  if (!running) controls_.transcripts->setFocus();
}

void MainDialog::reject() {
  if (!running_) QDialog::reject();
}

void MainDialog::done(int result) {
  Session session;
  session.transcripts = controls_.transcripts->Paths();
  session.teamFiles = controls_.teams->Paths();
  session.addTeams = controls_.addTeams->isChecked();
  if (!isMaximized() && !isFullScreen()) session.windowSize = size();
  // Not kept is only not restored: the program still ends.
  remembered_.SaveSession(session);
  QDialog::done(result);
}

// Closing during a run asks whether to stop it; the window closes once the
// stopped run has cleaned up.
void MainDialog::closeEvent(QCloseEvent* event) {
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
  QDialog::closeEvent(event);
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
  if (running_) return;
  QMenu menu(this);
  menu.addAction(about_);
  menu.exec(event->globalPos());
}

}  // namespace yl::shell
