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
using Steps = QList<QPair<int, int>>;  // (transcripts to add, percent to add)

namespace {

class ProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void TheBarFollowsTheSteps_data();
  void TheBarFollowsTheSteps();
  void TheDialogShowsTheTranscriptAndTheRemainingCount();
  void TheDialogIsPaintedBeforeTheFirstTranscriptIsRead();
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
  auto* bar = dialog->bar();
  // The bar's range is its width in pixels.
  const int width = bar->contentsRect().width();
  QVERIFY(width > 100);
  // A long name is shortened in the middle to fit; the whole name stays.
  const QString longName = QString("Week 12 - ").repeated(12);
  platform.StartProgress(longName.toStdString(), 4);
  dialog = platform.progressDialog();
  bar = dialog->bar();
  QVERIFY(dialog->transcriptName()->text().contains(QChar(0x2026)));
  QVERIFY(dialog->transcriptName()->fontMetrics().horizontalAdvance(
              dialog->transcriptName()->text()) <= dialog->transcriptName()->width());
  QCOMPARE(dialog->fullName(), longName);
  platform.StartProgress("Bears at Lions", 4);
  dialog = platform.progressDialog();
  bar = dialog->bar();
  QCOMPARE(bar->maximum(), width);
  QCOMPARE(dialog->transcriptName()->text(), QStringLiteral("Bears at Lions"));
  QCOMPARE(dialog->remaining()->text(), QStringLiteral("4"));

  platform.StepProgress(1, 25, "Bears at Lions");
  QCOMPARE(bar->value(), static_cast<int>(std::floor(0.25 * width / 4)));
  QCOMPARE(dialog->remaining()->text(), QStringLiteral("3"));
  platform.StepProgress(0, 25, "");  // the reader's half-time step names nothing
  QCOMPARE(dialog->transcriptName()->text(), QStringLiteral("Bears at Lions"));
  platform.StepProgress(1, 25, "Eagles at Giants");
  QCOMPARE(dialog->transcriptName()->text(), QStringLiteral("Eagles at Giants"));
  QCOMPARE(dialog->remaining()->text(), QStringLiteral("2"));
  platform.EndProgress();
  QVERIFY(platform.progressDialog() == nullptr);
}

// Every paint of a progress dialog or of a control in it.
class PaintLog : public QObject {
 public:
  QStringList painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget != nullptr &&
        qobject_cast<CompileProgressDialog*>(widget->window()) != nullptr)
      painted << widget->metaObject()->className();
    return false;
  }
};

void ProgressTest::TheDialogIsPaintedBeforeTheFirstTranscriptIsRead() {
  yl::test::ScriptedDialogs dialogs;
  yl::shell::ShellPlatform platform(dialogs);
  QWidget owner;
  owner.show();
  platform.SetOwner(&owner);
  PaintLog log;
  qApp->installEventFilter(&log);
  // The engine reads the first transcript as soon as this returns.
  platform.StartProgress("Bears at Lions", 4);
  qApp->removeEventFilter(&log);
  QVERIFY(platform.progressDialog()->windowHandle()->isExposed());
  QVERIFY(log.painted.contains("yl::shell::CompileProgressDialog"));
  QVERIFY(log.painted.contains("QPushButton"));  // Stop
  QVERIFY(log.painted.contains("QProgressBar"));
  platform.EndProgress();
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
    QTest::mouseClick(dialog->stopButton(), Qt::LeftButton);
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
