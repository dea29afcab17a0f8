// The window that follows a completed run: what it compiled, the files it
// wrote, and the way to them (the viewer, the file manager).
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace yl::shell {

class Dialogs;
class ReportViewer;

// What a completed run leaves for the user to see.
struct RunOutcome {
  int gamesCompiled = 0;
  int gamesRejected = 0;
  int logEntries = 0;
  QStringList reportFiles;  // in the order written
  QString errorLog;         // the saved error log, "" when none was saved
  QString webSite;          // the site's index page, "" when the run wrote none
  QStringList rejected;     // the rejected transcripts' names, in order
  bool results = false;     // the run's figures can be shown in the results window
};

// "3 games compiled, 0 rejected, 1 line not understood".
QString DescribeOutcome(const RunOutcome& outcome);

class RunSummary : public QWidget {
  Q_OBJECT

 public:
  RunSummary(const RunOutcome& outcome, Dialogs& dialogs, QWidget* parent);

  QLabel* heading() const { return heading_; }
  QListWidget* files() const { return files_; }
  QPushButton* openReportButton() const { return openReport_; }
  QPushButton* showInFolderButton() const { return showInFolder_; }
  // nullptr when the run saved no error log.
  QPushButton* openErrorLogButton() const { return openErrorLog_; }
  // nullptr when the run wrote no web site.
  QPushButton* openWebSiteButton() const { return openWebSite_; }
  // nullptr when the run has no results to show.
  QPushButton* showResultsButton() const { return showResults_; }

  // Opens the file in a new viewer window; nullptr (after a warning) when it
  // cannot be read.
  ReportViewer* View(const QString& path);

 signals:
  void resultsRequested();

 private:
  QString SelectedFile() const;

  Dialogs& dialogs_;
  QLabel* heading_;
  QListWidget* files_;
  QPushButton* openReport_;
  QPushButton* showInFolder_;
  QPushButton* openErrorLog_ = nullptr;
  QPushButton* openWebSite_ = nullptr;
  QPushButton* showResults_ = nullptr;
};

}  // namespace yl::shell
