// The main window: the transcript list and the team-file list, the buttons
// that fill them, the output options and Compile Stats, which asks for the
// prefix of the report files, runs the compile and shows what it wrote; a
// menu bar with the same commands and the ways to earlier results.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "options/output_options.h"
#include "run/output_files.h"
#include "shell/remembered.h"
#include "shell/results_window.h"
#include "shell/run_summary.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace yl::compile {
struct CompileRun;
}

namespace yl::shell {

class Dialogs;
class FileList;
class ReportViewer;
class ShellPlatform;

// The open dialogs' filters.
inline QString TranscriptFilter() {
  return QCoreApplication::translate("MainWindow", "All Files (*)");
}
inline QString TeamFileFilter() {
  return QCoreApplication::translate("MainWindow", "Team Files (*.fbt);;All Files (*)");
}

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The window's controls, in their tab order.
  struct Controls {
    FileList* transcripts = nullptr;
    QLabel* transcriptCount = nullptr;  // "12 transcripts"
    QPushButton* addTranscripts = nullptr;
    QPushButton* removeTranscripts = nullptr;
    QPushButton* outputOptions = nullptr;
    QPushButton* compile = nullptr;
    QCheckBox* addTeams = nullptr;
    QFrame* separator = nullptr;
    QLabel* teamLabel = nullptr;
    FileList* teams = nullptr;
    QLabel* teamCount = nullptr;
    QPushButton* addTeamFiles = nullptr;
    QPushButton* removeTeamFiles = nullptr;
  };
  // The menu bar's commands.
  struct Actions {
    QAction* addTranscripts = nullptr;
    QAction* addTeamFiles = nullptr;
    QAction* openReport = nullptr;
    QMenu* openRecent = nullptr;
    QAction* clearLists = nullptr;
    QAction* quit = nullptr;
    QAction* compile = nullptr;
    QAction* outputOptions = nullptr;
    QAction* results = nullptr;
    QAction* webSite = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
  };

  // Restores the lists, the Add Teams tick and the size the program was
  // left with.
  MainWindow(ShellPlatform& platform, Dialogs& dialogs, options::OutputOptions& options,
             options::SettingsStore& store, QWidget* parent = nullptr);
  ~MainWindow() override;

  const Controls& controls() const { return controls_; }
  const Actions& actions() const { return actions_; }
  bool running() const { return running_; }
  QAction* aboutAction() const { return actions_.about; }
  // The summary of the last completed run while it is open, else nullptr.
  RunSummary* summary() const { return summary_; }
  // The results of the last completed run while their window is open.
  ResultsWindow* results() const { return results_; }
  // Opens (or raises) the last completed run's results; nullptr when no run
  // has completed in this session.
  ResultsWindow* ShowResults();

  // Opens the file in a viewer window placed over this one; nullptr (after
  // a warning naming the file and the reason) when it cannot be read.
  ReportViewer* View(const QString& path);

 protected:
  // Closing ends the program, but during a run only once the user agreed to
  // stop it and it has stopped; the lists, the tick and the size are kept
  // for the next session.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void AddFiles(FileList* list, const QString& filter, Place place);
  void ListsChanged();
  void SetExpanded(bool expanded);
  void OpenOutputOptions();
  void CompileStats();
  void SetRunning(bool running);
  void RunEnded(const compile::CompileRun& compile);
  void SaveSession();
  void OpenReport();
  void AddRecent(const QString& path);
  void FillRecentMenu();
  void OpenRecent(const QString& path);
  void OpenWebSite(const QString& index);
  void OpenGame(const QString& transcript);
  void ShowHelp();
  void ShowAbout();

  ShellPlatform& platform_;
  Dialogs& dialogs_;
  options::OutputOptions& options_;
  options::SettingsStore& store_;
  Remembered remembered_;

  Controls controls_;
  Actions actions_;
  QWidget* content_ = nullptr;
  QWidget* teamSection_ = nullptr;
  QPointer<RunSummary> summary_;
  QPointer<ResultsWindow> results_;
  std::shared_ptr<const ResultsData> lastResults_;
  QString lastWebSite_;  // the index page of the last run's site, "" when none
  bool running_ = false;
  bool quitAfterRun_ = false;
  run::PrefixReply lastReply_;
};

}  // namespace yl::shell
