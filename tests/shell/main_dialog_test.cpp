// The main window: its two lists, the enabling rules, the prefix dialog, a
// run with its Stop, the fatal alert and the About entry.
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "gui_support.h"
#include "options/settings_store.h"
#include "run/alert.h"
#include "run/file_layer.h"
#include "scripted_dialogs.h"
#include "shell/main_dialog.h"
#include "shell/native_text.h"
#include "shell/program.h"
#include "shell/shell_platform.h"
#include "support/temp_dir.h"
#include "support/transcripts.h"

using yl::shell::MainDialog;
using yl::test::Find;

namespace {

// A child process started by a test (this same program with "--child"):
// what it shows goes to standard output, its exit status is the result.
int RunChild(const QStringList& args);

class MainDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void AddingTheSameFileTwiceGivesOneRow_data();
  void AddingTheSameFileTwiceGivesOneRow();
  void RemovingThreeSelectedRowsRemovesThem_data();
  void RemovingThreeSelectedRowsRemovesThem();
  void RemovingTheLastRowDisablesCompileStats();
  void EnterWithAnEmptyListDoesNothing();
  void CancellingThePrefixDialogChangesNothing();
  void AddTeamsShowsAndHidesTheTeamSection();
  void ACompletedRunEmptiesBothLists();
  void HiddenTeamFilesTakePartInACompile();
  void ARunDisablesTheWindowUntilItEnds();
  void StopDuringTheSecondOfThreeTranscriptsDeletesFilesAndKeepsLists();
  void TheFatalAlertIsAWarningThenExitStatusOne();
  void TheErrorLogDialogProposesErrorLogAndConfirmsReplacing();
  void AboutShowsTheVersion();

 private:
  QStringList Rows(int listId) const;
  void Add(int buttonId, const QStringList& paths);
  QString WriteGame(const QString& name, const std::string& visiting, const std::string& home);
  QStringList OutNames() const;

  std::unique_ptr<yl::test::TempDir> dir_;
  std::unique_ptr<yl::options::IniSettingsStore> store_;
  yl::options::OutputOptions options_;
  std::unique_ptr<yl::test::ScriptedDialogs> dialogs_;
  std::unique_ptr<yl::shell::ShellPlatform> platform_;
  std::unique_ptr<MainDialog> window_;
};

void MainDialogTest::init() {
  dir_ = std::make_unique<yl::test::TempDir>();
  QDir(QString::fromStdString(dir_->path())).mkdir("out");
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("yardledger.conf"));
  options_ = yl::options::OutputOptions();
  options_.fileFormat = yl::options::kUnix;
  dialogs_ = std::make_unique<yl::test::ScriptedDialogs>();
  platform_ = std::make_unique<yl::shell::ShellPlatform>(*dialogs_);
  window_ = std::make_unique<MainDialog>(*platform_, *dialogs_, options_, *store_);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainDialogTest::cleanup() {
  window_.reset();
  platform_.reset();
  dialogs_.reset();
  store_.reset();
  dir_.reset();
}

QStringList MainDialogTest::Rows(int listId) const {
  auto* list = Find<QListWidget>(window_.get(), listId);
  QStringList rows;
  for (int row = 0; row < list->count(); ++row)
    rows << list->item(row)->text();
  return rows;
}

void MainDialogTest::Add(int buttonId, const QStringList& paths) {
  dialogs_->openAnswers.push_back(paths);
  QTest::mouseClick(Find<QPushButton>(window_.get(), buttonId), Qt::LeftButton);
}

QString MainDialogTest::WriteGame(const QString& name, const std::string& visiting,
                                  const std::string& home) {
  return QString::fromStdString(
      dir_->Write(name.toStdString() + ".txt", yl::test::SmallGame(visiting, home)));
}

QStringList MainDialogTest::OutNames() const {
  return QDir(QString::fromStdString(dir_->File("out"))).entryList(QDir::Files, QDir::Name);
}

void MainDialogTest::AddingTheSameFileTwiceGivesOneRow_data() {
  QTest::addColumn<int>("addButton");
  QTest::addColumn<int>("list");
  QTest::addColumn<QString>("filter");
  QTest::newRow("transcripts") << int(MainDialog::kAddTranscripts)
                               << int(MainDialog::kTranscriptList)
                               << QStringLiteral("All Files (*)");
  QTest::newRow("team files") << int(MainDialog::kAddTeamFiles) << int(MainDialog::kTeamList)
                              << QStringLiteral("Team Files (*.fbt);;All Files (*)");
}

void MainDialogTest::AddingTheSameFileTwiceGivesOneRow() {
  QFETCH(int, addButton);
  QFETCH(int, list);
  QFETCH(QString, filter);
  Find<QCheckBox>(window_.get(), MainDialog::kAddTeams)->setChecked(true);
  Add(addButton, {"/league/Week2.fbt", "/league/Alpha.fbt", "/league/week2.FBT"});
  Add(addButton, {"/LEAGUE/WEEK2.fbt", "/league/Alpha.fbt", "/league/beta.fbt"});
  // Sorted ascending, a path already there in any letter case refused.
  QCOMPARE(Rows(list), QStringList({"/league/Alpha.fbt", "/league/beta.fbt", "/league/Week2.fbt"}));
  QCOMPARE(dialogs_->openFilters, QStringList({filter, filter}));
}

void MainDialogTest::RemovingThreeSelectedRowsRemovesThem_data() {
  QTest::addColumn<int>("addButton");
  QTest::addColumn<int>("removeButton");
  QTest::addColumn<int>("list");
  QTest::newRow("transcripts") << int(MainDialog::kAddTranscripts)
                               << int(MainDialog::kRemoveTranscripts)
                               << int(MainDialog::kTranscriptList);
  QTest::newRow("team files") << int(MainDialog::kAddTeamFiles) << int(MainDialog::kRemoveTeamFiles)
                              << int(MainDialog::kTeamList);
}

void MainDialogTest::RemovingThreeSelectedRowsRemovesThem() {
  QFETCH(int, addButton);
  QFETCH(int, removeButton);
  QFETCH(int, list);
  Find<QCheckBox>(window_.get(), MainDialog::kAddTeams)->setChecked(true);
  Add(addButton, {"/g/1", "/g/2", "/g/3", "/g/4", "/g/5"});
  auto* view = Find<QListWidget>(window_.get(), list);
  auto* remove = Find<QPushButton>(window_.get(), removeButton);
  QVERIFY(!remove->isEnabled());
  const auto click = [view](int row, Qt::KeyboardModifiers modifiers) {
    view->scrollToItem(view->item(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualItemRect(view->item(row)).center());
  };
  click(0, Qt::NoModifier);
  click(2, Qt::ControlModifier);
  click(4, Qt::ControlModifier);
  QCOMPARE(view->selectedItems().size(), 3);
  QVERIFY(remove->isEnabled());
  QTest::mouseClick(remove, Qt::LeftButton);
  QCOMPARE(Rows(list), QStringList({"/g/2", "/g/4"}));
  QVERIFY(!remove->isEnabled());
}

void MainDialogTest::RemovingTheLastRowDisablesCompileStats() {
  auto* compile = Find<QPushButton>(window_.get(), MainDialog::kCompileStats);
  QVERIFY(!compile->isEnabled());
  Add(MainDialog::kAddTranscripts, {"/g/only.txt"});
  QVERIFY(compile->isEnabled());
  Find<QListWidget>(window_.get(), MainDialog::kTranscriptList)->item(0)->setSelected(true);
  QTest::mouseClick(Find<QPushButton>(window_.get(), MainDialog::kRemoveTranscripts),
                    Qt::LeftButton);
  QVERIFY(Rows(MainDialog::kTranscriptList).isEmpty());
  QVERIFY(!compile->isEnabled());
}

void MainDialogTest::EnterWithAnEmptyListDoesNothing() {
  // The keys go where the user's would: to the list that has the focus.
  auto* list = Find<QListWidget>(window_.get(), MainDialog::kTranscriptList);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  QTest::keyClick(list, Qt::Key_Enter);
  QVERIFY(dialogs_->saveQuestions.isEmpty());
  QVERIFY(window_->isVisible());
  // With a transcript, Enter is Compile Stats: it asks for the prefix.
  Add(MainDialog::kAddTranscripts, {"/g/one.txt"});
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  QCOMPARE(dialogs_->saveQuestions.size(), 1);
}

void MainDialogTest::CancellingThePrefixDialogChangesNothing() {
  const QString game = WriteGame("G1", "Bears", "Lions");
  Find<QCheckBox>(window_.get(), MainDialog::kAddTeams)->setChecked(true);
  Add(MainDialog::kAddTranscripts, {game});
  Add(MainDialog::kAddTeamFiles, {"/teams/Lions.fbt"});
  QTest::mouseClick(Find<QPushButton>(window_.get(), MainDialog::kCompileStats), Qt::LeftButton);
  QCOMPARE(dialogs_->saveQuestions.size(), 1);
  QCOMPARE(dialogs_->saveQuestions[0].title, QStringLiteral("Save File(s) with Prefix"));
  QCOMPARE(dialogs_->saveQuestions[0].proposedName, QString());
  QVERIFY(!dialogs_->saveQuestions[0].confirmReplace);
  QCOMPARE(Rows(MainDialog::kTranscriptList), QStringList({game}));
  QCOMPARE(Rows(MainDialog::kTeamList), QStringList({"/teams/Lions.fbt"}));
  QVERIFY(Find<QPushButton>(window_.get(), MainDialog::kCompileStats)->isEnabled());
  QVERIFY(OutNames().isEmpty());
  QVERIFY(dialogs_->warnings.isEmpty());
}

void MainDialogTest::AddTeamsShowsAndHidesTheTeamSection() {
  const yl::shell::DialogUnits units(window_->font());
  const int width = window_->width();
  auto* teams = Find<QListWidget>(window_.get(), MainDialog::kTeamList);
  auto* addTeams = Find<QCheckBox>(window_.get(), MainDialog::kAddTeams);
  // Collapsed at start: the window ends at the separator's bottom edge.
  QCOMPARE(window_->height(), units.Y(126));
  QVERIFY(!teams->isVisible());
  QTest::mouseClick(addTeams, Qt::LeftButton);
  QCOMPARE(window_->height(), units.Y(191));
  QCOMPARE(window_->width(), width);
  QVERIFY(teams->isVisible());
  QTest::mouseClick(addTeams, Qt::LeftButton);
  QCOMPARE(window_->height(), units.Y(126));
  QVERIFY(!teams->isVisible());
}

void MainDialogTest::ACompletedRunEmptiesBothLists() {
  Find<QCheckBox>(window_.get(), MainDialog::kAddTeams)->setChecked(true);
  Add(MainDialog::kAddTranscripts,
      {WriteGame("G2", "Eagles", "Giants"), WriteGame("G1", "Bears", "Lions")});
  Add(MainDialog::kAddTeamFiles,
      {QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')))});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1.txt"));
  QTest::mouseClick(Find<QPushButton>(window_.get(), MainDialog::kCompileStats), Qt::LeftButton);
  // The games in list order, in one file named after the prefix.
  QCOMPARE(OutNames(), QStringList({"week1.GS"}));
  QCOMPARE(yl::test::ReadFileBytes(dir_->File("out/week1.GS")),
           "G1\n\n" + yl::test::SmallGameReport("Bears", "Lions") + "\n\nG2\n\n" +
               yl::test::SmallGameReport("Eagles", "Giants") + "\n\n");
  QVERIFY(Rows(MainDialog::kTranscriptList).isEmpty());
  QVERIFY(Rows(MainDialog::kTeamList).isEmpty());
  QVERIFY(!Find<QPushButton>(window_.get(), MainDialog::kCompileStats)->isEnabled());
  QVERIFY(platform_->progressDialog() == nullptr);
}

void MainDialogTest::HiddenTeamFilesTakePartInACompile() {
  // The child adds the team file, hides the team section, and compiles after
  // the file has gone: the run fails on opening it.
  const QString game = WriteGame("G1", "Bears", "Lions");
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {"--child", "hidden-team", game, team, QString::fromStdString(dir_->File("out/w"))});
  QVERIFY(child.waitForFinished(60000));
  const QString shown = QString::fromUtf8(child.readAllStandardOutput());
  QCOMPARE(shown, QStringLiteral("warning: Yardledger: Team File FSpOpenDF() Error  %1: No such "
                                 "file or directory\n")
                      .arg(team));
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), 1);
}

void MainDialogTest::ARunDisablesTheWindowUntilItEnds() {
  Add(MainDialog::kAddTranscripts, {WriteGame("G1", "Bears", "Lions")});
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));
  bool seen = false;
  bool enabledDuringRun = true;
  bool runningDuringRun = false;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    if (seen || platform_->progressDialog() == nullptr) return;
    seen = true;
    enabledDuringRun = Find<QPushButton>(window_.get(), MainDialog::kAddTranscripts)->isEnabled() ||
                       Find<QListWidget>(window_.get(), MainDialog::kTranscriptList)->isEnabled();
    runningDuringRun = window_->running();
    // Neither Escape nor closing ends the program during a run.
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    window_->close();
  });
  poll.start(0);
  QTest::mouseClick(Find<QPushButton>(window_.get(), MainDialog::kCompileStats), Qt::LeftButton);
  poll.stop();
  QVERIFY(seen);
  QVERIFY(runningDuringRun);
  QVERIFY(!enabledDuringRun);
  QVERIFY(window_->isVisible());
  QVERIFY(!window_->running());
  QVERIFY(Find<QPushButton>(window_.get(), MainDialog::kAddTranscripts)->isEnabled());
  QCOMPARE(OutNames(), QStringList({"week1.GS"}));
}

void MainDialogTest::StopDuringTheSecondOfThreeTranscriptsDeletesFilesAndKeepsLists() {
  options_.oneFile = 0;
  options_.separateFiles = 1;  // the first game's file is finished before Stop
  const QStringList games = {WriteGame("G1", "Bears", "Lions"), WriteGame("G2", "Eagles", "Giants"),
                             WriteGame("G3", "Rams", "Jets")};
  const QString team = QString::fromStdString(dir_->Write("Lions.fbt", std::string(2610, '\0')));
  Find<QCheckBox>(window_.get(), MainDialog::kAddTeams)->setChecked(true);
  Add(MainDialog::kAddTranscripts, games);
  Add(MainDialog::kAddTeamFiles, {team});
  dir_->Write("out/notes.txt", "the user's own file");
  dialogs_->saveAnswers << QString::fromStdString(dir_->File("out/week1"));

  // Press Stop as soon as the dialog shows the second transcript.
  QStringList namesAtStop;
  QTimer poll;
  connect(&poll, &QTimer::timeout, this, [&] {
    yl::shell::CompileProgressDialog* progress = platform_->progressDialog();
    if (progress == nullptr || !progress->isVisible()) return;
    auto* name = Find<QLabel>(progress, yl::shell::CompileProgressDialog::kTranscriptName);
    if (name->text() != "G2") return;
    namesAtStop = OutNames();
    QTest::mouseClick(Find<QPushButton>(progress, yl::shell::CompileProgressDialog::kStop),
                      Qt::LeftButton);
  });
  poll.start(0);
  QTest::mouseClick(Find<QPushButton>(window_.get(), MainDialog::kCompileStats), Qt::LeftButton);
  poll.stop();

  QCOMPARE(namesAtStop, QStringList({"notes.txt", "week1.GS", "week1.GS.Bea@Lio"}));
  QCOMPARE(OutNames(), QStringList({"notes.txt"}));
  QCOMPARE(Rows(MainDialog::kTranscriptList), games);
  QCOMPARE(Rows(MainDialog::kTeamList), QStringList({team}));
  QVERIFY(Find<QPushButton>(window_.get(), MainDialog::kCompileStats)->isEnabled());
  QVERIFY(platform_->progressDialog() == nullptr);
}

void MainDialogTest::TheFatalAlertIsAWarningThenExitStatusOne() {
  // The child runs the window as the program does and compiles into a folder
  // that does not exist: the report file cannot be created.
  const QString game = WriteGame("G1", "Bears", "Lions");
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {"--child", "alert", game, QString::fromStdString(dir_->File("missing/w"))});
  QVERIFY(child.waitForFinished(60000));
  const QString shown = QString::fromUtf8(child.readAllStandardOutput());
  QCOMPARE(shown, QStringLiteral("icon %1, title Yardledger, text FSpCreate error: WriteGameStats  "
                                 "Couldn't create new file.  %2: No such file or directory\n")
                      .arg(int(QMessageBox::Warning))
                      .arg(QString::fromStdString(dir_->File("missing/w.GS"))));
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), 1);
}

void MainDialogTest::TheErrorLogDialogProposesErrorLogAndConfirmsReplacing() {
  // The real save dialog, as the error log asks for its file.
  yl::shell::QtDialogs real;
  yl::shell::ShellPlatform platform(real);
  QString title;
  QString proposed;
  bool confirms = false;
  yl::test::AnswerNextModal<QFileDialog>([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->reject();
  });
  yl::run::SaveFileReply reply;
  yl::run::AskSaveFile(platform, "pSave Error Log As:", "pErrorLog", reply);
  QCOMPARE(title, QStringLiteral("Save Error Log As "));
  QCOMPARE(proposed, QStringLiteral("ErrorLog"));
  QVERIFY(confirms);
  QVERIFY(!reply.good);
}

void MainDialogTest::AboutShowsTheVersion() {
  QCOMPARE(window_->aboutAction()->text(), QStringLiteral("&About Yardledger..."));
  QVERIFY(!window_->windowIcon().isNull());
  QString title;
  QStringList texts;
  yl::test::AnswerNextModal<QDialog>([&](QDialog* about) {
    title = about->windowTitle();
    for (const QLabel* label : about->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
      if (!label->pixmap().isNull()) texts << "(icon)";
    }
    about->accept();
  });
  window_->aboutAction()->trigger();
  QCOMPARE(title, QStringLiteral("About Yardledger"));
  QCOMPARE(texts, QStringList({"(icon)", "Yardledger Version 1.2.8"}));
}

int RunChild(const QStringList& args) {
  const auto print = [](const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
  };
  if (args.value(0) == "alert" && args.size() == 3) {
    // Files are answered by the script, the warning is the real message box.
    struct RealWarning : yl::test::ScriptedDialogs {
      void ShowWarning(QWidget* parent, const QString& title, const QString& text) override {
        real.ShowWarning(parent, title, text);
      }
      yl::shell::QtDialogs real;
    } dialogs;
    dialogs.openAnswers = {{args[1]}};
    dialogs.saveAnswers = {args[2]};
    yl::test::AnswerNextModal<QMessageBox>([&](QMessageBox* box) {
      print(QStringLiteral("icon %1, title %2, text %3\n")
                .arg(int(box->icon()))
                .arg(box->windowTitle(), box->text()));
      box->accept();
    });
    yl::options::OutputOptions options;
    yl::options::IniSettingsStore store(yl::shell::ToNative(args[2] + ".conf"));
    yl::shell::ShellPlatform platform(dialogs);
    MainDialog window(platform, dialogs, options, store);
    Find<QPushButton>(&window, MainDialog::kAddTranscripts)->click();
    QTimer::singleShot(0, Find<QPushButton>(&window, MainDialog::kCompileStats),
                       &QPushButton::click);
    window.exec();
    return window.exitStatus();
  }
  if (args.value(0) == "hidden-team" && args.size() == 4) {
    yl::test::ScriptedDialogs dialogs;
    dialogs.onWarning = [&](const yl::test::ScriptedDialogs::Warning& warning) {
      print("warning: " + warning.title + ": " + warning.text + "\n");
    };
    dialogs.openAnswers = {{args[1]}, {args[2]}};
    dialogs.saveAnswers = {args[3]};
    yl::options::OutputOptions options;
    yl::options::IniSettingsStore store(yl::shell::ToNative(args[3] + ".conf"));
    yl::shell::ShellPlatform platform(dialogs);
    MainDialog window(platform, dialogs, options, store);
    window.show();
    auto* addTeams = Find<QCheckBox>(&window, MainDialog::kAddTeams);
    Find<QPushButton>(&window, MainDialog::kAddTranscripts)->click();
    addTeams->click();
    Find<QPushButton>(&window, MainDialog::kAddTeamFiles)->click();
    addTeams->click();
    if (Find<QListWidget>(&window, MainDialog::kTeamList)->isVisible()) return 3;
    QFile::remove(args[2]);
    Find<QPushButton>(&window, MainDialog::kCompileStats)->click();
    if (window.exitStatus() != 0) return window.exitStatus();
    print("the compile ended without reading the team file\n");
    return 0;
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.value(1) == "--child") return RunChild(args.mid(2));
  MainDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_dialog_test.moc"
