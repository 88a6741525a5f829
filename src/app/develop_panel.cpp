#include "app/develop_panel.h"

#include <QGridLayout>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/level_paint.h"

namespace pyrovel::app {

DevelopPanel::DevelopPanel(QWidget* owner) : ToolWindow(owner, "developPanel", "  Development") {
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  pages->setObjectName("developPages");
  layout->addWidget(pages);

  allObjects_ = new QListWidget;
  allObjects_->setObjectName("allObjects");
  allObjects_->setIconSize(QSize(20, 20));
  allObjects_->setUniformItemSizes(true);
  pages->addTab(allObjects_, "All Objects");
  connect(allObjects_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit objectPicked(row);
  });

  auto* temp = new QWidget;
  auto* grid = new QGridLayout(temp);
  const char* captions[] = {"Redraw Objects",    "Load Brel", "Go Emerald", "New Window",
                            "Hide Form1 canvas", "EM",        "Das",        "EM to objects",
                            "Objects to EM"};
  int i = 0;
  for (const char* caption : captions) {
    auto* b = new QPushButton(caption, temp);
    b->setObjectName(QString("develop") + QString(caption).remove(' '));
    grid->addWidget(b, i / 2, i % 2);
    ++i;
  }
  grid->setRowStretch(i / 2 + 1, 1);
  pages->addTab(temp, "Temp");

  auto* imports = new QWidget;
  auto* col = new QVBoxLayout(imports);
  viewUnknown_ = new QCheckBox("View unknown", imports);
  clearInBetween_ = new QCheckBox("Clear in between", imports);
  viewOnly_ = new QCheckBox("View only", imports);
  for (QCheckBox* c : {viewUnknown_, clearInBetween_}) col->addWidget(c);
  // "View only" shows just the line of the key typed beside it.
  onlyKey_ = new QLineEdit(imports);
  onlyKey_->setObjectName("viewOnlyKey");
  onlyKey_->setPlaceholderText("unknown2.3");
  onlyKey_->setToolTip("The one line to show: unknown1, unknown2.1 to unknown2.12 or "
                       "unknown3.1 to unknown3.10");
  onlyKey_->setEnabled(false);
  connect(viewOnly_, &QCheckBox::toggled, onlyKey_, &QWidget::setEnabled);
  auto* onlyRow = new QHBoxLayout;
  onlyRow->addWidget(viewOnly_);
  onlyRow->addWidget(onlyKey_, 1);
  col->addLayout(onlyRow);
  auto* row = new QHBoxLayout;
  for (const char* caption : {"Show levelinfo", "Clear"}) {
    auto* b = new QPushButton(caption, imports);
    b->setObjectName(QString("develop") + QString(caption).remove(' '));
    row->addWidget(b);
  }
  col->addLayout(row);
  importLog_ = new QPlainTextEdit(imports);
  importLog_->setObjectName("importLog");
  col->addWidget(importLog_, 1);
  pages->addTab(imports, "ImportRoutines");
  connect(button("Clear"), &QPushButton::clicked, importLog_, &QPlainTextEdit::clear);

  resize(305, 401);
}

QPushButton* DevelopPanel::button(const QString& caption) const {
  return findChild<QPushButton*>("develop" + QString(caption).remove(' '));
}

void DevelopPanel::fillObjects(const SpriteStrip& strip, const ObjectCatalogue& catalogue) {
  strip_ = &strip;
  catalogue_ = &catalogue;
  objectsStale_ = true;
  if (isVisible()) fillWhenShown();
}

void DevelopPanel::showEvent(QShowEvent* event) {
  ToolWindow::showEvent(event);
  fillWhenShown();
}

void DevelopPanel::fillWhenShown() {
  if (!objectsStale_) return;
  objectsStale_ = false;
  QSignalBlocker block(allObjects_);
  allObjects_->clear();
  for (int n = 0; n < strip_->count(); ++n) {
    auto* item = new QListWidgetItem(QIcon(spritePixmap(*strip_, n, 20)),
                                     QString::fromStdString(catalogue_->item(n)));
    item->setSizeHint(QSize(0, 20));
    allObjects_->addItem(item);
  }
}

}  // namespace pyrovel::app
