// Dialogs answered by the test.
#include "scripted_dialogs.h"

namespace yl::test {

QStringList ScriptedDialogs::AskOpenFiles(QWidget*, const QString& filter, const QString& folder) {
  openFilters.push_back(filter);
  openFolders.push_back(folder);
  return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

QString ScriptedDialogs::AskSaveFile(QWidget*, const QString& title, const QString& proposedName,
                                     bool confirmReplace, const QString& folder) {
  saveQuestions.push_back({title, proposedName, confirmReplace, folder});
  return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void ScriptedDialogs::ShowWarning(QWidget*, const QString& title, const QString& text) {
  warnings.push_back({title, text});
  if (onWarning) onWarning(warnings.back());
}

void ScriptedDialogs::ShowInformation(QWidget*, const QString& title, const QString& text) {
  notes.push_back({title, text});
}

bool ScriptedDialogs::AskYesNo(QWidget*, const QString&, const QString& text) {
  questions.push_back(text);
  return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
}

bool ScriptedDialogs::ShowFolder(QWidget*, const QString& folder) {
  foldersShown.push_back(folder);
  return true;
}

bool ScriptedDialogs::OpenPage(QWidget*, const QString& file) {
  pagesOpened.push_back(file);
  return browserStarts;
}

}  // namespace yl::test
