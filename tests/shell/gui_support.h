// Helpers of the GUI tests: the offscreen main, and answering the modal
// dialog that a call is about to open.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

namespace yl::test {

// Runs `answer` on the first modal dialog of type Dialog that opens from now
// on (it must close the dialog). Call it before the call that opens one.
template <typename Dialog>
void AnswerNextModal(std::function<void(Dialog*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    answer(dialog);
  });
  poll->start();
}

// The controls in the order Tab visits them (Qt skips those it cannot
// reach at the moment): the window's focus chain from the first, one round.
inline QList<QWidget*> FocusOrder(const QList<QWidget*>& controls) {
  QList<QWidget*> order;
  QWidget* at = controls.value(0);
  do {
    if (controls.contains(at)) order << at;
    at = at->nextInFocusChain();
  } while (at != nullptr && at != controls.value(0));
  return order;
}

}  // namespace yl::test

// A Qt Test main that runs offscreen unless told otherwise.
#define YL_GUI_TEST_MAIN(TestClass)                                                              \
  int main(int argc, char** argv) {                                                              \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication application(argc, argv);                                                        \
    TestClass test;                                                                              \
    return QTest::qExec(&test, argc, argv);                                                      \
  }
