// The results window: a finished run's standings, players, team totals,
// leader tables and games in sortable tables, narrowed by one filter, and
// the table in view exported as CSV.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "shell/results_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace yl::shell {

class Dialogs;

class ResultsWindow : public QWidget {
  Q_OBJECT

 public:
  // The tabs, in order.
  enum class Tab { kStandings, kPlayers, kTeams, kLeaders, kGames };
  static constexpr std::size_t kTabCount = 5;

  ResultsWindow(ResultsData data, Dialogs& dialogs, QWidget* parent = nullptr);

  const ResultsData& data() const { return data_; }
  QTabWidget* tabs() const { return tabs_; }
  QLineEdit* filterField() const { return filter_; }
  QPushButton* exportButton() const { return export_; }
  QComboBox* sectionChooser() const { return sections_; }
  QComboBox* leaderChooser() const { return leaders_; }
  QLabel* leaderMinimum() const { return minimum_; }
  QTableView* view(Tab tab) const { return pages_[Index(tab)].view; }
  // The text shown instead of the tab's table when the run has nothing for
  // it (hidden otherwise).
  QLabel* emptyText(Tab tab) const { return pages_[Index(tab)].empty; }

  // The current tab's table as it is shown (filtered and sorted), its
  // header words first.
  std::vector<QStringList> VisibleRows() const;
  // Asks for a new file and writes VisibleRows() to it as CSV; never
  // replaces a file. False when cancelled, refused or failed (after a
  // warning naming the file).
  bool ExportVisibleTable();

 signals:
  // A game's row was double-clicked: its transcript as the run was given it.
  void gameActivated(const QString& transcript);

 private:
  struct Page {
    QTableView* view = nullptr;
    ResultsModel* model = nullptr;
    ResultsFilter* filter = nullptr;
    QLabel* empty = nullptr;
  };
  static std::size_t Index(Tab tab) { return static_cast<std::size_t>(tab); }

  QWidget* MakePage(Tab tab, QWidget* chooserRow, const QString& emptyText);
  void ShowTable(Tab tab, ResultsTable table);
  void ShowSection(int section);
  void ShowLeaderTable(int table);
  QString ProposedName() const;

  ResultsData data_;
  Dialogs& dialogs_;
  QLineEdit* filter_;
  QPushButton* export_;
  QTabWidget* tabs_;
  QComboBox* sections_ = nullptr;
  QComboBox* leaders_ = nullptr;
  QLabel* minimum_ = nullptr;
  std::array<Page, kTabCount> pages_;
};

}  // namespace yl::shell
