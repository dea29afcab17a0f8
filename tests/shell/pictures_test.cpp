// Pictures of the windows for a person to look at (PNG files in the build
// folder), and the check that every text fits its control and every control
// its window, at the windows' own size and at a larger one. Run again with
// QT_SCALE_FACTOR=2, it checks and draws them at a device pixel ratio of 2.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "gui_support.h"
#include "options/settings_store.h"
#include "scripted_dialogs.h"
#include "season.h"
#include "shell/file_list.h"
#include "shell/main_window.h"
#include "shell/options_dialog.h"
#include "shell/program.h"
#include "shell/report_viewer.h"
#include "shell/results_window.h"
#include "shell/run_summary.h"
#include "shell/shell_platform.h"
#include "support/temp_dir.h"

using yl::shell::MainWindow;

namespace {

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void TheWindowsAreDrawn_data();
  void TheWindowsAreDrawn();
  void ControlsFitTheirTextsAndDoNotOverlap_data();
  void ControlsFitTheirTextsAndDoNotOverlap();

 private:
  // The window of the row's name, shown and laid out as the user sees it.
  QWidget* Window(const QString& name);

  std::unique_ptr<yl::test::TempDir> dir_;
  std::unique_ptr<yl::options::IniSettingsStore> store_;
  yl::options::OutputOptions options_;
  yl::test::ScriptedDialogs dialogs_;
  std::unique_ptr<yl::shell::ShellPlatform> platform_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<QDialog> other_;
  std::unique_ptr<QWidget> window_;
};

void PicturesTest::init() {
  dir_ = std::make_unique<yl::test::TempDir>();
  store_ = std::make_unique<yl::options::IniSettingsStore>(dir_->File("yardledger.conf"));
  platform_ = std::make_unique<yl::shell::ShellPlatform>(dialogs_);
  main_ = std::make_unique<MainWindow>(*platform_, dialogs_, options_, *store_);
}

void PicturesTest::cleanup() {
  window_.reset();
  other_.reset();
  platform_->EndProgress();
  main_.reset();
  platform_.reset();
}

QWidget* PicturesTest::Window(const QString& name) {
  const QStringList games = {"/home/coach/league/2024/Week 1 - Bears at Lions.txt",
                             "/home/coach/league/2024/Week 1 - Eagles at Giants.txt",
                             "/home/coach/league/2024/Week 1 - Rams at Jets.txt"};
  const MainWindow::Controls& c = main_->controls();
  c.transcripts->AddPaths(games);
  c.transcripts->item(1)->setSelected(true);
  if (name.startsWith("main-expanded") || name == "main-large") {
    c.addTeams->setChecked(true);
    c.teams->AddPaths({"/home/coach/league/teams/Lions.fbt", "/home/coach/league/teams/Bears.fbt"});
  }
  main_->show();
  if (name == "main-large") main_->resize(main_->size() + QSize(320, 240));
  if (name.startsWith("main")) return main_.get();
  if (name == "results") {
    // A simulated season compiled by the window, its players by rushing yards.
    yl::sim::SeasonOptions season;
    season.outDir = dir_->File("season");
    season.seed = 11;
    season.teams = 6;
    std::string error;
    if (!yl::sim::WriteSeason(season, error)) qFatal("%s", error.c_str());
    main_->actions().clearLists->trigger();
    QStringList simulated;
    for (const QFileInfo& game : QDir(QString::fromStdString(season.outDir + "/games"))
                                     .entryInfoList({"*.txt"}, QDir::Files, QDir::Name))
      simulated << game.filePath();
    c.transcripts->AddPaths(simulated);
    options_.mode = yl::options::ReportMode::kLeague;
    if (!QDir().mkpath(QString::fromStdString(dir_->File("out")))) qFatal("no folder for reports");
    dialogs_.saveAnswers << QString::fromStdString(dir_->File("out/week1"));
    c.compile->click();
    if (main_->summary() != nullptr) main_->summary()->close();
    yl::shell::ResultsWindow* results = main_->ShowResults();
    if (results == nullptr) qFatal("no results");
    using Tab = yl::shell::ResultsWindow::Tab;
    results->tabs()->setCurrentIndex(static_cast<int>(Tab::kPlayers));
    results->sectionChooser()->setCurrentIndex(results->sectionChooser()->findText("Rushing"));
    QTableView* players = results->view(Tab::kPlayers);
    for (int column = 0; column < players->model()->columnCount(); ++column)
      if (players->model()->headerData(column, Qt::Horizontal).toString() == "YDS")
        players->sortByColumn(column, Qt::DescendingOrder);
    results->resize(900, 480);
    return results;
  }
  if (name == "about") {
    other_ = std::make_unique<yl::shell::AboutDialog>(main_.get());
  } else if (name == "options") {
    other_ =
        std::make_unique<yl::shell::OutputOptionsDialog>(options_, *store_, dialogs_, main_.get());
  } else if (name == "summary") {
    yl::shell::RunOutcome outcome;
    outcome.gamesCompiled = 3;
    outcome.logEntries = 1;
    outcome.reportFiles = {"/home/coach/league/2024/week1.GS",
                           "/home/coach/league/2024/week1.GS.Bea@Lio"};
    outcome.errorLog = "/home/coach/league/2024/ErrorLog";
    window_ = std::make_unique<yl::shell::RunSummary>(outcome, dialogs_, main_.get());
  } else if (name == "viewer") {
    auto viewer = std::make_unique<yl::shell::ReportViewer>(main_.get());
    viewer->setAttribute(Qt::WA_DeleteOnClose, false);
    const std::string report =
        "Bears at Lions\r\rScoring Summary\r\r  1st  Bears   Smith 12 yd run (Jones kick)\r";
    QString error;
    if (!viewer->Open(QString::fromStdString(dir_->Write("week1.GS", report)), error))
      qFatal("%s", qPrintable(error));
    window_ = std::move(viewer);
  } else {
    platform_->StartProgress("Week 1 - Eagles at Giants", 3);
    platform_->StepProgress(1, 25, "Week 1 - Bears at Lions");
    platform_->StepProgress(0, 25, "");
    platform_->StepProgress(1, 25, "Week 1 - Eagles at Giants");
    return platform_->progressDialog();
  }
  if (window_) {
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->show();
    return window_.get();
  }
  other_->show();
  return other_.get();
}

void PicturesTest::TheWindowsAreDrawn_data() {
  QTest::addColumn<QString>("name");
  for (const char* name : {"main-collapsed", "main-expanded", "main-large", "options", "progress",
                           "about", "summary", "viewer", "results"})
    QTest::newRow(name) << QString(name);
}

void PicturesTest::TheWindowsAreDrawn() {
  QFETCH(QString, name);
  QWidget* window = Window(name);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  const QImage picture = window->grab().toImage();
  QCOMPARE(picture.size(), window->size() * window->devicePixelRatio());
  // Something is drawn: the picture is not one flat colour.
  bool varied = false;
  for (int y = 0; y < picture.height() && !varied; ++y)
    for (int x = 0; x < picture.width() && !varied; ++x)
      varied = picture.pixel(x, y) != picture.pixel(0, 0);
  QVERIFY(varied);
  QVERIFY(QDir().mkpath(YL_PICTURES_DIR));
  const QString scale =
      window->devicePixelRatio() > 1 ? QStringLiteral("@%1x").arg(window->devicePixelRatio()) : "";
  const QString path = QStringLiteral(YL_PICTURES_DIR "/%1%2.png").arg(name, scale);
  QVERIFY(picture.save(path));
  qInfo("%s", qPrintable(path));
}

void PicturesTest::ControlsFitTheirTextsAndDoNotOverlap_data() {
  TheWindowsAreDrawn_data();
}

// The window's controls: its visible widgets, where frames, group boxes,
// button boxes and plain pages that hold others count by what they hold.
void CollectControls(QWidget* parent, QList<QWidget*>& controls) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || !child->isVisible()) continue;
    const QByteArray kind = child->metaObject()->className();
    const bool holder =
        kind == "QWidget" || kind == "QFrame" || kind == "QGroupBox" || kind == "QDialogButtonBox";
    if (holder && !child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
      CollectControls(child, controls);
    else
      controls << child;
  }
}

QString Describe(const QWidget* control) {
  QString text;
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) text = button->text();
  if (auto* label = qobject_cast<const QLabel*>(control)) text = label->text();
  return QStringLiteral("a %1 \"%2\"").arg(control->metaObject()->className(), text);
}

void PicturesTest::ControlsFitTheirTextsAndDoNotOverlap() {
  QFETCH(QString, name);
  QWidget* window = Window(name);
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QList<QWidget*> controls;
  CollectControls(window, controls);
  const auto place = [window](const QWidget* control) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
  };
  for (int i = 0; i < controls.size(); ++i) {
    for (int j = i + 1; j < controls.size(); ++j) {
      if (place(controls[i]).intersects(place(controls[j])))
        QFAIL(qPrintable(Describe(controls[i]) + " overlaps " + Describe(controls[j])));
    }
  }
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() != window || !control->isVisible()) continue;
    if (!window->rect().contains(place(control)))
      QFAIL(qPrintable(Describe(control) + " lies outside its window"));
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
    if (text.isEmpty()) continue;
    // A mnemonic's "&" is not drawn ("&&" is one).
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    const int needed = control->fontMetrics().horizontalAdvance(text);
    if (control->sizeHint().width() > control->width() || needed > control->width() ||
        control->fontMetrics().height() > control->height()) {
      QFAIL(qPrintable(QStringLiteral("\"%1\" does not fit: %2 wide, needs %3")
                           .arg(text)
                           .arg(control->width())
                           .arg(qMax(needed, control->sizeHint().width()))));
    }
  }
}

}  // namespace

YL_GUI_TEST_MAIN(PicturesTest)

#include "pictures_test.moc"
