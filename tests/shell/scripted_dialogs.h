// Dialogs answered by the test: queued answers for the file dialogs, and a
// record of every question and message box.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "shell/dialogs.h"

namespace yl::test {

class ScriptedDialogs : public shell::Dialogs {
 public:
  struct SaveQuestion {
    QString title;
    QString proposedName;
    bool confirmReplace;
    QString folder;
  };
  struct Warning {
    QString title;
    QString text;
  };

  QStringList AskOpenFiles(QWidget* parent, const QString& filter, const QString& folder) override;
  QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                      bool confirmReplace, const QString& folder) override;
  void ShowWarning(QWidget* parent, const QString& title, const QString& text) override;
  void ShowInformation(QWidget* parent, const QString& title, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
  bool ShowFolder(QWidget* parent, const QString& folder) override;
  bool OpenPage(QWidget* parent, const QString& file) override;

  // Each open dialog takes the first answer; none left: cancelled.
  QList<QStringList> openAnswers;
  // Each save dialog takes the first answer; "" or none left: cancelled.
  QStringList saveAnswers;

  // Each yes-or-no question takes the first answer; none left: No.
  QList<bool> yesNoAnswers;

  QStringList openFilters;
  QStringList openFolders;
  QStringList questions;
  QStringList foldersShown;
  QStringList pagesOpened;
  bool browserStarts = true;  // what OpenPage answers
  QList<SaveQuestion> saveQuestions;
  QList<Warning> warnings;
  QList<Warning> notes;  // the information boxes
  std::function<void(const Warning&)> onWarning;
};

}  // namespace yl::test
