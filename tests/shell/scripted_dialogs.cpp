// Dialogs answered by the test.
#include "scripted_dialogs.h"

namespace yl::test {

QStringList ScriptedDialogs::AskOpenFiles(QWidget*, const QString& filter) {
  openFilters.push_back(filter);
  return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

QString ScriptedDialogs::AskSaveFile(QWidget*, const QString& title, const QString& proposedName,
                                     bool confirmReplace) {
  saveQuestions.push_back({title, proposedName, confirmReplace});
  return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void ScriptedDialogs::ShowWarning(QWidget*, const QString& title, const QString& text) {
  warnings.push_back({title, text});
  if (onWarning) onWarning(warnings.back());
}

}  // namespace yl::test
