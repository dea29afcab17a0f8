// The Output Options dialog: edits a copy of the options and, on OK, makes
// it the options of the program and stores it in the settings store.
#pragma once

#include <QDialog>
#include <QString>

#include "options/output_options.h"
#include "shell/dialog_layout.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
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
 public:
  enum ControlId {
    kOk = 1,
    kCancel = 2,
    kGameStats = 1007,
    kOneFile = 1008,
    kSeparateFiles = 1009,
    kLeagueStats = 1010,
    kMacintosh = 1012,
    kWindows = 1013,
    kUnix = 1014,
    kLeagueTeamStats = 1016,
    kLeagueLeaders = 1017,
    kCumulativeStats = 1018,
    kCumulativePlayerStats = 1019,
    kCumulativeTeamStats = 1020,
    kTopField = 1021,
    kTopLabel = 1022,
    kPlayersLabel = 1023,
  };

  OutputOptionsDialog(options::OutputOptions& options, options::SettingsStore& store,
                      Dialogs& dialogs, QWidget* parent);

  // OK: validates the Top field, then replaces and stores the options.
  void accept() override;

 private:
  QAbstractButton* Check(int id, const QString& text, bool checked, int x, int y);
  void ChooseReport(int id);
  void ApplyEnablingRule();
  bool Checked(int id) const;

  options::OutputOptions& options_;
  options::SettingsStore& store_;
  Dialogs& dialogs_;
  options::OutputOptions copy_;
  DialogUnits units_;
  QLineEdit* top_;
  QButtonGroup* formats_;
};

}  // namespace yl::shell
