#include "app/objects_help_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/level_paint.h"
#include "app/objects_palette.h"
#include "app/text_codec.h"
#include "model/object_catalogue.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

namespace {

QToolButton* arrow(QWidget* parent, const char* name, const QString& hint, Qt::ArrowType type) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setArrowType(type);
  b->setAutoRaise(true);
  return b;
}

}  // namespace

ObjectsHelpWindow::ObjectsHelpWindow(const ObjectCatalogue& catalogue, const SpriteStrip& strip,
                                     Dialogs* dialogs, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), strip_(strip), dialogs_(dialogs) {
  setObjectName("objectsHelpWindow");
  setWindowTitle("Help");
  setWindowFlag(Qt::Window);

  auto* row = new QHBoxLayout(this);
  // Left: the hint line above the palette.
  auto* left = new QVBoxLayout;
  objectHint_ = plainLabel({}, this);
  objectHint_->setToolTip("Point at an object to see its name, click it for its help");
  objectHint_->setObjectName("objectHint");
  objectHint_->setFixedHeight(40);
  objectHint_->setWordWrap(true);
  objectHint_->setFixedWidth(ObjectsCanvas::kCell * kPaletteColumns + 6);
  palette_ = new ObjectsCanvas(this);
  palette_->setObjectName("palette");
  palette_->setColumns(kPaletteColumns);
  palette_->setStrip(&strip_);
  left->addWidget(objectHint_);
  left->addWidget(palette_, 0, Qt::AlignTop | Qt::AlignHCenter);
  left->addStretch(1);
  row->addLayout(left);

  // Right: previous / next, the sprite and name, the text.
  auto* right = new QVBoxLayout;
  auto* header = new QHBoxLayout;
  auto* prev = arrow(this, "PrevImage", "previous", Qt::LeftArrow);
  auto* next = arrow(this, "NextImage", "next", Qt::RightArrow);
  sprite_ = new QLabel(this);
  sprite_->setObjectName("sprite");
  sprite_->setFixedSize(kSpriteSide, kSpriteSide);
  objectTitle_ = plainLabel({}, this);
  objectTitle_->setObjectName("objectTitle");
  QFont bold = objectTitle_->font();
  bold.setBold(true);
  objectTitle_->setFont(bold);
  header->addWidget(sprite_);
  header->addWidget(objectTitle_, 1);
  header->addWidget(prev);
  header->addWidget(next);
  right->addLayout(header);
  objectText_ = new QPlainTextEdit(this);
  objectText_->setObjectName("objectText");
  objectText_->setReadOnly(true);
  objectText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  objectText_->setStyleSheet("QPlainTextEdit { background: black; color: white; }");
  right->addWidget(objectText_, 1);
  row->addLayout(right, 1);

  basePanel_ = makeBasePanel();
  basePanel_->hide();
  row->addWidget(basePanel_);

  connect(prev, &QToolButton::clicked, this, &ObjectsHelpWindow::previousObject);
  connect(next, &QToolButton::clicked, this, &ObjectsHelpWindow::nextObject);
  connect(palette_, &ObjectsCanvas::hovered, this, [this](int object) {
    objectHint_->setText(object < 0 ? QString() : "  " + fromStd(catalogue_.label(object)));
  });
  connect(palette_, &ObjectsCanvas::chosen, this, &ObjectsHelpWindow::chooseObject);
  connect(objectText_, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_ && !objectText_->isReadOnly()) help_.markChanged();
  });
  resize(583, 499);
}

QWidget* ObjectsHelpWindow::makeBasePanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("documentPanel");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QHBoxLayout;
  auto* save = new QPushButton("Save", panel);
  save->setObjectName("saveButton");
  save->setToolTip("Writes ObjectsHelp.txt and Offsets.txt into the current folder");
  auto* rescan = new QPushButton("ReScan", panel);
  rescan->setObjectName("rescanButton");
  buttons->addWidget(save);
  buttons->addWidget(rescan);
  column->addLayout(buttons);
  auto* lists = new QHBoxLayout;
  sections_ = new QListWidget(panel);
  sections_->setObjectName("sections");
  sections_->setFixedWidth(60);
  documentView_ = new QPlainTextEdit(panel);
  documentView_->setObjectName("document");
  documentView_->setReadOnly(true);
  documentView_->setLineWrapMode(QPlainTextEdit::NoWrap);
  documentView_->setMinimumWidth(260);
  lists->addWidget(sections_);
  lists->addWidget(documentView_, 1);
  column->addLayout(lists, 1);
  connect(save, &QPushButton::clicked, this, [this] { saveText(QDir::currentPath()); });
  connect(rescan, &QPushButton::clicked, this, &ObjectsHelpWindow::scanText);
  return panel;
}

void ObjectsHelpWindow::setObjects(const Palette& palette) {
  palette_->setEntries(palette);
  palette_->setColumns(kPaletteColumns);
  palette_->setFixedSize(palette_->sizeHint());
}

void ObjectsHelpWindow::setDevelopmentMode(bool on) {
  if (on == !basePanel_->isHidden()) return;
  // The document editor comes beside the help, so the window grows by it.
  const int extra = basePanel_->sizeHint().width() + layout()->spacing();
  basePanel_->setVisible(on);
  resize(width() + (on ? extra : -extra), height());
  objectText_->setReadOnly(!on);
  if (on) showDocument();
}

void ObjectsHelpWindow::refreshSprites() {
  palette_->update();
  displayObjectHelp();
}

void ObjectsHelpWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  palette_->setColumns(kPaletteColumns);
  // An edit of section 0 still in the text box is written back first.
  if (help_.currentObject() == 0) help_.select(2, shownLines());
  displayObjectHelp();
}

void ObjectsHelpWindow::displayObjectHelp() {
  const int n = help_.displayObjectHelp(catalogue_.size());
  objectTitle_->setText("Object " + fromStd(catalogue_.label(n)));
  QStringList lines;
  for (const auto& line : help_.section(n)) lines << fromRecordText(line);
  showing_ = true;
  objectText_->setPlainText(lines.join('\n'));
  showing_ = false;
  sprite_->setPixmap(n < strip_.count() ? spritePixmap(strip_, n, kSpriteSide) : QPixmap());
}

std::vector<std::string> ObjectsHelpWindow::shownLines() const {
  std::vector<std::string> lines;
  for (const QString& line : objectText_->toPlainText().split('\n'))
    lines.push_back(toRecordText(line));
  return lines;
}

template <class Step>
void ObjectsHelpWindow::guarded(Step&& step) {
  const bool wasChanged = help_.changed();
  try {
    step();
  } catch (const std::exception& e) {
    if (dialogs_) {
      dialogs_->error(this, fromStd(e.what()));
    } else {
      QMessageBox::critical(this, windowTitle(), fromStd(e.what()));
    }
    return;  // the edit stays in the text box
  }
  if (wasChanged) showDocument();
  displayObjectHelp();
}

void ObjectsHelpWindow::nextObject() {
  guarded([this] { help_.nextObject(shownLines()); });
}

void ObjectsHelpWindow::previousObject() {
  guarded([this] { help_.previousObject(shownLines()); });
}

void ObjectsHelpWindow::chooseObject(int object) {
  guarded([this, object] { help_.select(object, shownLines()); });
}

void ObjectsHelpWindow::scanText() {
  guarded([this] {
    help_.scanText();
    showDocument();
  });
}

void ObjectsHelpWindow::saveText(const QString& directory) {
  guarded([this, &directory] {
    if (help_.changed()) help_.select(help_.currentObject(), shownLines());
    help_.saveText(directory.toStdString());
  });
}

void ObjectsHelpWindow::showDocument() {
  if (basePanel_->isHidden()) return;
  QStringList doc;
  for (const auto& line : help_.document()) doc << fromRecordText(line);
  documentView_->setPlainText(doc.join('\n'));
  sections_->clear();
  for (int offset : help_.offsets()) sections_->addItem(QString::number(offset));
}

}  // namespace pyrovel::app
