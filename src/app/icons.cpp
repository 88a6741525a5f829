#include "app/icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace pyrovel::app {

namespace {

// Drawn on a 24 x 24 grid.
constexpr int kSide = 24;

const QColor kInk(0x33, 0x3a, 0x44);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x2f, 0x7c, 0xd6);
const QColor kGreen(0x3c, 0xa5, 0x4a);
const QColor kRed(0xd2, 0x3f, 0x3a);
const QColor kAmber(0xe8, 0xa3, 0x1c);
const QColor kDirt(0x9a, 0x6a, 0x3c);
const QColor kStone(0x8c, 0x92, 0x9a);
const QColor kCyan(0x3f, 0xc6, 0xe0);

QPen pen(const QColor& c, double width = 1.6) {
  return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void sheet(QPainter& p, const QRectF& r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 5, r.top());
  path.lineTo(r.right(), r.top() + 5);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(pen(kInk, 1.3));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
  p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
  p.setPen(pen(c, 2.2));
  p.drawLine(from, to);
  const QLineF l(to, from);
  QLineF a = l, b = l;
  a.setLength(5);
  b.setLength(5);
  a.setAngle(l.angle() + 40);
  b.setAngle(l.angle() - 40);
  p.drawLine(a);
  p.drawLine(b);
}

void curvedArrow(QPainter& p, bool forward) {
  QPainterPath path;
  if (forward) {
    path.moveTo(5, 17);
    path.cubicTo(5, 8, 15, 6, 19, 11);
  } else {
    path.moveTo(19, 17);
    path.cubicTo(19, 8, 9, 6, 5, 11);
  }
  p.setPen(pen(kBlue, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  const QPointF tip = forward ? QPointF(20, 12) : QPointF(4, 12);
  const double dx = forward ? -1 : 1;
  QPolygonF head{tip, tip + QPointF(dx * 6, -1), tip + QPointF(dx * 1.5, -6)};
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPolygon(head);
}

void magnifier(QPainter& p, bool plus) {
  p.setPen(pen(kInk, 2));
  p.setBrush(QColor(0xe6, 0xf1, 0xfb));
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  p.setPen(pen(kInk, 3));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  p.setPen(pen(kBlue, 2));
  p.drawLine(QPointF(7, 10), QPointF(13, 10));
  if (plus) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void diamond(QPainter& p, QPointF c, double r, const QColor& fill) {
  QPolygonF d{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)};
  p.setPen(pen(fill.darker(150), 1));
  p.setBrush(fill);
  p.drawPolygon(d);
}

void rock(QPainter& p, QPointF c, double r) {
  p.setPen(pen(kStone.darker(150), 1));
  p.setBrush(kStone);
  p.drawEllipse(c, r, r * 0.85);
}

void grid3(QPainter& p, const QRectF& r, const std::function<QColor(int, int)>& colour) {
  const double s = r.width() / 3;
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 3; ++y) {
      p.fillRect(QRectF(r.left() + x * s, r.top() + y * s, s, s), colour(x, y));
    }
  }
  p.setPen(pen(kInk, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

void rectangleTool(QPainter& p, int style) {
  // 0 off: both halves shown; 1 filled; 2 outline.
  const QRectF r(4, 5, 16, 14);
  if (style != 2) {
    QPainterPath fill;
    fill.addRect(r);
    if (style == 0) {
      QPainterPath upper;
      upper.moveTo(r.topLeft());
      upper.lineTo(r.topRight());
      upper.lineTo(r.bottomLeft());
      upper.closeSubpath();
      fill = upper;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kDirt);
    p.drawPath(fill);
  }
  p.setPen(pen(kInk, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

void paint(Glyph g, QPainter& p) {
  switch (g) {
    case Glyph::NewMap:
      sheet(p, QRectF(5, 3, 14, 18));
      p.setPen(pen(kGreen, 2.2));
      p.drawLine(QPointF(16, 14), QPointF(16, 22));
      p.drawLine(QPointF(12, 18), QPointF(20, 18));
      break;
    case Glyph::OpenMap: {
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kAmber.lighter(120));
      p.drawRect(QRectF(3, 6, 18, 14));
      p.drawRect(QRectF(3, 4, 7, 3));
      QPolygonF front{{3, 20}, {6, 10}, {23, 10}, {21, 20}};
      p.setBrush(kAmber);
      p.drawPolygon(front);
      break;
    }
    case Glyph::SaveMap:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kBlue);
      p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(7, 3.5, 10, 6));
      p.setBrush(QColor(0xdd, 0xe3, 0xea));
      p.drawRect(QRectF(6.5, 13, 11, 7.5));
      p.fillRect(QRectF(13.5, 4.5, 2, 4), kInk);
      break;
    case Glyph::ImportLevel:
      p.setPen(pen(kInk, 1.6));
      p.drawPolyline(QPolygonF{{4, 14}, {4, 20}, {20, 20}, {20, 14}});
      arrow(p, QPointF(12, 3), QPointF(12, 16), kGreen);
      break;
    case Glyph::ExportLevel:
      p.setPen(pen(kInk, 1.6));
      p.drawPolyline(QPolygonF{{4, 14}, {4, 20}, {20, 20}, {20, 14}});
      arrow(p, QPointF(12, 16), QPointF(12, 3), kBlue);
      break;
    case Glyph::Undo:
      curvedArrow(p, false);
      break;
    case Glyph::Redo:
      curvedArrow(p, true);
      break;
    case Glyph::Cut:
      p.setPen(pen(kInk, 1.8));
      p.drawLine(QPointF(8, 3), QPointF(15, 15));
      p.drawLine(QPointF(16, 3), QPointF(9, 15));
      p.setBrush(Qt::NoBrush);
      p.setPen(pen(kRed, 2));
      p.drawEllipse(QPointF(7.5, 18), 3, 3);
      p.drawEllipse(QPointF(16.5, 18), 3, 3);
      break;
    case Glyph::Copy:
      sheet(p, QRectF(3, 3, 11, 14));
      sheet(p, QRectF(10, 7, 11, 14));
      break;
    case Glyph::Paste:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kDirt);
      p.drawRoundedRect(QRectF(4, 4, 14, 17), 2, 2);
      p.setBrush(QColor(0xcc, 0xcc, 0xcc));
      p.drawRect(QRectF(8, 2.5, 6, 3));
      sheet(p, QRectF(11, 9, 10, 13));
      break;
    case Glyph::LevelSize:
      p.setPen(pen(kInk, 1.4));
      p.setBrush(QColor(0xe8, 0xee, 0xf4));
      p.drawRect(QRectF(4, 6, 14, 12));
      arrow(p, QPointF(12, 12), QPointF(21, 21), kBlue);
      break;
    case Glyph::Scores: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 4.0 : 9.0;
        const double a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
      }
      p.setPen(pen(kAmber.darker(140), 1.2));
      p.setBrush(kAmber);
      p.drawPolygon(star);
      break;
    }
    case Glyph::Yam:
      grid3(p, QRectF(3.5, 3.5, 17, 17), [](int x, int y) {
        if (x == 1 && y == 1) return kGreen;
        return (x + y) % 2 ? kDirt : kCyan;
      });
      break;
    case Glyph::FullScreen:
      p.setPen(pen(kInk, 2));
      p.drawPolyline(QPolygonF{{4, 9}, {4, 4}, {9, 4}});
      p.drawPolyline(QPolygonF{{15, 4}, {20, 4}, {20, 9}});
      p.drawPolyline(QPolygonF{{20, 15}, {20, 20}, {15, 20}});
      p.drawPolyline(QPolygonF{{9, 20}, {4, 20}, {4, 15}});
      p.fillRect(QRectF(8, 8, 8, 8), kBlue);
      break;
    case Glyph::Help: {
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      QFont f;
      f.setPixelSize(15);
      f.setBold(true);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, kSide, kSide), Qt::AlignCenter, "?");
      break;
    }
    case Glyph::Previous:
    case Glyph::Next: {
      const bool next = g == Glyph::Next;
      QPolygonF t =
          next ? QPolygonF{{8, 5}, {19, 12}, {8, 19}} : QPolygonF{{16, 5}, {5, 12}, {16, 19}};
      p.setPen(pen(kBlue.darker(130), 1.2));
      p.setBrush(kBlue);
      p.drawPolygon(t);
      break;
    }
    case Glyph::SetSize:
      p.setPen(pen(kInk, 1.2));
      p.setBrush(QColor(0xf4, 0xe6, 0xc8));
      p.drawRect(QRectF(3.5, 8.5, 17, 7));
      for (int x = 6; x <= 18; x += 3) p.drawLine(QPointF(x, 8.5), QPointF(x, x % 2 ? 11 : 12.5));
      break;
    case Glyph::ClearLevel:
      p.fillRect(QRectF(3, 3, 18, 18), kStone.darker(110));
      p.fillRect(QRectF(6, 6, 12, 12), kDirt);
      p.fillRect(QRectF(7, 7, 3, 3), kAmber);
      break;
    case Glyph::ZoomIn:
      magnifier(p, true);
      break;
    case Glyph::ZoomOut:
      magnifier(p, false);
      break;
    case Glyph::Selection: {
      QPen dash = pen(kInk, 1.6);
      dash.setDashPattern({2.0, 2.0});
      p.setPen(dash);
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(4, 5, 16, 14));
      break;
    }
    case Glyph::RectangleOff:
      rectangleTool(p, 0);
      break;
    case Glyph::RectangleFilled:
      rectangleTool(p, 1);
      break;
    case Glyph::RectangleOutline:
      rectangleTool(p, 2);
      break;
    case Glyph::Spray:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kRed);
      p.drawRoundedRect(QRectF(4, 10, 7, 11), 1.5, 1.5);
      p.fillRect(QRectF(6, 7, 3, 3), kInk);
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      for (QPointF d : {QPointF(14, 6), QPointF(17, 4), QPointF(19, 8), QPointF(15, 10),
                        QPointF(20, 12), QPointF(17, 14), QPointF(21, 4)}) {
        p.drawEllipse(d, 1, 1);
      }
      break;
    case Glyph::Line:
      p.setPen(pen(kInk, 2.4));
      p.drawLine(QPointF(4, 20), QPointF(20, 4));
      break;
    case Glyph::Chaos:
      p.setPen(pen(kInk, 1.4));
      p.setBrush(kDirt);
      p.drawRect(QRectF(3.5, 3.5, 17, 17));
      rock(p, QPointF(8, 8), 3);
      diamond(p, QPointF(16, 9), 3.5, kCyan);
      diamond(p, QPointF(9, 16), 3.5, kGreen);
      rock(p, QPointF(16, 16), 3);
      break;
    case Glyph::Fill: {
      // A tipped bucket pouring onto a spreading pool.
      QPolygonF bucket{{5, 9}, {13, 3}, {19, 11}, {11, 17}};
      p.setPen(pen(kInk, 1.4));
      p.setBrush(kPaper);
      p.drawPolygon(bucket);
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      QPainterPath pour;
      pour.moveTo(18, 10);
      pour.cubicTo(21, 12, 21, 15, 20, 17);
      pour.lineTo(18, 17);
      pour.cubicTo(19, 15, 19, 13, 17, 11.5);
      pour.closeSubpath();
      p.drawPath(pour);
      p.drawEllipse(QPointF(17, 20.5), 5, 1.8);
      break;
    }
    case Glyph::Pick: {
      // An eyedropper over the drop it took up.
      p.save();
      p.translate(12, 12);
      p.rotate(45);
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(-2.5, -4, 5, 12), 1.5, 1.5);  // the glass tube
      p.setBrush(kInk);
      p.drawRoundedRect(QRectF(-3.5, -10, 7, 6), 2, 2);  // the bulb
      p.drawLine(QPointF(0, 8), QPointF(0, 11));           // the tip
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawRect(QRectF(-1.5, 2, 3, 5));  // what it holds
      p.restore();
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(QPointF(4.5, 20), 2, 2);
      break;
    }
    case Glyph::TestLevel:
    case Glyph::TestTarget: {
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF{{9.5, 7}, {17, 12}, {9.5, 17}});
      if (g == Glyph::TestTarget) {
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF{{15, 19}, {23, 19}, {19, 23}});
      }
      break;
    }
    case Glyph::ResourceFolder:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kAmber.lighter(120));
      p.drawRect(QRectF(3, 6, 18, 14));
      p.drawRect(QRectF(3, 4, 7, 3));
      break;
    case Glyph::ResourceCave:
      p.fillRect(QRectF(3, 4, 18, 16), kDirt);
      rock(p, QPointF(8, 9), 3);
      diamond(p, QPointF(15, 14), 4, kCyan);
      break;
    case Glyph::ResourceLevelset:
      p.fillRect(QRectF(7, 2, 14, 12), kDirt.darker(120));
      p.fillRect(QRectF(3, 8, 14, 13), kDirt);
      diamond(p, QPointF(10, 14.5), 4, kCyan);
      break;
    case Glyph::ResourceBitmap:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(QColor(0xcf, 0xe6, 0xf7));
      p.drawRect(QRectF(3.5, 4.5, 17, 15));
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawPolygon(QPolygonF{{4, 19}, {10, 11}, {15, 19}});
      p.setBrush(kAmber);
      p.drawEllipse(QPointF(16, 9), 2.2, 2.2);
      break;
    case Glyph::ResourceIcon:
      grid3(p, QRectF(4.5, 4.5, 15, 15), [](int x, int y) { return (x + y) % 2 ? kBlue : kPaper; });
      break;
    case Glyph::ResourceCursor:
      p.setPen(pen(kInk, 1.2));
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF{{7, 3}, {7, 19}, {11, 15}, {14, 21}, {16, 20}, {13, 14}, {18, 14}});
      break;
    case Glyph::ResourceStrings:
      sheet(p, QRectF(5, 3, 14, 18));
      p.setPen(pen(kInk, 1.2));
      for (double y : {9.0, 12.5, 16.0}) p.drawLine(QPointF(8, y), QPointF(16, y));
      break;
    case Glyph::ResourceMenu:
      p.setPen(pen(kInk, 1.3));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 3.5, 15, 17));
      p.fillRect(QRectF(5, 4, 14, 3.5), kBlue);
      p.setPen(pen(kInk, 1.2));
      for (double y : {11.0, 14.5, 18.0}) p.drawLine(QPointF(7, y), QPointF(15, y));
      break;
    case Glyph::ResourceData:
      sheet(p, QRectF(5, 3, 14, 18));
      p.fillRect(QRectF(8, 9, 3, 3), kStone);
      p.fillRect(QRectF(12, 9, 3, 3), kInk);
      p.fillRect(QRectF(8, 14, 3, 3), kInk);
      p.fillRect(QRectF(12, 14, 3, 3), kStone);
      break;
    case Glyph::ProgramIcon:
      p.fillRect(QRectF(0, 0, kSide, kSide), QColor(0x20, 0x22, 0x2a));
      p.fillRect(QRectF(0, 14, kSide, 10), kDirt);
      rock(p, QPointF(7, 9), 4.5);
      diamond(p, QPointF(17, 8), 5, kCyan);
      break;
  }
}

// `side` device-independent pixels at `density` device pixels each: drawn
// at that size straight away, which is cheaper than scaling a bigger one.
QPixmap render(Glyph g, int side, int density) {
  const int pixels = side * density;
  QPixmap pm(pixels, pixels);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(qreal(pixels) / kSide, qreal(pixels) / kSide);
  paint(g, p);
  p.end();
  pm.setDevicePixelRatio(density);
  return pm;
}

// The drawing tools' icon ids (see editor/drawing_tool_registry.cpp).
struct ToolGlyph {
  std::string_view iconId;
  Glyph glyph;
};
constexpr ToolGlyph kToolGlyphs[] = {
    {"selection", Glyph::Selection},
    {"rectangleOff", Glyph::RectangleOff},
    {"rectangleFilled", Glyph::RectangleFilled},
    {"rectangleOutline", Glyph::RectangleOutline},
    {"spray", Glyph::Spray},
    {"line", Glyph::Line},
    {"chaos", Glyph::Chaos},
    {"fill", Glyph::Fill},
    {"pick", Glyph::Pick},
};

}  // namespace

QIcon toolIcon(std::string_view iconId) {
  for (const ToolGlyph& t : kToolGlyphs) {
    if (t.iconId == iconId) return glyphIcon(t.glyph);
  }
  return {};
}

namespace {

// Draws a glyph when a size of it is first shown, and keeps each size drawn:
// most icons are never shown at start, or at more than one size.
class GlyphIconEngine : public QIconEngine {
 public:
  explicit GlyphIconEngine(Glyph glyph) : glyph_(glyph) {}
  QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    // Sizes come in device-independent pixels; the scale picks the density.
    const int density = scale > 1.0 ? 2 : 1;
    const int side = std::min({size.width(), size.height(), kSide});
    const bool disabled = mode == QIcon::Disabled;
    // Buttons ask again at every paint: each look is drawn once.
    for (const Drawn& d : drawn_) {
      if (d.side == side && d.density == density && d.disabled == disabled) return d.pixmap;
    }
    QPixmap shown = render(glyph_, side, density);
    if (disabled) {
      QStyleOption option;
      shown = QApplication::style()->generatedIconPixmap(QIcon::Disabled, shown, &option);
    }
    drawn_.push_back({side, density, disabled, shown});
    return shown;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return size.boundedTo(QSize(kSide, kSide));
  }

 private:
  struct Drawn {
    int side;
    int density;
    bool disabled;
    QPixmap pixmap;
  };
  Glyph glyph_;
  std::vector<Drawn> drawn_;
};

}  // namespace

QIcon glyphIcon(Glyph glyph) {
  return QIcon(new GlyphIconEngine(glyph));
}

}  // namespace pyrovel::app
