#include "app/tool_option_bars.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <algorithm>

#include "app/controls.h"
#include "app/level_paint.h"

namespace pyrovel::app {

namespace {

constexpr int kSpriteIcon = 16;

QHBoxLayout* barLayout(QFrame* bar) {
  bar->setFrameShape(QFrame::NoFrame);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(6);
  return layout;
}

QSpinBox* spinEdit(QWidget* parent, const char* name, int min, int max, int value) {
  auto* spin = namedSpinEdit(parent, name, min, max);
  spin->setValue(value);
  spin->setAccelerated(true);
  spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  // Only a click puts the keyboard here: a bar that appears must not take
  // it, or Ctrl+Z would undo in the number instead of in the level.
  spin->setFocusPolicy(Qt::ClickFocus);
  return spin;
}

}  // namespace

SprayOptionsBar::SprayOptionsBar(SprayOptions& options, QWidget* parent)
    : QFrame(parent), options_(options) {
  setObjectName("sprayOptions");
  QHBoxLayout* layout = barLayout(this);
  auto* amount = spinEdit(this, "sprayAmount", SprayOptions::kMin, SprayOptions::kMax,
                          options.objectsPerEvent);
  amount->setToolTip("Objects put down at each spray");
  auto* size =
      spinEdit(this, "spraySize", SprayOptions::kMin, SprayOptions::kMax, options.squareSide);
  size->setToolTip("Side of the square the spray scatters in");
  auto* check = new QCheckBox("Spray only in space and dirt", this);
  check->setObjectName("sprayOnlySpaceAndDirt");
  check->setChecked(options.onlySpaceAndDirt);
  check->setFocusPolicy(Qt::ClickFocus);
  layout->addWidget(plainLabel("Amount", this));
  layout->addWidget(amount);
  layout->addSpacing(6);
  layout->addWidget(plainLabel("Size", this));
  layout->addWidget(size);
  layout->addSpacing(6);
  layout->addWidget(check);
  connect(amount, &QSpinBox::valueChanged, this, [this](int v) { options_.objectsPerEvent = v; });
  connect(size, &QSpinBox::valueChanged, this, [this](int v) { options_.squareSide = v; });
  connect(check, &QCheckBox::toggled, this, [this](bool on) { options_.onlySpaceAndDirt = on; });
}

ChaosOptionsBar::ChaosOptionsBar(ChaosOptions& options, QWidget* parent)
    : QFrame(parent), options_(options) {
  setObjectName("chaosOptions");
  QHBoxLayout* layout = barLayout(this);
  auto* include = plainLabel("Include", this);
  QFont bold = include->font();
  bold.setBold(true);
  include->setFont(bold);
  layout->addWidget(include);
  for (int i = 0; i < ChaosOptions::kBoxes; ++i) {
    auto* box =
        new QCheckBox(QString::fromUtf8(ChaosOptions::caption(i).data(),
                                        static_cast<qsizetype>(ChaosOptions::caption(i).size())),
                      this);
    box->setObjectName(QString("chaosBox%1").arg(i + 1));
    box->setChecked(options.checked[static_cast<std::size_t>(i)]);
    box->setIconSize(QSize(kSpriteIcon, kSpriteIcon));
    box->setFocusPolicy(Qt::ClickFocus);
    connect(box, &QCheckBox::toggled, this,
            [this, i](bool on) { options_.checked[static_cast<std::size_t>(i)] = on; });
    boxes_[static_cast<std::size_t>(i)] = box;
    layout->addWidget(box);
  }
  objectNumber_ =
      spinEdit(this, "chaosObjectNumber", 0, ChaosOptions::kMaxObjectNumber, options.lastBoxObject);
  objectNumber_->setToolTip("The object number \"Object Number\" adds");
  layout->addWidget(objectNumber_);
  connect(objectNumber_, &QSpinBox::valueChanged, this, [this](int v) {
    options_.lastBoxObject = v;
    if (strip_) showSprites(*strip_);
  });
}

int ChaosOptionsBar::heightHint() {
  QWidget probe;
  const QSpinBox* number = spinEdit(&probe, "number", 0, ChaosOptions::kMaxObjectNumber, 0);
  QPixmap sprite(kSpriteIcon, kSpriteIcon);
  sprite.fill(Qt::black);
  auto* box = new QCheckBox("Include", &probe);
  box->setIconSize(QSize(kSpriteIcon, kSpriteIcon));
  box->setIcon(QIcon(sprite));
  return std::max(number->sizeHint().height(), box->sizeHint().height());
}

void ChaosOptionsBar::showSprites(const SpriteStrip& strip) {
  strip_ = &strip;
  // The boxes in order give the same objects as the chaos list with every box checked.
  ChaosOptions all = options_;
  all.checked.fill(true);
  const std::vector<int> objects = all.chaosList();
  for (std::size_t i = 0; i < sprites_.size() && i < objects.size(); ++i) {
    sprites_[i] = QIcon(spritePixmap(strip, objects[i], kSpriteIcon));
  }
  const bool shown = spritesShown_;
  spritesShown_ = true;
  applySprites();
  layout()->invalidate();
  widthWithSprites_ = layout()->sizeHint().width();
  spritesShown_ = shown;
  applySprites();
}

void ChaosOptionsBar::fitWidth(int available) {
  const bool show = available >= widthWithSprites_;
  if (show == spritesShown_) return;
  spritesShown_ = show;
  applySprites();
}

void ChaosOptionsBar::applySprites() {
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    boxes_[i]->setIcon(spritesShown_ ? sprites_[i] : QIcon());
}

}  // namespace pyrovel::app
