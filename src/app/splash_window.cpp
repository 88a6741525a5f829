#include "app/splash_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QUrl>
#include <QVBoxLayout>

#include "model/configuration.h"

namespace pyrovel::app {

namespace {

void drawRock(QPainter& p, QPointF c, double r) {
  QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
  g.setColorAt(0, QColor(0xc8, 0xcc, 0xd2));
  g.setColorAt(1, QColor(0x55, 0x5a, 0x62));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r * 0.88);
}

void drawGem(QPainter& p, QPointF c, double r, QColor colour) {
  QPolygonF outline{c + QPointF(0, -r), c + QPointF(r, -r / 5), c + QPointF(0, r),
                    c + QPointF(-r, -r / 5)};
  p.setPen(QPen(colour.darker(160), 1));
  p.setBrush(colour);
  p.drawPolygon(outline);
  p.setBrush(colour.lighter(160));
  p.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r / 2.2, -r / 5), c + QPointF(0, r / 6),
                          c + QPointF(-r / 2.2, -r / 5)});
}

}  // namespace

QPixmap splashPicture(const QSize& size) {
  QPixmap pm(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height();

  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(0x10, 0x12, 0x1c));
  sky.setColorAt(1, QColor(0x2a, 0x20, 0x18));
  p.fillRect(pm.rect(), sky);

  // A band of earth with a tunnel dug through it.
  const double ground = h * 0.58;
  p.fillRect(QRectF(0, ground, w, h - ground), QColor(0x7a, 0x52, 0x2e));
  QRandomGenerator grain(7);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 500; ++i) {
    p.setBrush(QColor(0x5c, 0x3c, 0x20, 160));
    p.drawEllipse(QPointF(grain.bounded(w), ground + grain.bounded(h - ground)), 1.6, 1.6);
  }
  QPainterPath tunnel;
  tunnel.moveTo(0, h * 0.80);
  tunnel.cubicTo(w * 0.3, h * 0.70, w * 0.5, h * 0.92, w, h * 0.76);
  tunnel.lineTo(w, h * 0.86);
  tunnel.cubicTo(w * 0.5, h * 1.0, w * 0.3, h * 0.78, 0, h * 0.88);
  tunnel.closeSubpath();
  p.setBrush(QColor(0x14, 0x10, 0x0c));
  p.drawPath(tunnel);

  // A wall of solid blocks along the top of the earth.
  for (double x = 0; x < w; x += 24) {
    p.fillRect(QRectF(x + 1, ground - 24, 22, 22), QColor(0x6b, 0x70, 0x78));
    p.fillRect(QRectF(x + 1, ground - 24, 22, 3), QColor(0x9a, 0xa0, 0xa8));
  }
  drawRock(p, QPointF(w * 0.12, ground + 30), 16);
  drawRock(p, QPointF(w * 0.30, ground + 48), 13);
  drawRock(p, QPointF(w * 0.86, ground + 36), 17);
  drawGem(p, QPointF(w * 0.55, ground + 34), 17, QColor(0x46, 0xd0, 0xe8));
  drawGem(p, QPointF(w * 0.70, ground + 58), 14, QColor(0x4c, 0xc0, 0x58));
  drawGem(p, QPointF(w * 0.40, ground + 58), 13, QColor(0xe8, 0x4a, 0x70));

  QFont title;
  title.setPixelSize(static_cast<int>(h * 0.13));
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0xf2, 0xc2, 0x3c));
  p.drawText(QRectF(0, h * 0.10, w, h * 0.18), Qt::AlignCenter, "PRVL Level Editor");
  QFont sub;
  sub.setPixelSize(static_cast<int>(h * 0.06));
  p.setFont(sub);
  p.setPen(QColor(0xe0, 0xe0, 0xe0));
  p.drawText(QRectF(0, h * 0.29, w, h * 0.08), Qt::AlignCenter,
             QString("Levels for Pyrovel   ") + kVersionText);
  p.end();
  return pm;
}

SplashWindow::SplashWindow(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("splashWindow");
  setWindowTitle("About");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* picture = new QLabel(this);
  picture->setObjectName("splashPicture");
  picture->setPixmap(splashPicture(QSize(480, 300)));
  layout->addWidget(picture);

  buttons_ = new QWidget(this);
  auto* row = new QHBoxLayout(buttons_);
  auto* web = new QPushButton("Web page", buttons_);
  web->setObjectName("splashWeb");
  auto* mail = new QPushButton("Mail", buttons_);
  mail->setObjectName("splashMail");
  auto* ok = new QPushButton("OK", buttons_);
  ok->setObjectName("splashOk");
  ok->setDefault(true);
  row->addWidget(web);
  row->addWidget(mail);
  row->addStretch(1);
  row->addWidget(ok);
  layout->addWidget(buttons_);
  buttons_->hide();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(web, &QPushButton::clicked, [] { QDesktopServices::openUrl(QUrl(kMakerWebPage)); });
  connect(mail, &QPushButton::clicked, [] { QDesktopServices::openUrl(QUrl(kMakerMail)); });
}

void SplashWindow::showAbout() {
  aboutMode_ = true;
  buttons_->show();
  setWindowFlags(Qt::Dialog);
  setWindowTitle("About");
  setModal(true);
  adjustSize();
  exec();
  aboutMode_ = false;
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
  if (!aboutMode_) close();  // a click on the picture ends the splash
  QDialog::mousePressEvent(event);
}

}  // namespace pyrovel::app
