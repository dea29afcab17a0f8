// A read-only window showing one report or error log in a fixed-width font,
// whatever its line ends, with a find bar (Ctrl+F).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace yl::shell {

// The file's bytes as text: every line end ("\r\n", "\r" or "\n") becomes
// "\n"; bytes are read as UTF-8 when they are valid UTF-8, else as Mac OS
// Roman, the transcripts' own encoding.
QString ReportText(const QByteArray& bytes);

class ReportViewer : public QWidget {
  Q_OBJECT

 public:
  explicit ReportViewer(QWidget* parent = nullptr);

  // Shows the file; false, with the reason in `error`, when it cannot be read.
  bool Open(const QString& path, QString& error);

  QPlainTextEdit* text() const { return text_; }
  QLineEdit* findField() const { return find_; }
  QLabel* findStatus() const { return status_; }

  // Selects the next (or previous) place of the find field's text, wrapping
  // at the end; false when it is nowhere.
  bool FindNext(bool backward = false);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFindBar();
  void HideFindBar();

  QPlainTextEdit* text_;
  QWidget* findBar_;
  QLineEdit* find_;
  QLabel* status_;
};

}  // namespace yl::shell
