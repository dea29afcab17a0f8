// Dialog units from the font's average character width and height; control ids.
#include "shell/dialog_layout.h"

#include <QFontMetrics>
#include <QWidget>

namespace yl::shell {

namespace {

// a × b ÷ c, rounded to the nearest whole number.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// The average width is measured over the 52 letters, rounded to the nearest
// pixel, the way dialog base units are defined.
int AverageCharWidth(const QFontMetrics& metrics) {
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int width = metrics.horizontalAdvance(kLetters);
  return qMax(1, (width / 26 + 1) / 2);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : baseX_(AverageCharWidth(QFontMetrics(font))), baseY_(qMax(1, QFontMetrics(font).height())) {}

int DialogUnits::X(int units) const {
  return MulDiv(units, baseX_, 4);
}

int DialogUnits::Y(int units) const {
  return MulDiv(units, baseY_, 8);
}

// Edges are converted rather than sizes, so that controls that meet in
// dialog units meet in pixels too, without a gap or an overlap.
QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
}

void Place(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height) {
  widget->setGeometry(units.Rect(x, y, width, height));
}

void PlaceAt(QWidget* widget, const DialogUnits& units, int x, int y, int height) {
  const QSize size = widget->sizeHint();
  const int pixels = height > 0 ? units.Y(y + height) - units.Y(y) : size.height();
  widget->setGeometry(QRect(QPoint(units.X(x), units.Y(y)), QSize(size.width(), pixels)));
}

void PlaceBeside(QWidget* widget, const QWidget* caption, const DialogUnits& units, int x, int y,
                 int width, int height) {
  QRect place = units.Rect(x, y, width, height);
  const int clear = caption->geometry().right() + 1 + units.X(2);
  if (place.left() < clear) place.setLeft(qMin(clear, place.right()));
  widget->setGeometry(place);
}

void SetControlId(QWidget* control, int id) {
  control->setProperty("controlId", id);
}

QWidget* FindControl(const QWidget* dialog, int id) {
  // Controls of the dialog itself, not of the dialogs it owns.
  for (QWidget* child : dialog->findChildren<QWidget*>()) {
    if (child->window() == dialog->window() && child->property("controlId") == QVariant(id))
      return child;
  }
  return nullptr;
}

}  // namespace yl::shell
