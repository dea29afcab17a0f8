// The platform's own dialogs (open and save file, message boxes), reached
// through one interface so that tests can answer them.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace yl::shell {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Open-file dialog with multiple selection; filter in Qt's form
  // ("Team Files (*.fbt);;All Files (*)"). Returns the chosen paths, none
  // when cancelled.
  virtual QStringList AskOpenFiles(QWidget* parent, const QString& filter) = 0;
  // Save-file dialog without a filter. confirmReplace: ask before an
  // existing file is chosen. Returns the chosen path, "" when cancelled.
  virtual QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                              bool confirmReplace) = 0;
  // A modal message box with a warning icon and an OK button.
  virtual void ShowWarning(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real dialogs. Every file dialog opens in the folder of the file chosen
// last, so the error log is proposed beside the reports.
class QtDialogs : public Dialogs {
 public:
  QStringList AskOpenFiles(QWidget* parent, const QString& filter) override;
  QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                      bool confirmReplace) override;
  void ShowWarning(QWidget* parent, const QString& title, const QString& text) override;

 private:
  void RememberFolder(const QString& path);
  QString folder_;
};

}  // namespace yl::shell
