// The Output Options dialog: edits a copy of the options and, on OK, makes
// it the options of the program and stores it in the settings store.
#pragma once

#include <QDialog>
#include <QString>

#include "options/output_options.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace yl::shell {

class Dialogs;

// The most players a leader table may list; -1 lists every player.
constexpr int kTopMaximum = 32767;

class OutputOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // The dialog's controls, in their tab order.
  struct Controls {
    QRadioButton* gameStats = nullptr;
    QRadioButton* oneFile = nullptr;
    QRadioButton* separateFiles = nullptr;
    QRadioButton* leagueStats = nullptr;
    QCheckBox* leagueTeamStats = nullptr;
    QCheckBox* leagueLeaders = nullptr;
    QLabel* topLabel = nullptr;
    QSpinBox* top = nullptr;  // -1 shows "Every player"
    QLabel* playersLabel = nullptr;
    QRadioButton* cumulativeStats = nullptr;
    QCheckBox* cumulativePlayerStats = nullptr;
    QCheckBox* cumulativeTeamStats = nullptr;
    QRadioButton* macintoshFormat = nullptr;
    QRadioButton* windowsFormat = nullptr;
    QRadioButton* unixFormat = nullptr;
    QCheckBox* csvTables = nullptr;
    QCheckBox* webSite = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
  };

  OutputOptionsDialog(options::OutputOptions& options, options::SettingsStore& store,
                      Dialogs& dialogs, QWidget* parent);

  const Controls& controls() const { return controls_; }

  // OK: refuses no players at all while League Leaders is ticked, else
  // replaces and stores the options (and, under their own keys, the CSV and
  // site ticks).
  void accept() override;

 private:
  void ChooseReport(QAbstractButton* report);
  void ApplyEnablingRule();

  options::OutputOptions& options_;
  options::SettingsStore& store_;
  Dialogs& dialogs_;
  options::OutputOptions copy_;
  Controls controls_;
  QButtonGroup* formats_;
};

}  // namespace yl::shell
