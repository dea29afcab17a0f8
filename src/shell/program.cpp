// The program's icon, drawn at run time so that no picture file ships with
// it, and the About dialog.
#include "shell/program.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "run/version.h"

namespace yl::shell {

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);

  // The field: a rounded green square with white yard lines.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2e, 0x7d, 0x32));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  painter.setPen(QPen(QColor(255, 255, 255, 170), 2));
  for (int x = 14; x <= 50; x += 12)
    painter.drawLine(QPointF(x, 6), QPointF(x, 58));

  // The ball: a brown ellipse tilted across the field, with its lacing.
  painter.translate(32, 32);
  painter.rotate(-35);
  painter.setPen(QPen(QColor(0x3e, 0x1f, 0x0d), 2));
  painter.setBrush(QColor(0x8b, 0x45, 0x13));
  painter.drawEllipse(QRectF(-25, -14, 50, 28));
  painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(-10, 0), QPointF(10, 0));
  for (int x = -6; x <= 6; x += 4)
    painter.drawLine(QPointF(x, -4), QPointF(x, 4));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128})
    icon.addPixmap(DrawIcon(size));
  return icon;
}

void PlaceOver(QWidget* window, const QWidget* over) {
  const QScreen* screen = over != nullptr ? over->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  // A window given no size yet takes the one its contents ask for.
  if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
  // The frame a window manager adds is not known before the window is
  // shown: leave room for a title bar and borders.
  const QSize frame(16, 48);
  const QSize size = window->size().boundedTo(room.size() - frame);
  window->resize(size);
  const QRect target = over != nullptr ? over->frameGeometry() : room;
  QRect placed(QPoint(0, 0), size + frame);
  placed.moveCenter(target.center());
  placed.moveLeft(qBound(room.left(), placed.left(), room.right() - placed.width() + 1));
  placed.moveTop(qBound(room.top(), placed.top(), room.bottom() - placed.height() + 1));
  window->move(placed.topLeft());
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Yardledger"));
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  auto* version = new QLabel(tr("Yardledger Version %1").arg(run::kVersion), this);
  auto* purpose = new QLabel(
      tr("Compiles the statistics of a football league from its games' transcripts."), this);
  auto* license = new QLabel(tr("License: to be announced."), this);
  auto* qt =
      new QLabel(tr("Built with Qt %1, running on Qt %2.").arg(QT_VERSION_STR, qVersion()), this);
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addSpacing(version->fontMetrics().averageCharWidth() * 2);
  auto* texts = new QVBoxLayout;
  texts->addWidget(version);
  texts->addWidget(purpose);
  texts->addWidget(license);
  texts->addWidget(qt);
  row->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(row);
  layout->addLayout(buttons);
}

}  // namespace yl::shell
