// The Output Options dialog: the Top field's validation, the enabling rule,
// Cancel, and OK storing through the settings store.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "gui_support.h"
#include "options/settings_store.h"
#include "scripted_dialogs.h"
#include "shell/options_dialog.h"
#include "support/temp_dir.h"

using yl::shell::OutputOptionsDialog;

namespace {

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void TheLeadersCountTakesEveryPlayerAndRefusesNone_data();
  void TheLeadersCountTakesEveryPlayerAndRefusesNone();
  void TheButtonsAreTheDialogsOwn();
  void LeagueStatsEnablesItsGroupAndKeepsTheCheckMarks();
  void TheTabKeyVisitsTheControlsInOrder();
  void TheCsvAndSiteTicksAreKeptUnderTheirOwnKeys();
  void CancelAfterChangingEverythingChangesNothing_data();
  void CancelAfterChangingEverythingChangesNothing();
  void OkOnTheDefaultsStoresTheDefaultDigits();
  void OpeningShowsTheOptionsAndOkStoresTheChoices();
  void AStoreThatCannotBeWrittenIsReported();

 private:
  void Open();
  const OutputOptionsDialog::Controls& C() const { return dialog_->controls(); }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  QSpinBox* Top() const { return C().top; }

  std::unique_ptr<yl::test::TempDir> dir_;
  std::unique_ptr<yl::options::IniSettingsStore> store_;
  yl::options::OutputOptions options_;
  yl::test::ScriptedDialogs dialogs_;
  std::unique_ptr<OutputOptionsDialog> dialog_;
};

void OptionsDialogTest::init() {
  dir_ = std::make_unique<yl::test::TempDir>();
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("yardledger.conf"));
  options_ = yl::options::OutputOptions();
  dialogs_ = yl::test::ScriptedDialogs();
}

void OptionsDialogTest::cleanup() {
  dialog_.reset();
  store_.reset();
  dir_.reset();
}

void OptionsDialogTest::Open() {
  dialog_ = std::make_unique<OutputOptionsDialog>(options_, *store_, dialogs_, nullptr);
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
}

void OptionsDialogTest::TheLeadersCountTakesEveryPlayerAndRefusesNone_data() {
  QTest::addColumn<int>("stored");     // the count the dialog opens with
  QTest::addColumn<QString>("typed");  // "" types nothing
  QTest::addColumn<bool>("leaders");
  QTest::addColumn<bool>("refused");
  QTest::addColumn<int>("kept");
  QTest::newRow("a number") << 20 << "7" << true << false << 7;
  QTest::newRow("beyond the largest") << 20 << "40000" << true << false << 4000;
  QTest::newRow("every player") << 20 << "-1" << true << false << -1;
  QTest::newRow("none, with League Leaders") << 20 << "0" << true << true << 20;
  QTest::newRow("none, without League Leaders") << 20 << "0" << false << false << 0;
  QTest::newRow("a stored -5 is every player, kept") << -5 << "" << true << false << -5;
}

void OptionsDialogTest::TheLeadersCountTakesEveryPlayerAndRefusesNone() {
  QFETCH(int, stored);
  QFETCH(QString, typed);
  QFETCH(bool, leaders);
  QFETCH(bool, refused);
  QFETCH(int, kept);
  options_.mode = yl::options::ReportMode::kLeague;
  options_.leadersCount = stored;
  Open();
  if (stored < 0) QCOMPARE(Top()->text(), QStringLiteral("Every player"));
  if (!typed.isEmpty()) {
    Top()->selectAll();
    QTest::keyClicks(Top(), typed);
    Top()->interpretText();
  }
  if (C().leagueLeaders->isChecked() != leaders) Click(C().leagueLeaders);
  Click(C().ok);
  QCOMPARE(dialogs_.warnings.size(), refused ? 1 : 0);
  QCOMPARE(dialog_->isVisible(), refused);
  QCOMPARE(options_.leadersCount, kept);
  if (refused) QVERIFY(dialogs_.warnings[0].text.contains("Every player"));
}

void OptionsDialogTest::TheButtonsAreTheDialogsOwn() {
  Open();
  const auto* box = qobject_cast<QDialogButtonBox*>(C().ok->parentWidget());
  QVERIFY(box != nullptr);
  QCOMPARE(box->buttonRole(C().ok), QDialogButtonBox::AcceptRole);
  QCOMPARE(box->buttonRole(C().cancel), QDialogButtonBox::RejectRole);
  QCOMPARE(box->orientation(), Qt::Horizontal);
}

void OptionsDialogTest::LeagueStatsEnablesItsGroupAndKeepsTheCheckMarks() {
  Open();
  const QList<QWidget*> gameGroup = {C().oneFile, C().separateFiles};
  const QList<QWidget*> cumulativeGroup = {C().cumulativePlayerStats, C().cumulativeTeamStats};
  const QList<QWidget*> leagueGroup = {C().leagueTeamStats, C().leagueLeaders, C().top,
                                       C().topLabel, C().playersLabel};
  const auto expectEnabled = [](const QList<QWidget*>& controls, bool enabled) {
    for (const QWidget* control : controls) {
      if (control->isEnabled() != enabled) qWarning("%s", control->metaObject()->className());
      QCOMPARE(control->isEnabled(), enabled);
    }
  };
  expectEnabled(gameGroup, true);
  expectEnabled(cumulativeGroup, false);
  expectEnabled(leagueGroup, false);

  Click(C().leagueStats);
  expectEnabled(gameGroup, false);
  expectEnabled(cumulativeGroup, false);
  expectEnabled(leagueGroup, true);
  // The disabled boxes keep their marks.
  QVERIFY(C().oneFile->isChecked() && !C().separateFiles->isChecked());
  QVERIFY(C().cumulativePlayerStats->isChecked() && C().cumulativeTeamStats->isChecked());

  Click(C().leagueTeamStats);
  Click(C().cumulativeStats);
  expectEnabled(cumulativeGroup, true);
  expectEnabled(leagueGroup, false);
  QVERIFY(!C().leagueTeamStats->isChecked() && C().leagueLeaders->isChecked());
  QVERIFY(!C().gameStats->isChecked() && !C().leagueStats->isChecked());

  Click(C().ok);
  QVERIFY(options_.mode == yl::options::ReportMode::kCumulative);
  QVERIFY(!options_.leagueTeamTables);
  QVERIFY(options_.leagueLeaders);
}

void OptionsDialogTest::TheTabKeyVisitsTheControlsInOrder() {
  Open();
  const QList<QWidget*> expected = {C().gameStats,
                                    C().oneFile,
                                    C().separateFiles,
                                    C().leagueStats,
                                    C().leagueTeamStats,
                                    C().leagueLeaders,
                                    C().top,
                                    C().cumulativeStats,
                                    C().cumulativePlayerStats,
                                    C().cumulativeTeamStats,
                                    C().macintoshFormat,
                                    C().windowsFormat,
                                    C().unixFormat,
                                    C().ok,
                                    C().cancel};
  QCOMPARE(yl::test::FocusOrder(expected), expected);
  // Choosing another report and back leaves each group as its choice says.
  Click(C().leagueStats);
  Click(C().gameStats);
  QVERIFY(C().oneFile->isEnabled() && !C().leagueLeaders->isEnabled());
}

void OptionsDialogTest::TheCsvAndSiteTicksAreKeptUnderTheirOwnKeys() {
  Open();
  QVERIFY(!C().csvTables->isChecked() && !C().webSite->isChecked());
  // A site is a season's: the tick waits for league or cumulative stats.
  QVERIFY(!C().webSite->isEnabled());
  Click(C().leagueStats);
  QVERIFY(C().webSite->isEnabled());
  Click(C().cumulativeStats);
  QVERIFY(C().webSite->isEnabled());
  Click(C().gameStats);
  QVERIFY(!C().webSite->isEnabled());
  Click(C().csvTables);
  QVERIFY(C().csvTables->isChecked());
  Click(C().ok);
  QVERIFY(dialogs_.warnings.isEmpty());
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(store_->ReadValue("CsvTables"), std::optional<std::string>("1"));
  QCOMPARE(store_->ReadValue("WebSite"), std::optional<std::string>("0"));
  // The options record is the same as without the ticks.
  QCOMPARE(store_->ReadOptions(),
           std::optional<std::string>("14000000000101000001010001010000140000000000010001000000"));
  Open();
  QVERIFY(C().csvTables->isChecked());
  Click(C().leagueStats);
  Click(C().webSite);
  Click(C().gameStats);
  Click(C().ok);
  QCOMPARE(store_->ReadValue("WebSite"), std::optional<std::string>("1"));
  Open();
  QVERIFY(C().webSite->isChecked());
  Click(C().csvTables);
  Click(C().cancel);
  QCOMPARE(store_->ReadValue("CsvTables"), std::optional<std::string>("1"));
}

void OptionsDialogTest::CancelAfterChangingEverythingChangesNothing_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Cancel") << false;
  QTest::newRow("Escape") << true;
}

void OptionsDialogTest::CancelAfterChangingEverythingChangesNothing() {
  QFETCH(bool, escape);
  options_.leadersCount = 12;
  QVERIFY(yl::options::SaveOptions(*store_, options_));
  const std::string before = yl::options::EncodeOptionsText(options_);
  const std::optional<std::string> storedBefore = store_->ReadOptions();
  Open();
  Click(C().separateFiles);
  Click(C().cumulativeStats);
  Click(C().cumulativePlayerStats);
  Click(C().cumulativeTeamStats);
  Click(C().leagueStats);
  Click(C().leagueTeamStats);
  Click(C().leagueLeaders);
  Top()->selectAll();
  QTest::keyClicks(Top(), "3");
  Top()->interpretText();
  Click(C().macintoshFormat);
  if (escape)
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  else
    Click(C().cancel);
  QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(yl::options::EncodeOptionsText(options_), before);
  QCOMPARE(store_->ReadOptions(), storedBefore);
}

void OptionsDialogTest::OkOnTheDefaultsStoresTheDefaultDigits() {
  Open();
  Click(C().ok);
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QCOMPARE(store_->ReadOptions(),
           std::optional<std::string>("14000000000101000001010001010000140000000000010001000000"));
}

void OptionsDialogTest::OpeningShowsTheOptionsAndOkStoresTheChoices() {
  options_.mode = yl::options::ReportMode::kCumulative;
  options_.cumulativeTeamTables = false;
  options_.gameLayout = yl::options::FileLayout::kSeparateFiles;
  options_.leadersCount = 7;
  options_.lineEnds = yl::options::LineEnds::kMacintosh;
  Open();
  QVERIFY(C().cumulativeStats->isChecked() && !C().gameStats->isChecked());
  QVERIFY(C().separateFiles->isChecked() && !C().oneFile->isChecked());
  QVERIFY(C().cumulativePlayerStats->isChecked() && !C().cumulativeTeamStats->isChecked());
  QVERIFY(C().macintoshFormat->isChecked());
  QCOMPARE(Top()->text(), QStringLiteral("7"));
  QVERIFY(C().cumulativeTeamStats->isEnabled() && !C().separateFiles->isEnabled());

  yl::options::OutputOptions expected = options_;
  expected.lineEnds = yl::options::LineEnds::kUnix;
  Click(C().unixFormat);
  Click(C().ok);
  const yl::options::LoadedOptions loaded = yl::options::LoadOptions(*store_);
  QVERIFY(loaded.result == yl::options::LoadResult::kStored);
  QVERIFY(loaded.options == expected);
  QVERIFY(options_ == expected);
}

void OptionsDialogTest::AStoreThatCannotBeWrittenIsReported() {
  // The store's folder is a file: nothing can be written there.
  dir_->Write("blocked", "");
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("blocked/yardledger.conf"));
  Open();
  Click(C().unixFormat);
  Click(C().ok);
  QCOMPARE(dialogs_.warnings.size(), 1);
  QVERIFY(dialogs_.warnings[0].text.contains("could not be stored"));
  // The choice still holds for this session.
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QVERIFY(options_.lineEnds == yl::options::LineEnds::kUnix);
}

}  // namespace

YL_GUI_TEST_MAIN(OptionsDialogTest)

#include "options_dialog_test.moc"
