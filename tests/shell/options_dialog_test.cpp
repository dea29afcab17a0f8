// The Output Options dialog: the Top field's validation, the enabling rule,
// Cancel, and OK storing through the settings store.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui_support.h"
#include "options/settings_store.h"
#include "scripted_dialogs.h"
#include "shell/options_dialog.h"
#include "support/temp_dir.h"

using yl::shell::OutputOptionsDialog;
using yl::test::Find;
using Id = OutputOptionsDialog::ControlId;

namespace {

class OptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void TheTopFieldIsValidatedOnOk_data();
  void TheTopFieldIsValidatedOnOk();
  void LeagueStatsEnablesItsGroupAndKeepsTheCheckMarks();
  void CancelAfterChangingEverythingChangesNothing_data();
  void CancelAfterChangingEverythingChangesNothing();
  void OkOnTheDefaultsStoresTheDefaultDigits();
  void OpeningShowsTheOptionsAndOkStoresTheChoices();
  void AStoreThatCannotBeWrittenIsReported();

 private:
  void Open();
  void Click(int id) {
    QTest::mouseClick(Find<QAbstractButton>(dialog_.get(), id), Qt::LeftButton);
  }
  bool Checked(int id) const { return Find<QAbstractButton>(dialog_.get(), id)->isChecked(); }
  bool Enabled(int id) const { return Find<QWidget>(dialog_.get(), id)->isEnabled(); }
  QLineEdit* Top() const { return Find<QLineEdit>(dialog_.get(), Id::kTopField); }

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

void OptionsDialogTest::TheTopFieldIsValidatedOnOk_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");  // "" when accepted
  QTest::addColumn<int>("stored");
  const QString integer = QStringLiteral("Please enter an integer.");
  const QString range = QStringLiteral("Please enter an integer between 0 and 32767.");
  QTest::newRow("40000") << "40000" << range << 0;
  QTest::newRow("-1") << "-1" << range << 0;
  QTest::newRow("beyond every integer") << "99999999999999999999" << range << 0;
  QTest::newRow("letters") << "ten" << integer << 0;
  QTest::newRow("empty") << "" << integer << 0;
  QTest::newRow("trailing letter") << "12x" << integer << 0;
  QTest::newRow("lone sign") << "-" << integer << 0;
  QTest::newRow("blanks around") << " 7 "
                                 << "" << 7;
  QTest::newRow("zero") << "0"
                        << "" << 0;
  QTest::newRow("largest") << "32767"
                           << "" << 32767;
}

void OptionsDialogTest::TheTopFieldIsValidatedOnOk() {
  QFETCH(QString, typed);
  QFETCH(QString, message);
  QFETCH(int, stored);
  options_.gameStats = 0;
  options_.leagueStats = 1;
  Open();
  Top()->clear();
  QTest::keyClicks(Top(), typed);
  Click(Id::kOk);
  if (message.isEmpty()) {
    QVERIFY(dialogs_.warnings.isEmpty());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(options_.leadersCount, stored);
    QVERIFY(store_->ReadOptions().has_value());
    return;
  }
  QCOMPARE(dialogs_.warnings.size(), 1);
  QCOMPARE(dialogs_.warnings[0].text, message);
  QCOMPARE(dialogs_.warnings[0].title, QStringLiteral("Yardledger"));
  QVERIFY(dialog_->isVisible());
  QVERIFY(Top()->hasFocus());
  QCOMPARE(options_.leadersCount, 20);
  QVERIFY(!store_->ReadOptions().has_value());
}

void OptionsDialogTest::LeagueStatsEnablesItsGroupAndKeepsTheCheckMarks() {
  const QList<int> gameGroup = {Id::kOneFile, Id::kSeparateFiles};
  const QList<int> cumulativeGroup = {Id::kCumulativePlayerStats, Id::kCumulativeTeamStats};
  const QList<int> leagueGroup = {Id::kLeagueTeamStats, Id::kLeagueLeaders, Id::kTopField,
                                  Id::kTopLabel, Id::kPlayersLabel};
  const auto expectEnabled = [this](const QList<int>& ids, bool enabled) {
    for (const int id : ids) {
      if (Enabled(id) != enabled) qWarning("control %d", id);
      QCOMPARE(Enabled(id), enabled);
    }
  };
  Open();
  expectEnabled(gameGroup, true);
  expectEnabled(cumulativeGroup, false);
  expectEnabled(leagueGroup, false);

  Click(Id::kLeagueStats);
  expectEnabled(gameGroup, false);
  expectEnabled(cumulativeGroup, false);
  expectEnabled(leagueGroup, true);
  // The disabled boxes keep their marks.
  QVERIFY(Checked(Id::kOneFile) && !Checked(Id::kSeparateFiles));
  QVERIFY(Checked(Id::kCumulativePlayerStats) && Checked(Id::kCumulativeTeamStats));

  Click(Id::kLeagueTeamStats);
  Click(Id::kCumulativeStats);
  expectEnabled(cumulativeGroup, true);
  expectEnabled(leagueGroup, false);
  QVERIFY(!Checked(Id::kLeagueTeamStats) && Checked(Id::kLeagueLeaders));
  QVERIFY(!Checked(Id::kGameStats) && !Checked(Id::kLeagueStats));

  Click(Id::kOk);
  QCOMPARE(options_.cumulativeStats, 1);
  QCOMPARE(options_.gameStats + options_.leagueStats, 0);
  QCOMPARE(options_.leagueTeamStats, 0);
  QCOMPARE(options_.leagueLeaders, 1);
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
  Click(Id::kSeparateFiles);
  Click(Id::kCumulativeStats);
  Click(Id::kCumulativePlayerStats);
  Click(Id::kCumulativeTeamStats);
  Click(Id::kLeagueStats);
  Click(Id::kLeagueTeamStats);
  Click(Id::kLeagueLeaders);
  Top()->selectAll();
  QTest::keyClicks(Top(), "3");
  Click(Id::kMacintosh);
  if (escape)
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  else
    Click(Id::kCancel);
  QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(yl::options::EncodeOptionsText(options_), before);
  QCOMPARE(store_->ReadOptions(), storedBefore);
}

void OptionsDialogTest::OkOnTheDefaultsStoresTheDefaultDigits() {
  Open();
  Click(Id::kOk);
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QCOMPARE(store_->ReadOptions(),
           std::optional<std::string>("14000000000101000001010001010000140000000000010001000000"));
}

void OptionsDialogTest::OpeningShowsTheOptionsAndOkStoresTheChoices() {
  options_.gameStats = 0;
  options_.cumulativeStats = 1;
  options_.cumulativeTeamStats = 0;
  options_.oneFile = 0;
  options_.separateFiles = 1;
  options_.leadersCount = 7;
  options_.fileFormat = yl::options::kMacintosh;
  Open();
  QVERIFY(Checked(Id::kCumulativeStats) && !Checked(Id::kGameStats));
  QVERIFY(Checked(Id::kSeparateFiles) && !Checked(Id::kOneFile));
  QVERIFY(Checked(Id::kCumulativePlayerStats) && !Checked(Id::kCumulativeTeamStats));
  QVERIFY(Checked(Id::kMacintosh));
  QCOMPARE(Top()->text(), QStringLiteral("7"));
  QVERIFY(Enabled(Id::kCumulativeTeamStats) && !Enabled(Id::kSeparateFiles));

  yl::options::OutputOptions expected = options_;
  expected.fileFormat = yl::options::kUnix;
  Click(Id::kUnix);
  Click(Id::kOk);
  yl::options::OutputOptions loaded;
  QCOMPARE(yl::options::LoadOptions(*store_, loaded), yl::options::LoadResult::kStored);
  QCOMPARE(yl::options::EncodeOptionsText(loaded), yl::options::EncodeOptionsText(expected));
  QCOMPARE(options_.fileFormat, int(yl::options::kUnix));
  QCOMPARE(options_.separateFiles, 1);
}

void OptionsDialogTest::AStoreThatCannotBeWrittenIsReported() {
  // The store's folder is a file: nothing can be written there.
  dir_->Write("blocked", "");
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("blocked/yardledger.conf"));
  Open();
  Click(Id::kUnix);
  Click(Id::kOk);
  QCOMPARE(dialogs_.warnings.size(), 1);
  QVERIFY(dialogs_.warnings[0].text.contains("could not be stored"));
  // The choice still holds for this session.
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QCOMPARE(options_.fileFormat, int(yl::options::kUnix));
}

}  // namespace

YL_GUI_TEST_MAIN(OptionsDialogTest)

#include "options_dialog_test.moc"
