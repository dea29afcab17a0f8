// The main window: the transcript list and the team-file list, the buttons
// that fill them, the output options and Compile Stats, which asks for the
// prefix of the report files and runs the compile.
#pragma once

#include <QDialog>

#include "options/output_options.h"
#include "run/output_files.h"

class QAction;
class QCheckBox;
class QListWidget;
class QPushButton;

namespace yl::shell {

class Dialogs;
class ShellPlatform;

// The open dialogs' filters.
inline QString TranscriptFilter() {
  return QStringLiteral("All Files (*)");
}
inline QString TeamFileFilter() {
  return QStringLiteral("Team Files (*.fbt);;All Files (*)");
}

class MainDialog : public QDialog {
 public:
  enum ControlId {
    kCompileStats = 1,
    kTeamList = 1000,
    kTranscriptList = 1001,
    kAddTranscripts = 1003,
    kRemoveTranscripts = 1004,
    kOutputOptions = 1007,
    kAddTeamFiles = 1008,
    kRemoveTeamFiles = 1009,
    kSeparator = 1029,
    kAddTeams = 1032,
  };

  MainDialog(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
             options::SettingsStore& store, QWidget* parent = nullptr);
  ~MainDialog() override;

  int collapsedHeight() const { return collapsedHeight_; }
  int fullHeight() const { return fullHeight_; }
  bool running() const { return running_; }
  // The program's exit status once the window has closed: 1 after a fatal
  // alert, else 0.
  int exitStatus() const { return exitStatus_; }
  // "About Yardledger...", offered by the window's context menu.
  QAction* aboutAction() const { return about_; }

  // Escape or closing the window ends the program, but not while a run is
  // under way.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AddFiles(QListWidget* list, const QString& filter);
  void RemoveSelected(QListWidget* list);
  void SetExpanded(bool expanded);
  void OpenOutputOptions();
  void CompileStats();
  void SetRunning(bool running);

  ShellPlatform& platform_;
  Dialogs& dialogs_;
  options::OutputOptions& options_;
  options::SettingsStore& store_;

  QWidget* content_;
  QListWidget* transcripts_;
  QListWidget* teams_;
  QPushButton* compile_;
  QPushButton* removeTranscripts_;
  QPushButton* removeTeamFiles_;
  QList<QWidget*> teamSection_;
  QAction* about_;
  int collapsedHeight_ = 0;
  int fullHeight_ = 0;
  bool running_ = false;
  int exitStatus_ = 0;
  run::PrefixReply lastReply_;
};

}  // namespace yl::shell
