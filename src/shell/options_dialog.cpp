// The Output Options dialog.
#include "shell/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/dialog_layout.h"
#include "shell/dialogs.h"
#include "shell/program.h"

namespace yl::shell {

namespace {

QFrame* EtchedFrame(QWidget* parent, const DialogUnits& units, int x, int y, int w, int h) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Place(frame, units, x, y, w, h);
  return frame;
}

}  // namespace

TopNumber ReadTopNumber(const QString& text) {
  // An optional sign and digits, blanks around them allowed.
  const QString trimmed = text.trimmed();
  qsizetype at = 0;
  if (at < trimmed.size() && (trimmed[at] == u'+' || trimmed[at] == u'-')) ++at;
  if (at == trimmed.size()) return {};
  for (qsizetype i = at; i < trimmed.size(); ++i) {
    if (trimmed[i] < u'0' || trimmed[i] > u'9') return {};
  }
  bool fits = false;
  const long long value = trimmed.toLongLong(&fits);
  if (!fits || value < kTopMinimum || value > kTopMaximum) return {TopNumber::kOutOfRange, 0};
  return {TopNumber::kNumber, static_cast<int>(value)};
}

OutputOptionsDialog::OutputOptionsDialog(options::OutputOptions& options,
                                         options::SettingsStore& store, Dialogs& dialogs,
                                         QWidget* parent)
    : QDialog(parent),
      options_(options),
      store_(store),
      dialogs_(dialogs),
      copy_(options),
      units_(font()) {
  // Dialog 136: 242 × 126 dialog units.
  const DialogUnits& units = units_;
  setWindowTitle(QStringLiteral("Output Options"));
  setFixedSize(units.X(242), units.Y(126));

  // The three report groups, each in its etched frame.
  EtchedFrame(this, units, 5, 4, 115, 38);
  EtchedFrame(this, units, 126, 4, 111, 79);
  EtchedFrame(this, units, 5, 46, 115, 37);
  auto* reports = new QButtonGroup(this);
  auto* layouts = new QButtonGroup(this);
  formats_ = new QButtonGroup(this);

  reports->addButton(Check(kGameStats, "Game Stats", copy_.gameStats, 10, 8), kGameStats);
  layouts->addButton(Check(kOneFile, "Output to One File", copy_.oneFile, 20, 19));
  layouts->addButton(
      Check(kSeparateFiles, "Output to Separate Files", copy_.separateFiles, 20, 29));

  reports->addButton(Check(kLeagueStats, "League Stats", copy_.leagueStats, 131, 8), kLeagueStats);
  Check(kLeagueTeamStats, "Team Stats", copy_.leagueTeamStats, 141, 19);
  Check(kLeagueLeaders, "League Leaders", copy_.leagueLeaders, 141, 29);
  auto* topLabel = new QLabel(QStringLiteral("Top"), this);
  SetControlId(topLabel, kTopLabel);
  PlaceAt(topLabel, units, 141, 44);
  top_ = new QLineEdit(QString::number(copy_.leadersCount), this);
  SetControlId(top_, kTopField);
  Place(top_, units, 158, 42, 30, 12);
  auto* playersLabel = new QLabel(QStringLiteral("Players"), this);
  SetControlId(playersLabel, kPlayersLabel);
  PlaceAt(playersLabel, units, 192, 44);

  reports->addButton(Check(kCumulativeStats, "Cumulative Stats", copy_.cumulativeStats, 10, 50),
                     kCumulativeStats);
  Check(kCumulativePlayerStats, "Player Stats", copy_.cumulativePlayerStats, 20, 61);
  Check(kCumulativeTeamStats, "Team Stats", copy_.cumulativeTeamStats, 20, 71);

  auto* format = new QGroupBox(QStringLiteral("File Format"), this);
  Place(format, units, 5, 87, 150, 34);
  formats_->addButton(
      Check(kMacintosh, "Macintosh", copy_.fileFormat == options::kMacintosh, 12, 102),
      options::kMacintosh);
  formats_->addButton(Check(kWindows, "Windows", copy_.fileFormat == options::kWindows, 64, 102),
                      options::kWindows);
  formats_->addButton(Check(kUnix, "Unix", copy_.fileFormat == options::kUnix, 114, 102),
                      options::kUnix);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, kOk);
  ok->setDefault(true);
  Place(ok, units, 187, 89, 50, 14);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  SetControlId(cancel, kCancel);
  Place(cancel, units, 187, 107, 50, 14);
  connect(ok, &QPushButton::clicked, this, &OutputOptionsDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &OutputOptionsDialog::reject);

  connect(reports, &QButtonGroup::idClicked, this, &OutputOptionsDialog::ChooseReport);
  connect(FindControl<QAbstractButton>(this, kOneFile), &QAbstractButton::clicked, this, [this] {
    copy_.oneFile = 1;
    copy_.separateFiles = 0;
  });
  connect(FindControl<QAbstractButton>(this, kSeparateFiles), &QAbstractButton::clicked, this,
          [this] {
            copy_.oneFile = 0;
            copy_.separateFiles = 1;
          });
  ApplyEnablingRule();
}

QAbstractButton* OutputOptionsDialog::Check(int id, const QString& text, bool checked, int x,
                                            int y) {
  const bool radio = id == kGameStats || id == kOneFile || id == kSeparateFiles ||
                     id == kLeagueStats || id == kCumulativeStats || id == kMacintosh ||
                     id == kWindows || id == kUnix;
  QAbstractButton* button = radio ? static_cast<QAbstractButton*>(new QRadioButton(text, this))
                                  : new QCheckBox(text, this);
  button->setAutoExclusive(false);  // the button groups decide
  button->setChecked(checked);
  SetControlId(button, id);
  PlaceAt(button, units_, x, y, 10);
  return button;
}

void OutputOptionsDialog::ChooseReport(int id) {
  copy_.gameStats = id == kGameStats ? 1 : 0;
  copy_.leagueStats = id == kLeagueStats ? 1 : 0;
  copy_.cumulativeStats = id == kCumulativeStats ? 1 : 0;
  ApplyEnablingRule();
}

// Controls of a report kind that is not chosen are disabled; their settings
// stay as they are for later.
void OutputOptionsDialog::ApplyEnablingRule() {
  for (const int id : {kOneFile, kSeparateFiles})
    FindControl(this, id)->setEnabled(copy_.gameStats != 0);
  for (const int id : {kCumulativePlayerStats, kCumulativeTeamStats})
    FindControl(this, id)->setEnabled(copy_.cumulativeStats != 0);
  for (const int id : {kLeagueTeamStats, kLeagueLeaders, kTopField, kTopLabel, kPlayersLabel})
    FindControl(this, id)->setEnabled(copy_.leagueStats != 0);
}

bool OutputOptionsDialog::Checked(int id) const {
  return FindControl<QAbstractButton>(this, id)->isChecked();
}

void OutputOptionsDialog::accept() {
  copy_.oneFile = Checked(kOneFile) ? 1 : 0;
  copy_.separateFiles = Checked(kSeparateFiles) ? 1 : 0;
  copy_.cumulativePlayerStats = Checked(kCumulativePlayerStats) ? 1 : 0;
  copy_.cumulativeTeamStats = Checked(kCumulativeTeamStats) ? 1 : 0;
  copy_.leagueTeamStats = Checked(kLeagueTeamStats) ? 1 : 0;
  copy_.leagueLeaders = Checked(kLeagueLeaders) ? 1 : 0;

  const TopNumber top = ReadTopNumber(top_->text());
  if (top.verdict != TopNumber::kNumber) {
    const QString message = top.verdict == TopNumber::kNotInteger
                                ? QStringLiteral("Please enter an integer.")
                                : QStringLiteral("Please enter an integer between %1 and %2.")
                                      .arg(kTopMinimum)
                                      .arg(kTopMaximum);
    dialogs_.ShowWarning(this, ProgramTitle(), message);
    top_->setFocus();
    top_->selectAll();
    return;
  }
  copy_.leadersCount = top.value;
  // With no format chosen (a stored value out of range) the stored one stays.
  if (formats_->checkedId() >= 0) copy_.fileFormat = formats_->checkedId();

  options_ = copy_;
  if (!options::SaveOptions(store_, options_)) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         QStringLiteral("The output options could not be stored; they apply "
                                        "until the program ends."));
  }
  QDialog::accept();
}

}  // namespace yl::shell
