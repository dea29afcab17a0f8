// The platform's own dialogs (open and save file, message boxes) and the
// file manager, reached through one interface so that tests can answer them.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace yl::shell {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Open-file dialog with multiple selection, opening in `folder` ("" for
  // the dialog's own choice); filter in Qt's form ("Team Files (*.fbt);;All
  // Files (*)"). Returns the chosen paths, none when cancelled.
  virtual QStringList AskOpenFiles(QWidget* parent, const QString& filter,
                                   const QString& folder) = 0;
  // Save-file dialog without a filter, opening in `folder`. confirmReplace:
  // ask before an existing file is chosen. Returns the chosen path, "" when
  // cancelled.
  virtual QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                              bool confirmReplace, const QString& folder) = 0;
  // A modal message box with a warning icon and an OK button.
  virtual void ShowWarning(QWidget* parent, const QString& title, const QString& text) = 0;
  // The same with an information icon.
  virtual void ShowInformation(QWidget* parent, const QString& title, const QString& text) = 0;
  // A modal question with Yes and No; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
  // Shows the folder in the system's file manager; false when none could.
  virtual bool ShowFolder(QWidget* parent, const QString& folder) = 0;
  // Opens a local web page in the default browser; false when none could.
  virtual bool OpenPage(QWidget* parent, const QString& file) = 0;
};

class QtDialogs : public Dialogs {
 public:
  QStringList AskOpenFiles(QWidget* parent, const QString& filter, const QString& folder) override;
  QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                      bool confirmReplace, const QString& folder) override;
  void ShowWarning(QWidget* parent, const QString& title, const QString& text) override;
  void ShowInformation(QWidget* parent, const QString& title, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
  bool ShowFolder(QWidget* parent, const QString& folder) override;
  bool OpenPage(QWidget* parent, const QString& file) override;
};

}  // namespace yl::shell
