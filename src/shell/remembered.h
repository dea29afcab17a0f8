// What the desktop program keeps between sessions in the settings store,
// beside the options, under keys of its own: the folders its dialogs last
// used, the window's size, the lists the user built, and whether CSV tables
// are written.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "options/output_options.h"

namespace yl::shell {

enum class Place { kTranscripts, kTeamFiles, kReports };

// The main window as the user left it.
struct Session {
  QStringList transcripts;
  QStringList teamFiles;
  bool addTeams = false;
  QSize windowSize;  // invalid when none is known
};

class Remembered {
 public:
  explicit Remembered(options::SettingsStore& store) : store_(store) {}

  // The folder last used for the place, "" when none is known.
  QString Folder(Place place) const;
  void SetFolder(Place place, const QString& folder);

  // Whether CSV tables are written beside the reports.
  bool CsvTables() const;
  bool SetCsvTables(bool write);
  // Whether a season run also writes its web site beside the reports.
  bool WebSite() const;
  bool SetWebSite(bool write);

  // The reports and sites opened or written last, newest first, at most
  // kRecentCount of them, those that still exist.
  static constexpr int kRecentCount = 10;
  QStringList Recent() const;
  // Puts the path first (once).
  bool AddRecent(const QString& path);

  // The files of the lists that still exist.
  Session LoadSession() const;
  bool SaveSession(const Session& session);

 private:
  options::SettingsStore& store_;
};

}  // namespace yl::shell
