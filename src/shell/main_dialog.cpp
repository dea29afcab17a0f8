// The main window and its two lists.
#include "shell/main_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <memory>
#include <new>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/alert.h"
#include "run/input_files.h"
#include "shell/dialog_layout.h"
#include "shell/dialogs.h"
#include "shell/native_text.h"
#include "shell/options_dialog.h"
#include "shell/program.h"
#include "shell/shell_platform.h"

namespace yl::shell {

namespace {

constexpr std::string_view kMoreMemory =
    "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.";

QListWidget* FileList(QWidget* parent, int id) {
  auto* list = new QListWidget(parent);
  SetControlId(list, id);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return list;
}

QPushButton* Button(QWidget* parent, int id, const QString& text) {
  auto* button = new QPushButton(text, parent);
  SetControlId(button, id);
  return button;
}

QFrame* EtchedLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  return line;
}

// Rows stay sorted ascending, case ignored; a path already listed in any
// letter case is refused.
void AddRow(QListWidget* list, const QString& path) {
  int row = 0;
  for (; row < list->count(); ++row) {
    const int order = QString::compare(list->item(row)->text(), path, Qt::CaseInsensitive);
    if (order == 0) return;
    if (order > 0) break;
  }
  auto* item = new QListWidgetItem(path);
  item->setToolTip(path);
  list->insertItem(row, item);
}

std::vector<run::InputFileRecord> Records(const QListWidget* list) {
  std::vector<run::InputFileRecord> records;
  records.reserve(static_cast<std::size_t>(list->count()));
  for (int row = 0; row < list->count(); ++row)
    records.push_back(run::MakeInputFileRecord(ToNative(list->item(row)->text())));
  return records;
}

}  // namespace

MainDialog::MainDialog(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
                       options::SettingsStore& store, QWidget* parent)
    : QDialog(parent), platform_(platform), dialogs_(dialogs), options_(options), store_(store) {
  const DialogUnits units(font());
  setWindowTitle(ProgramTitle());
  setWindowIcon(ProgramIcon());
  platform_.SetOwner(this);

  // Every control lives on one page, so that a run can disable them all
  // while this window stays able to own the progress dialog.
  content_ = new QWidget(this);
  content_->setGeometry(units.Rect(0, 0, 332, 191));

  PlaceAt(new QLabel(QStringLiteral("Transcript"), content_), units, 101, 5);
  transcripts_ = FileList(content_, kTranscriptList);
  Place(transcripts_, units, 5, 20, 225, 85);
  auto* addTranscripts = Button(content_, kAddTranscripts, QStringLiteral("Add Transcript(s)..."));
  Place(addTranscripts, units, 240, 20, 85, 14);
  removeTranscripts_ =
      Button(content_, kRemoveTranscripts, QStringLiteral("Remove Transcript(s)..."));
  Place(removeTranscripts_, units, 240, 40, 85, 14);
  Place(EtchedLine(content_), units, 240, 61, 85, 1);
  auto* outputOptions = Button(content_, kOutputOptions, QStringLiteral("Output Options..."));
  Place(outputOptions, units, 240, 70, 85, 14);
  compile_ = Button(content_, kCompileStats, QStringLiteral("Compile Stats"));
  compile_->setDefault(true);
  Place(compile_, units, 240, 90, 85, 14);
  auto* addTeams = new QCheckBox(QStringLiteral("Add Teams"), content_);
  SetControlId(addTeams, kAddTeams);
  PlaceAt(addTeams, units, 275, 110, 10);
  QFrame* separator = EtchedLine(content_);
  SetControlId(separator, kSeparator);
  Place(separator, units, 5, 125, 320, 1);

  auto* teamLabel = new QLabel(QStringLiteral("Team"), content_);
  PlaceAt(teamLabel, units, 108, 135);
  teams_ = FileList(content_, kTeamList);
  Place(teams_, units, 5, 150, 225, 35);
  auto* addTeamFiles = Button(content_, kAddTeamFiles, QStringLiteral("Add Team File(s)..."));
  Place(addTeamFiles, units, 240, 150, 85, 14);
  removeTeamFiles_ = Button(content_, kRemoveTeamFiles, QStringLiteral("Remove Team File(s)..."));
  Place(removeTeamFiles_, units, 240, 170, 85, 14);
  teamSection_ = {teamLabel, teams_, addTeamFiles, removeTeamFiles_};

  about_ = new QAction(QStringLiteral("&About Yardledger..."), this);
  connect(about_, &QAction::triggered, this, [this] {
    AboutDialog about(this);
    about.exec();
  });

  compile_->setEnabled(false);
  removeTranscripts_->setEnabled(false);
  removeTeamFiles_->setEnabled(false);
  collapsedHeight_ = units.Y(125 + 1);  // down to the separator's bottom edge
  fullHeight_ = units.Y(191);
  SetExpanded(false);

  connect(addTranscripts, &QPushButton::clicked, this, [this] {
    AddFiles(transcripts_, TranscriptFilter());
    compile_->setEnabled(transcripts_->count() > 0);
  });
  connect(removeTranscripts_, &QPushButton::clicked, this, [this] {
    RemoveSelected(transcripts_);
    removeTranscripts_->setEnabled(false);
    compile_->setEnabled(transcripts_->count() > 0);
  });
  connect(addTeamFiles, &QPushButton::clicked, this,
          [this] { AddFiles(teams_, TeamFileFilter()); });
  connect(removeTeamFiles_, &QPushButton::clicked, this, [this] {
    RemoveSelected(teams_);
    removeTeamFiles_->setEnabled(false);
  });
  connect(transcripts_, &QListWidget::itemSelectionChanged, this,
          [this] { removeTranscripts_->setEnabled(!transcripts_->selectedItems().isEmpty()); });
  connect(teams_, &QListWidget::itemSelectionChanged, this,
          [this] { removeTeamFiles_->setEnabled(!teams_->selectedItems().isEmpty()); });
  connect(addTeams, &QCheckBox::toggled, this, &MainDialog::SetExpanded);
  connect(outputOptions, &QPushButton::clicked, this, &MainDialog::OpenOutputOptions);
  connect(compile_, &QPushButton::clicked, this, &MainDialog::CompileStats);
}

MainDialog::~MainDialog() {
  platform_.SetOwner(nullptr);
}

void MainDialog::AddFiles(QListWidget* list, const QString& filter) {
  const QStringList paths = dialogs_.AskOpenFiles(this, filter);
  list->setUpdatesEnabled(false);
  for (const QString& path : paths)
    AddRow(list, path);
  list->setUpdatesEnabled(true);
}

void MainDialog::RemoveSelected(QListWidget* list) {
  qDeleteAll(list->selectedItems());
}

// The team section is hidden, not only cut off, when collapsed, so that the
// keyboard cannot reach it; its rows stay and take part in a compile.
void MainDialog::SetExpanded(bool expanded) {
  for (QWidget* widget : teamSection_)
    widget->setVisible(expanded);
  const QSize size(content_->width(), expanded ? fullHeight_ : collapsedHeight_);
  content_->resize(size);
  setFixedSize(size);
}

void MainDialog::OpenOutputOptions() {
  OutputOptionsDialog dialog(options_, store_, dialogs_, this);
  dialog.exec();
}

void MainDialog::CompileStats() {
  // Enter reaches here through the default button only while it is enabled,
  // but a run needs a transcript whatever the way in.
  if (running_ || transcripts_->count() == 0) return;
  const QString path =
      dialogs_.AskSaveFile(this, QStringLiteral("Save File(s) with Prefix"), QString(), false);
  if (path.isEmpty()) return;
  lastReply_ = run::MakePrefixReply(ToNative(path));

  std::unique_ptr<compile::CompileRun> compile;
  try {
    std::vector<run::TransRecord> transcripts;
    std::vector<run::TeamFileRecord> teams;
    try {
      transcripts = Records(transcripts_);
    } catch (const std::bad_alloc&) {
      run::ErrorAlert("pCreateTransRecord Error: Out of memory!", kMoreMemory);
    }
    try {
      teams = Records(teams_);
    } catch (const std::bad_alloc&) {
      run::ErrorAlert("pCreateTeamFileRecord Error: Out of memory!", kMoreMemory);
    }
    compile = std::make_unique<compile::CompileRun>(platform_, options_);
    SetRunning(true);
    platform_.SetStopFlag(&compile->control.stopRequested);
    compile::CompileStats(*compile, transcripts, teams, lastReply_);
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
    transcripts_->clear();
    teams_->clear();
    compile_->setEnabled(false);
  }
}

// While a run is under way the window takes no command: no second run, no
// change of its lists, no closing. The run handles events between plays.
void MainDialog::SetRunning(bool running) {
  running_ = running;
  content_->setEnabled(!running);
  if (!running) transcripts_->setFocus();
}

void MainDialog::reject() {
  if (!running_) QDialog::reject();
}

void MainDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
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
