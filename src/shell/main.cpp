// yardledger: the desktop program. Loads the stored output options and runs
// the main window; when it closes, the program ends.
#include <malloc.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "options/settings_store.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/shell_platform.h"

namespace {

// With no home folder there is nowhere to keep the options: they are the
// defaults, and storing them fails.
class NoSettingsStore : public yl::options::SettingsStore {
 public:
  std::optional<std::string> ReadOptions() override { return std::nullopt; }
  bool WriteOptions(std::string_view) override { return false; }
  bool DeleteOptions() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  // A compile frees each game's memory before the next game takes as much
  // again: keep it rather than hand it back to the system every game, and
  // serve a game's plays (some 200 KB) from the heap, not a mapping of their
  // own.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("yardledger"));
  // Lets the desktop match the window to the installed entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("yardledger"));
  QApplication::setWindowIcon(yl::shell::ProgramIcon());
  // Translations of the program's texts and of Qt's own dialogs, where the
  // user's language has them.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  QTranslator ownTexts;
  if (ownTexts.load(
          QLocale(), QStringLiteral("yardledger"), QStringLiteral("_"),
          QApplication::applicationDirPath() + QStringLiteral("/../share/yardledger/translations")))
    QApplication::installTranslator(&ownTexts);

  const std::string settingsPath = yl::options::DefaultSettingsPath();
  yl::options::IniSettingsStore iniStore(settingsPath);
  NoSettingsStore noStore;
  yl::options::SettingsStore& store =
      settingsPath.empty() ? static_cast<yl::options::SettingsStore&>(noStore) : iniStore;
  const yl::options::LoadedOptions loaded = yl::options::LoadOptions(store);
  // A stored value of the wrong form is removed rather than read again at
  // every start.
  if (loaded.result == yl::options::LoadResult::kWrongLength ||
      loaded.result == yl::options::LoadResult::kWrongVersion)
    store.DeleteOptions();
  yl::options::OutputOptions options = loaded.options;

  yl::shell::QtDialogs dialogs;
  yl::shell::ShellPlatform platform(dialogs);
  yl::shell::MainWindow window(platform, dialogs, options, store);
  window.show();
  return QApplication::exec();
}
