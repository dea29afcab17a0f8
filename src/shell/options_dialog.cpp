// The Output Options dialog.
#include "shell/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs.h"
#include "shell/program.h"
#include "shell/remembered.h"

namespace yl::shell {

namespace {

// A report kind's group: its choice, then its settings indented under it.
QFrame* ReportGroup(QWidget* parent, QAbstractButton* choice, const QList<QWidget*>& settings,
                    QLayout* more = nullptr) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* layout = new QVBoxLayout(frame);
  // As wide as its text: all of the button is then a place to click.
  layout->addWidget(choice, 0, Qt::AlignLeft);
  const QStyle* style = choice->style();
  const int indent = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, choice) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, choice);
  const auto indented = [&](auto add) {
    auto* row = new QHBoxLayout;
    row->addSpacing(indent);
    add(row);
    row->addStretch(1);
    layout->addLayout(row);
  };
  for (QWidget* setting : settings)
    indented([setting](QHBoxLayout* row) { row->addWidget(setting); });
  if (more != nullptr) indented([more](QHBoxLayout* row) { row->addLayout(more); });
  layout->addStretch(1);
  return frame;
}

}  // namespace

OutputOptionsDialog::OutputOptionsDialog(options::OutputOptions& options,
                                         options::SettingsStore& store, Dialogs& dialogs,
                                         QWidget* parent)
    : QDialog(parent), options_(options), store_(store), dialogs_(dialogs), copy_(options) {
  setWindowTitle(tr("Output Options"));
  Controls& c = controls_;
  // Radio buttons behave as the button groups decide.
  const auto radio = [this](const QString& text, bool checked) {
    auto* button = new QRadioButton(text, this);
    button->setAutoExclusive(false);
    button->setChecked(checked);
    return button;
  };
  const auto check = [this](const QString& text, bool checked) {
    auto* box = new QCheckBox(text, this);
    box->setChecked(checked);
    return box;
  };

  // Made in the tab order.
  using options::FileLayout;
  using options::LineEnds;
  using options::ReportMode;
  c.gameStats = radio(tr("Game Stats"), copy_.mode == ReportMode::kGame);
  c.oneFile = radio(tr("Output to One File"), copy_.gameLayout == FileLayout::kOneFile);
  c.separateFiles =
      radio(tr("Output to Separate Files"), copy_.gameLayout == FileLayout::kSeparateFiles);
  c.leagueStats = radio(tr("League Stats"), copy_.mode == ReportMode::kLeague);
  c.leagueTeamStats = check(tr("Team Stats"), copy_.leagueTeamTables);
  c.leagueLeaders = check(tr("League Leaders"), copy_.leagueLeaders);
  c.topLabel = new QLabel(tr("Top"), this);
  c.top = new QSpinBox(this);
  c.top->setRange(-1, kTopMaximum);
  c.top->setSpecialValueText(tr("Every player"));
  // Any count below zero lists every player.
  c.top->setValue(std::max(copy_.leadersCount, -1));
  c.topLabel->setBuddy(c.top);
  c.playersLabel = new QLabel(tr("Players"), this);
  c.cumulativeStats = radio(tr("Cumulative Stats"), copy_.mode == ReportMode::kCumulative);
  c.cumulativePlayerStats = check(tr("Player Stats"), copy_.cumulativePlayerTables);
  c.cumulativeTeamStats = check(tr("Team Stats"), copy_.cumulativeTeamTables);
  auto* format = new QGroupBox(tr("File Format"), this);
  c.macintoshFormat = radio(tr("Macintosh"), copy_.lineEnds == LineEnds::kMacintosh);
  c.windowsFormat = radio(tr("Windows"), copy_.lineEnds == LineEnds::kWindows);
  c.unixFormat = radio(tr("Unix"), copy_.lineEnds == LineEnds::kUnix);
  c.csvTables = check(tr("Also write CSV tables"), Remembered(store_).CsvTables());
  c.csvTables->setToolTip(tr("The figures as CSV tables, beside the report files"));
  c.webSite = check(tr("Also write a web site"), Remembered(store_).WebSite());
  c.webSite->setToolTip(
      tr("League and cumulative stats: the season as a web site, in a folder beside the report "
         "files (NAME-site)"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  c.ok = buttons->button(QDialogButtonBox::Ok);
  c.cancel = buttons->button(QDialogButtonBox::Cancel);
  c.ok->setDefault(true);

  auto* topRow = new QHBoxLayout;
  topRow->addWidget(c.topLabel);
  topRow->addWidget(c.top);
  topRow->addWidget(c.playersLabel);
  topRow->addStretch(1);
  QFrame* game = ReportGroup(this, c.gameStats, {c.oneFile, c.separateFiles});
  QFrame* league = ReportGroup(this, c.leagueStats, {c.leagueTeamStats, c.leagueLeaders}, topRow);
  QFrame* cumulative =
      ReportGroup(this, c.cumulativeStats, {c.cumulativePlayerStats, c.cumulativeTeamStats});
  auto* formatColumn = new QVBoxLayout(format);
  // Each as wide as its text, as in the groups above.
  for (QRadioButton* button : {c.macintoshFormat, c.windowsFormat, c.unixFormat})
    formatColumn->addWidget(button, 0, Qt::AlignLeft);
  formatColumn->addStretch(1);

  // Two groups a row, of like heights; the ticks and the buttons across.
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->addWidget(game, 0, 0);
  grid->addWidget(league, 0, 1);
  grid->addWidget(cumulative, 1, 0);
  grid->addWidget(format, 1, 1);
  grid->addWidget(c.csvTables, 2, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(c.webSite, 3, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(buttons, 4, 0, 1, 2);

  const QList<QWidget*> tabOrder = {c.gameStats,
                                    c.oneFile,
                                    c.separateFiles,
                                    c.leagueStats,
                                    c.leagueTeamStats,
                                    c.leagueLeaders,
                                    c.top,
                                    c.cumulativeStats,
                                    c.cumulativePlayerStats,
                                    c.cumulativeTeamStats,
                                    c.macintoshFormat,
                                    c.windowsFormat,
                                    c.unixFormat,
                                    c.csvTables,
                                    c.webSite,
                                    c.ok,
                                    c.cancel};
  for (qsizetype i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1], tabOrder[i]);

  auto* reports = new QButtonGroup(this);
  for (QRadioButton* report : {c.gameStats, c.leagueStats, c.cumulativeStats})
    reports->addButton(report);
  auto* layouts = new QButtonGroup(this);
  layouts->addButton(c.oneFile);
  layouts->addButton(c.separateFiles);
  formats_ = new QButtonGroup(this);
  formats_->addButton(c.macintoshFormat, static_cast<int>(LineEnds::kMacintosh));
  formats_->addButton(c.windowsFormat, static_cast<int>(LineEnds::kWindows));
  formats_->addButton(c.unixFormat, static_cast<int>(LineEnds::kUnix));

  connect(buttons, &QDialogButtonBox::accepted, this, &OutputOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OutputOptionsDialog::reject);
  connect(reports, &QButtonGroup::buttonClicked, this, &OutputOptionsDialog::ChooseReport);
  connect(c.oneFile, &QAbstractButton::clicked, this,
          [this] { copy_.gameLayout = options::FileLayout::kOneFile; });
  connect(c.separateFiles, &QAbstractButton::clicked, this,
          [this] { copy_.gameLayout = options::FileLayout::kSeparateFiles; });
  ApplyEnablingRule();
}

void OutputOptionsDialog::ChooseReport(QAbstractButton* report) {
  const Controls& c = controls_;
  copy_.mode = report == c.gameStats     ? options::ReportMode::kGame
               : report == c.leagueStats ? options::ReportMode::kLeague
                                         : options::ReportMode::kCumulative;
  ApplyEnablingRule();
}

// Controls of a report kind that is not chosen are disabled; their settings
// stay as they are for later.
void OutputOptionsDialog::ApplyEnablingRule() {
  const Controls& c = controls_;
  using options::ReportMode;
  for (QWidget* control : {c.oneFile, c.separateFiles})
    control->setEnabled(copy_.mode == ReportMode::kGame);
  for (QWidget* control : {c.cumulativePlayerStats, c.cumulativeTeamStats})
    control->setEnabled(copy_.mode == ReportMode::kCumulative);
  for (QWidget* control : std::initializer_list<QWidget*>{c.leagueTeamStats, c.leagueLeaders, c.top,
                                                          c.topLabel, c.playersLabel})
    control->setEnabled(copy_.mode == ReportMode::kLeague);
  // A site is a season's.
  c.webSite->setEnabled(copy_.mode == ReportMode::kLeague || copy_.mode == ReportMode::kCumulative);
}

void OutputOptionsDialog::accept() {
  const Controls& c = controls_;
  copy_.gameLayout = c.separateFiles->isChecked() ? options::FileLayout::kSeparateFiles
                                                  : options::FileLayout::kOneFile;
  copy_.cumulativePlayerTables = c.cumulativePlayerStats->isChecked();
  copy_.cumulativeTeamTables = c.cumulativeTeamStats->isChecked();
  copy_.leagueTeamTables = c.leagueTeamStats->isChecked();
  copy_.leagueLeaders = c.leagueLeaders->isChecked();

  // League Leaders of no players would be no tables at all (other report
  // kinds leave the count alone).
  if (copy_.mode == options::ReportMode::kLeague && copy_.leagueLeaders && c.top->value() == 0) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("League Leaders needs at least one player per table: enter a number "
                            "of players, or choose Every player, or untick League Leaders."));
    c.top->setFocus();
    c.top->selectAll();
    return;
  }
  // A count below -1 read from the store means every player too: kept as it is.
  if (c.top->value() != std::max(copy_.leadersCount, -1)) copy_.leadersCount = c.top->value();
  copy_.lineEnds = static_cast<options::LineEnds>(formats_->checkedId());

  options_ = copy_;
  // The ticks are kept apart from the stored options record.
  const bool csvKept = Remembered(store_).SetCsvTables(c.csvTables->isChecked());
  const bool siteKept = Remembered(store_).SetWebSite(c.webSite->isChecked());
  if (!options::SaveOptions(store_, options_) || !csvKept || !siteKept) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("The output options could not be stored; they apply "
                            "until the program ends."));
  }
  QDialog::accept();
}

}  // namespace yl::shell
