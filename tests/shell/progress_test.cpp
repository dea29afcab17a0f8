// The Compile Stats progress dialog: where the bar stands, what the dialog
// shows, and Stop.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "gui_support.h"
#include "scripted_dialogs.h"
#include "shell/shell_platform.h"

using yl::shell::CompileProgressDialog;
using yl::test::Find;
using Steps = QList<QPair<int, int>>;  // (transcripts to add, percent to add)

namespace {

class ProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void TheBarFollowsTheSteps_data();
  void TheBarFollowsTheSteps();
  void TheDialogShowsTheTranscriptAndTheRemainingCount();
  void StopSetsTheFlagAndHidesTheDialog_data();
  void StopSetsTheFlagAndHidesTheDialog();
};

void ProgressTest::TheBarFollowsTheSteps_data() {
  QTest::addColumn<int>("count");
  QTest::addColumn<Steps>("steps");
  QTest::addColumn<int>("position");
  QTest::addColumn<int>("remaining");
  const QPair<int, int> next{1, 25};  // the driver, at each transcript
  const QPair<int, int> half{0, 25};  // the reader, at half-time
  QTest::newRow("first of four") << 4 << Steps{next} << 12 << 3;
  QTest::newRow("half-time of the first") << 4 << Steps{next, half} << 25 << 3;
  QTest::newRow("second of four") << 4 << Steps{next, half, next} << 87 << 2;
  QTest::newRow("percent wraps past 100") << 4 << Steps{next, half, next, half, next} << 112 << 1;
  QTest::newRow("last of three begun") << 3 << Steps{next, next, next} << 183 << 0;
  QTest::newRow("100 percent of the last fills it")
      << 4 << Steps{next, next, next, next} << 200 << 0;
  QTest::newRow("100 percent of the last of two") << 2 << Steps{next, half, next, half} << 200 << 0;
}

void ProgressTest::TheBarFollowsTheSteps() {
  QFETCH(int, count);
  QFETCH(Steps, steps);
  QFETCH(int, position);
  QFETCH(int, remaining);
  yl::shell::ProgressState state;
  state.Start(count, 200);
  int at = 0;
  for (const auto& [addDone, addPercent] : steps)
    at = state.Step(addDone, addPercent);
  QCOMPARE(at, position);
  QCOMPARE(state.Remaining(), remaining);
}

void ProgressTest::TheDialogShowsTheTranscriptAndTheRemainingCount() {
  yl::test::ScriptedDialogs dialogs;
  yl::shell::ShellPlatform platform(dialogs);
  QWidget owner;
  platform.SetOwner(&owner);
  platform.StartProgress("Bears at Lions", 4);
  CompileProgressDialog* dialog = platform.progressDialog();
  QVERIFY(dialog != nullptr);
  QVERIFY(dialog->isVisible());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Compile Stats"));
  QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
  const auto text = [dialog](int id) { return Find<QLabel>(dialog, id)->text(); };
  auto* bar = Find<QProgressBar>(dialog, CompileProgressDialog::kProgressBar);
  // The bar's range is its width in pixels.
  const int width = bar->contentsRect().width();
  QVERIFY(width > 100);
  QCOMPARE(bar->maximum(), width);
  QCOMPARE(text(CompileProgressDialog::kTranscriptName), QStringLiteral("Bears at Lions"));
  QCOMPARE(text(CompileProgressDialog::kRemaining), QStringLiteral("4"));

  platform.StepProgress(1, 25, "Bears at Lions");
  QCOMPARE(bar->value(), static_cast<int>(std::floor(0.25 * width / 4)));
  QCOMPARE(text(CompileProgressDialog::kRemaining), QStringLiteral("3"));
  platform.StepProgress(0, 25, "");  // the reader's half-time step names nothing
  QCOMPARE(text(CompileProgressDialog::kTranscriptName), QStringLiteral("Bears at Lions"));
  platform.StepProgress(1, 25, "Eagles at Giants");
  QCOMPARE(text(CompileProgressDialog::kTranscriptName), QStringLiteral("Eagles at Giants"));
  QCOMPARE(text(CompileProgressDialog::kRemaining), QStringLiteral("2"));
  platform.EndProgress();
  QVERIFY(platform.progressDialog() == nullptr);
}

void ProgressTest::StopSetsTheFlagAndHidesTheDialog_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Stop") << false;
  QTest::newRow("Escape") << true;
}

void ProgressTest::StopSetsTheFlagAndHidesTheDialog() {
  QFETCH(bool, escape);
  yl::test::ScriptedDialogs dialogs;
  yl::shell::ShellPlatform platform(dialogs);
  bool stopRequested = false;
  platform.SetStopFlag(&stopRequested);
  platform.StartProgress("G1", 3);
  CompileProgressDialog* dialog = platform.progressDialog();
  QVERIFY(QTest::qWaitForWindowActive(dialog));
  if (escape)
    QTest::keyClick(dialog, Qt::Key_Escape);
  else
    QTest::mouseClick(Find<QPushButton>(dialog, CompileProgressDialog::kStop), Qt::LeftButton);
  QVERIFY(stopRequested);
  // Hidden until the run ends.
  QVERIFY(!dialog->isVisible());
  QCOMPARE(platform.progressDialog(), dialog);
  platform.EndProgress();
  QVERIFY(platform.progressDialog() == nullptr);
}

}  // namespace

YL_GUI_TEST_MAIN(ProgressTest)

#include "progress_test.moc"
