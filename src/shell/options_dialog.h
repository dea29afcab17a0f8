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
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace yl::shell {

class Dialogs;

// The Top field's text read as the number of players per leader table.
struct TopNumber {
  enum Verdict { kNumber, kNotInteger, kOutOfRange };
  Verdict verdict = kNotInteger;
  int value = 0;
};
constexpr int kTopMinimum = 0;
constexpr int kTopMaximum = 32767;
TopNumber ReadTopNumber(const QString& text);

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
    QLineEdit* top = nullptr;
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

  // OK: validates the Top field, then replaces and stores the options (and,
  // under its own key, the CSV tick).
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
