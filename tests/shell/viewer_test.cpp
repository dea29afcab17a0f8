// The report viewer and the summary that follows a run.
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "gui_support.h"
#include "scripted_dialogs.h"
#include "shell/report_viewer.h"
#include "shell/run_summary.h"
#include "support/temp_dir.h"

using yl::shell::ReportViewer;
using yl::shell::RunSummary;

namespace {

class ViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryLineEndShowsSeparateLines_data();
  void EveryLineEndShowsSeparateLines();
  void CtrlFFindsEachPlaceInTurn();
  void TheSummaryLeadsToTheFilesAndTheirFolder();
};

void ViewerTest::EveryLineEndShowsSeparateLines_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("shown");
  const QString lines = QString::fromUtf8("Bears\u2026 at Lions\n\nScoring Summary\n");
  QTest::newRow("Macintosh") << QByteArray("Bears\xC9 at Lions\r\rScoring Summary\r") << lines;
  QTest::newRow("Windows") << QByteArray("Bears\xC9 at Lions\r\n\r\nScoring Summary\r\n") << lines;
  QTest::newRow("Unix") << QByteArray("Bears\xC9 at Lions\n\nScoring Summary\n") << lines;
  QTest::newRow("UTF-8 stays UTF-8")
      << QByteArray("Zo\xC3\xAB at Lions\r\n") << QString::fromUtf8("Zo\u00EB at Lions\n");
}

void ViewerTest::EveryLineEndShowsSeparateLines() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, shown);
  yl::test::TempDir dir;
  ReportViewer viewer;
  viewer.setAttribute(Qt::WA_DeleteOnClose, false);
  QString error;
  QVERIFY(viewer.Open(QString::fromStdString(dir.Write("week1.GS", bytes.toStdString())), error));
  QCOMPARE(viewer.text()->toPlainText() + "\n", shown);
  QCOMPARE(viewer.text()->document()->blockCount(), int(shown.count(u'\n')));
  QVERIFY(viewer.text()->isReadOnly());
  QVERIFY(QFontInfo(viewer.text()->font()).fixedPitch());
  QVERIFY(viewer.windowTitle().startsWith("week1.GS"));
  QVERIFY(!viewer.Open(QString::fromStdString(dir.File("missing")), error));
  QVERIFY(!error.isEmpty());
}

void ViewerTest::CtrlFFindsEachPlaceInTurn() {
  yl::test::TempDir dir;
  ReportViewer viewer;
  viewer.setAttribute(Qt::WA_DeleteOnClose, false);
  QString error;
  QVERIFY(viewer.Open(QString::fromStdString(dir.Write("r.LL", "Lions 21\rBears 14\rLions win\r")),
                      error));
  viewer.show();
  QVERIFY(QTest::qWaitForWindowActive(&viewer));
  QVERIFY(!viewer.findField()->isVisible());
  QTest::keyClick(&viewer, Qt::Key_F, Qt::ControlModifier);
  QVERIFY(viewer.findField()->isVisible());
  QVERIFY(viewer.findField()->hasFocus());
  const auto at = [&viewer] {
    const QTextCursor cursor = viewer.text()->textCursor();
    return QStringLiteral("%1:%2").arg(cursor.blockNumber()).arg(cursor.selectedText());
  };
  QTest::keyClicks(viewer.findField(), "lions");  // letter case ignored
  QCOMPARE(at(), QStringLiteral("0:Lions"));
  QTest::keyClick(viewer.findField(), Qt::Key_Return);
  QCOMPARE(at(), QStringLiteral("2:Lions"));
  QTest::keyClick(viewer.findField(), Qt::Key_Return);  // wraps to the top
  QCOMPARE(at(), QStringLiteral("0:Lions"));
  QTest::keyClick(viewer.findField(), Qt::Key_Return, Qt::ShiftModifier);  // and back
  QCOMPARE(at(), QStringLiteral("2:Lions"));
  QTest::keyClicks(viewer.findField(), "x");
  QCOMPARE(viewer.findStatus()->text(), QStringLiteral("Not found"));
  QCOMPARE(at(), QStringLiteral("2:Lions"));
  QTest::keyClick(viewer.findField(), Qt::Key_Escape);
  QVERIFY(!viewer.findField()->isVisible());
  QVERIFY(viewer.isVisible());
}

void ViewerTest::TheSummaryLeadsToTheFilesAndTheirFolder() {
  yl::test::TempDir dir;
  yl::test::ScriptedDialogs dialogs;
  QWidget owner;
  yl::shell::RunOutcome outcome;
  outcome.gamesCompiled = 2;
  outcome.gamesRejected = 1;
  outcome.logEntries = 1;
  outcome.reportFiles = {QString::fromStdString(dir.Write("w.GS", "game one\r\n")),
                         QString::fromStdString(dir.Write("w.GS.Bea@Lio", "game two\r\n"))};
  outcome.errorLog = QString::fromStdString(dir.Write("ErrorLog", "a line\r\n"));
  auto* summary = new RunSummary(outcome, dialogs, &owner);
  summary->show();
  QCOMPARE(summary->heading()->text(),
           QStringLiteral("2 games compiled, 1 rejected, 1 line not understood"));
  QCOMPARE(summary->files()->count(), 2);
  QCOMPARE(summary->files()->item(1)->text(), QStringLiteral("w.GS.Bea@Lio"));
  const auto shown = [&owner] {
    QStringList texts;
    for (const ReportViewer* viewer : owner.findChildren<ReportViewer*>())
      texts << viewer->text()->toPlainText();
    return texts;
  };
  QTest::mouseClick(summary->openReportButton(), Qt::LeftButton);
  QCOMPARE(shown(), QStringList({"game one"}));
  summary->files()->setCurrentRow(1);
  QTest::mouseClick(summary->openReportButton(), Qt::LeftButton);
  QTest::mouseClick(summary->showInFolderButton(), Qt::LeftButton);
  QCOMPARE(dialogs.foldersShown, QStringList({QFileInfo(outcome.reportFiles[1]).absolutePath()}));
  QVERIFY(summary->openErrorLogButton() != nullptr);
  QTest::mouseClick(summary->openErrorLogButton(), Qt::LeftButton);
  QCOMPARE(shown(), QStringList({"game one", "game two", "a line"}));
  // A file gone since the run is named in a warning; no viewer opens.
  QVERIFY(QFile::remove(outcome.reportFiles[0]));
  summary->files()->setCurrentRow(0);
  QTest::mouseClick(summary->openReportButton(), Qt::LeftButton);
  QCOMPARE(shown().size(), 3);
  QCOMPARE(dialogs.warnings.size(), 1);
  QVERIFY(dialogs.warnings[0].text.contains(outcome.reportFiles[0]));

  // Entries but no saved log: no button, and the summary says so.
  outcome.errorLog.clear();
  RunSummary unsaved(outcome, dialogs, &owner);
  QVERIFY(unsaved.openErrorLogButton() == nullptr);
  bool said = false;
  for (const QLabel* label : unsaved.findChildren<QLabel*>())
    said = said || label->text() == "The error log was not saved.";
  QVERIFY(said);
}

}  // namespace

YL_GUI_TEST_MAIN(ViewerTest)

#include "viewer_test.moc"
