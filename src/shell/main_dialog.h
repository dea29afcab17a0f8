// The main window: the transcript list and the team-file list, the buttons
// that fill them, the output options and Compile Stats, which asks for the
// prefix of the report files, runs the compile and shows what it wrote.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>

#include "options/output_options.h"
#include "run/output_files.h"
#include "shell/remembered.h"
#include "shell/run_summary.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace yl::shell {

class Dialogs;
class FileList;
class ShellPlatform;

// The open dialogs' filters.
inline QString TranscriptFilter() {
  return QCoreApplication::translate("MainDialog", "All Files (*)");
}
inline QString TeamFileFilter() {
  return QCoreApplication::translate("MainDialog", "Team Files (*.fbt);;All Files (*)");
}

class MainDialog : public QDialog {
  Q_OBJECT

 public:
  // The window's controls, in their tab order.
  struct Controls {
    FileList* transcripts = nullptr;
    QPushButton* addTranscripts = nullptr;
    QPushButton* removeTranscripts = nullptr;
    QPushButton* outputOptions = nullptr;
    QPushButton* compile = nullptr;
    QCheckBox* addTeams = nullptr;
    QFrame* separator = nullptr;
    QLabel* teamLabel = nullptr;
    FileList* teams = nullptr;
    QPushButton* addTeamFiles = nullptr;
    QPushButton* removeTeamFiles = nullptr;
  };

  // Restores the lists, the Add Teams tick and the size the program was
  // left with.
  MainDialog(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
             options::SettingsStore& store, QWidget* parent = nullptr);
  ~MainDialog() override;

  const Controls& controls() const { return controls_; }
  bool running() const { return running_; }
  // The program's exit status once the window has closed: 1 after a fatal
  // alert, else 0.
  int exitStatus() const { return exitStatus_; }
  // "About Yardledger...", offered by the window's context menu.
  QAction* aboutAction() const { return about_; }
  // The summary of the last completed run while it is open, else nullptr.
  RunSummary* summary() const { return summary_; }

  // Escape or closing the window ends the program, but not while a run is
  // under way.
  void reject() override;
  // Keeps the lists, the tick and the size for the next session, then ends.
  void done(int result) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildControls();
  void AddFiles(FileList* list, const QString& filter, Place place);
  void ListsChanged();
  void SetExpanded(bool expanded);
  void OpenOutputOptions();
  void CompileStats();
  void SetRunning(bool running);

  ShellPlatform& platform_;
  Dialogs& dialogs_;
  options::OutputOptions& options_;
  options::SettingsStore& store_;
  Remembered remembered_;

  Controls controls_;
  QWidget* content_ = nullptr;
  QWidget* teamSection_ = nullptr;
  QAction* about_ = nullptr;
  QPointer<RunSummary> summary_;
  bool running_ = false;
  bool quitAfterRun_ = false;
  int exitStatus_ = 0;
  run::PrefixReply lastReply_;
};

}  // namespace yl::shell
