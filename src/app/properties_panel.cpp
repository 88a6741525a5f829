#include "app/properties_panel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/controls.h"
#include "app/pattern_box.h"
#include "app/text_codec.h"
#include "editor/score_grid.h"
#include "model/level_header.h"

namespace pyrovel::app {

namespace {

// Column 1 of the score grid: every keystroke is stored at once, and when
// the cell is left it shows the value as stored (300 in a byte reads 44).
class ScoreDelegate : public QStyledItemDelegate {
 public:
  ScoreDelegate(LevelProperties& props, QObject* parent)
      : QStyledItemDelegate(parent), props_(props) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const int row = index.row();
    connect(editor, &QLineEdit::textEdited, editor,
            [this, row](const QString& text) { props_.setScoreText(1, row, text.toStdString()); });
    return editor;
  }
  void setModelData(QWidget*, QAbstractItemModel* model, const QModelIndex& index) const override {
    model->setData(index, fromStd(props_.scoreText(index.row())));
  }

 private:
  LevelProperties& props_;
};

QWidget* holder(QWidget* parent, const char* name) {
  auto* w = new QWidget(parent);
  w->setObjectName(name);
  auto* layout = new QVBoxLayout(w);
  layout->setContentsMargins(4, 4, 4, 4);
  return w;
}

// A pattern box in a thin sunken frame, so its black cells read as a box.
QWidget* framed(QWidget* box) {
  auto* frame = new QFrame(box->parentWidget());
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(box);
  frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return frame;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(maxLength);
  return e;
}

}  // namespace

PropertiesPage::PropertiesPage(LevelProperties& properties, QWidget* parent)
    : QWidget(parent), props_(properties) {
  setObjectName("propertiesPage");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  stack_ = new QStackedWidget(this);
  layout->addWidget(stack_);

  pages_ = new QTabWidget(stack_);
  pages_->setObjectName("propertiesPages");
  pages_->setDocumentMode(true);
  // Every tab in sight: the window is never narrower than its tabs.
  pages_->setUsesScrollButtons(false);
  using Tab = LevelProperties::Tab;
  QWidget* tabs[5] = {};
  const char* names[5] = {"TabSize", "TabScores", "TabYam", "TabWell", "TabBDCFF"};
  for (int t = 0; t < 5; ++t) {
    tabs[t] = holder(pages_, names[t]);
    pages_->addTab(tabs[t], fromStd(LevelProperties::tabCaption(static_cast<Tab>(t))));
  }
  stack_->addWidget(pages_);

  propertiesBottom_ = new QWidget(stack_);
  propertiesBottom_->setObjectName("propertiesBottom");
  auto* strip = new QHBoxLayout(propertiesBottom_);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->setSpacing(2);
  stripHomes_ = {holder(propertiesBottom_, "PropertiesBottomSize"),
                 holder(propertiesBottom_, "PropertiesBottomScore"),
                 holder(propertiesBottom_, "propertiesBottomYam")};
  // Wide enough for the longest label and a five-digit value.
  stripHomes_[1]->setFixedWidth(200);
  // Size controls and yam patterns keep to the top of the strip.
  for (QWidget* home : {stripHomes_[0], stripHomes_[2]})
    static_cast<QVBoxLayout*>(home->layout())->addStretch(1);
  // Yam patterns, score grid, size controls: left to right.
  strip->addWidget(stripHomes_[2]);
  strip->addWidget(stripHomes_[1]);
  strip->addWidget(stripHomes_[0]);
  strip->addStretch(1);
  stack_->addWidget(propertiesBottom_);
  // Only the page shown counts for the window's size.
  propertiesBottom_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

  tabHomes_ = {tabs[0], tabs[1], tabs[2]};
  sizePanel_ = makeSizePanel();
  tabs[0]->layout()->addWidget(sizePanel_);
  static_cast<QVBoxLayout*>(tabs[0]->layout())->addStretch(1);
  tabs[1]->layout()->addWidget(makeScoreGrid());
  yamPanel_ = makeYamPanel();
  tabs[2]->layout()->addWidget(yamPanel_);
  static_cast<QVBoxLayout*>(tabs[2]->layout())->addStretch(1);
  tabs[3]->layout()->addWidget(makeWellPanel());
  static_cast<QVBoxLayout*>(tabs[3]->layout())->addStretch(1);
  tabs[4]->layout()->addWidget(makeMemo());
  readAll();
}

QWidget* PropertiesPage::makeSizePanel() {
  auto* panel = new QWidget;
  panel->setObjectName("sizePanel");
  sizeGrid_ = new QGridLayout(panel);
  sizeGrid_->setContentsMargins(0, 0, 0, 0);
  sizeGrid_->setHorizontalSpacing(6);
  sizeGrid_->setVerticalSpacing(4);

  widthEdit_ =
      namedSpinEdit(panel, "WidthEdit", LevelProperties::kMinSide, LevelProperties::kMaxSide);
  heightEdit_ =
      namedSpinEdit(panel, "HeightEdit", LevelProperties::kMinSide, LevelProperties::kMaxSide);
  titleEdit_ = lineEdit(panel, "TitleEdit", static_cast<int>(LevelHeader::kTitleLen));
  authorEdit_ = lineEdit(panel, "AuthorEdit", static_cast<int>(LevelHeader::kAuthorLen));
  dateEdit_ = lineEdit(panel, "DateEdit", static_cast<int>(LevelHeader::kDateLen));
  descriptionEdit_ = lineEdit(panel, "DescriptionEdit", static_cast<int>(LevelHeader::kInfoLen));
  amoebaOn_ = new QCheckBox("Convert trapped amoeba", panel);
  amoebaOn_->setObjectName("amoebaOn");
  intermission_ = new QCheckBox("Intermission", panel);
  intermission_->setObjectName("intermission");
  const char* captions[6] = {"Width:", "Height:", "Title:", "Author:", "Date:", "Info:"};
  for (std::size_t i = 0; i < sizeLabels_.size(); ++i)
    sizeLabels_[i] = plainLabel(captions[i], panel);

  sizeButtons_ = new QWidget(panel);
  auto* buttons = new QHBoxLayout(sizeButtons_);
  buttons->setContentsMargins(0, 0, 0, 0);
  auto* reset = new QPushButton("Reset", sizeButtons_);
  reset->setObjectName("resetSizeButton");
  reset->setToolTip("Width and height as the level has them");
  auto* apply = new QPushButton("Apply", sizeButtons_);
  apply->setObjectName("applySizeButton");
  apply->setToolTip("Size, title, author, date and info into the level");
  apply->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(reset);
  buttons->addWidget(apply);
  arrangeSizePanel(false);

  connect(widthEdit_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!filling_) props_.setWidthEdit(v);
  });
  connect(heightEdit_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!filling_) props_.setHeightEdit(v);
  });
  const std::pair<QLineEdit*, std::string LevelProperties::*> texts[] = {
      {titleEdit_, &LevelProperties::editTitle},
      {authorEdit_, &LevelProperties::editAuthor},
      {dateEdit_, &LevelProperties::editDate},
      {descriptionEdit_, &LevelProperties::editDescription}};
  for (const auto& [edit, field] : texts) {
    connect(edit, &QLineEdit::textEdited, this,
            [this, field = field](const QString& text) { props_.*field = toRecordText(text); });
    connect(edit, &QLineEdit::returnPressed, this, &PropertiesPage::applyRequested);
  }
  connect(amoebaOn_, &QCheckBox::clicked, this, [this](bool on) { props_.setAmoebaCheck(on); });
  connect(intermission_, &QCheckBox::clicked, this,
          [this](bool on) { props_.setIntermissionCheck(on); });
  connect(reset, &QPushButton::clicked, this, [this] {
    props_.resetLevelSize();
    readSize();
  });
  connect(apply, &QPushButton::clicked, this, &PropertiesPage::applyRequested);
  return panel;
}

void PropertiesPage::arrangeSizePanel(bool twoColumns) {
  QWidget* fields[6] = {widthEdit_,  heightEdit_, titleEdit_,
                        authorEdit_, dateEdit_,   descriptionEdit_};
  for (QWidget* w : fields) sizeGrid_->removeWidget(w);
  for (QWidget* w : sizeLabels_) sizeGrid_->removeWidget(w);
  for (QWidget* w :
       {static_cast<QWidget*>(amoebaOn_), static_cast<QWidget*>(intermission_), sizeButtons_}) {
    sizeGrid_->removeWidget(w);
  }
  for (int c = 0; c < 4; ++c) sizeGrid_->setColumnStretch(c, 0);
  if (twoColumns) {
    // Size, title and author on the left; date, info, flags and buttons on the right.
    for (int i = 0; i < 4; ++i) {
      sizeGrid_->addWidget(sizeLabels_[static_cast<std::size_t>(i)], i, 0);
      sizeGrid_->addWidget(fields[i], i, 1);
    }
    for (int i = 4; i < 6; ++i) {
      sizeGrid_->addWidget(sizeLabels_[static_cast<std::size_t>(i)], i - 4, 2);
      sizeGrid_->addWidget(fields[i], i - 4, 3);
    }
    sizeGrid_->addWidget(amoebaOn_, 2, 3);
    sizeGrid_->addWidget(intermission_, 3, 3);
    sizeGrid_->addWidget(sizeButtons_, 4, 2, 1, 2);
    sizeGrid_->setColumnStretch(1, 1);
    sizeGrid_->setColumnStretch(3, 1);
    titleEdit_->setMinimumWidth(150);
    descriptionEdit_->setMinimumWidth(220);
  } else {
    for (int i = 0; i < 6; ++i) {
      sizeGrid_->addWidget(sizeLabels_[static_cast<std::size_t>(i)], i, 0);
      sizeGrid_->addWidget(fields[i], i, 1);
    }
    sizeGrid_->addWidget(amoebaOn_, 6, 0, 1, 2);
    sizeGrid_->addWidget(intermission_, 7, 0, 1, 2);
    sizeGrid_->addWidget(sizeButtons_, 8, 0, 1, 2);
    sizeGrid_->setColumnStretch(1, 1);
    titleEdit_->setMinimumWidth(0);
    descriptionEdit_->setMinimumWidth(0);
  }
  // The spin edits need no more room than three digits.
  for (QSpinBox* s : {widthEdit_, heightEdit_})
    s->setMaximumWidth(twoColumns ? 80 : QWIDGETSIZE_MAX);
}

QWidget* PropertiesPage::makeScoreGrid() {
  scoreGrid_ = new QTableWidget(kScoreRowCount, 2);
  scoreGrid_->setObjectName("scoreGrid");
  scoreGrid_->horizontalHeader()->hide();
  scoreGrid_->verticalHeader()->hide();
  scoreGrid_->verticalHeader()->setDefaultSectionSize(scoreGrid_->fontMetrics().height() + 6);
  scoreGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  scoreGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  scoreGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  scoreGrid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  scoreGrid_->setItemDelegateForColumn(1, new ScoreDelegate(props_, scoreGrid_));
  const QBrush fixed = scoreGrid_->palette().brush(QPalette::Button);
  for (int row = 0; row < kScoreRowCount; ++row) {
    auto* name = new QTableWidgetItem(fromStd(LevelProperties::scoreLabel(row)));
    name->setFlags(Qt::ItemIsEnabled);  // the labels are not edited
    name->setBackground(fixed);
    scoreGrid_->setItem(row, 0, name);
    auto* value = new QTableWidgetItem;
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scoreGrid_->setItem(row, 1, value);
  }
  return scoreGrid_;
}

QWidget* PropertiesPage::makeYamPanel() {
  auto* panel = new QWidget;
  panel->setObjectName("yamPanel");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(6);
  for (int k = 0; k < LevelProperties::kYamBoxes; ++k) {
    const QByteArray name = QString("yamPattern%1").arg(k + 1).toLatin1();
    auto* box = new PatternBox(
        name.constData(), [this, k](int c, int r) { return props_.yamObject(k, c, r); },
        [this, k](MouseButton b, int x, int y) { return props_.clickYamBox(k, b, x, y); }, panel);
    box->setToolTip(
        QString("Yam pattern %1: click a cell to put the drawing object there").arg(k + 1));
    yamBoxes_[static_cast<std::size_t>(k)] = box;
    grid->addWidget(framed(box), k / 2, k % 2);
  }
  auto* hint = plainLabel("A click puts the drawing object into a cell.", panel);
  hint->setObjectName("yamHint");
  hint->setWordWrap(true);
  hint->setEnabled(false);
  grid->addWidget(hint, 2, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  return panel;
}

QWidget* PropertiesPage::makeWellPanel() {
  auto* panel = new QWidget;
  panel->setObjectName("wellPanel");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(6);
  wellBox_ = new PatternBox(
      "wellPattern", [this](int c, int r) { return props_.wellObject(c, r); },
      [this](MouseButton b, int x, int y) { return props_.clickWellBox(b, x, y); }, panel);
  wellBox_->setToolTip(
      "Well: click a cell to put the drawing object there (the centre is the well)");
  grid->addWidget(framed(wellBox_), 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(plainLabel("Well Delay", panel), 0, 1);
  wellEdit_ = namedSpinEdit(panel, "WellEdit", 0, LevelProperties::kMaxWellDelay);
  grid->addWidget(wellEdit_, 1, 1);
  wellActive_ = new QCheckBox("Active on Start", panel);
  wellActive_->setObjectName("wellActive");
  grid->addWidget(wellActive_, 2, 1);
  grid->setColumnStretch(2, 1);
  connect(wellEdit_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!filling_) props_.setWellDelay(v);
  });
  connect(wellActive_, &QCheckBox::clicked, this, [this](bool on) { props_.setWellActive(on); });
  return panel;
}

QWidget* PropertiesPage::makeMemo() {
  bdcffMemo_ = new QPlainTextEdit;
  bdcffMemo_->setObjectName("bdcffMemo");
  bdcffMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("Monospace");
  mono.setStyleHint(QFont::TypeWriter);
  bdcffMemo_->setFont(mono);
  connect(bdcffMemo_, &QPlainTextEdit::textChanged, this, [this] {
    if (!filling_) props_.setBdcffMemo(toRecordText(bdcffMemo_->toPlainText()));
  });
  return bdcffMemo_;
}

void PropertiesPage::setStrip(const SpriteStrip* strip) {
  for (PatternBox* box : yamBoxes_) box->setStrip(strip);
  wellBox_->setStrip(strip);
}

void PropertiesPage::readSize() {
  filling_ = true;
  widthEdit_->setValue(props_.editWidth);
  heightEdit_->setValue(props_.editHeight);
  filling_ = false;
}

void PropertiesPage::readPatterns() {
  for (PatternBox* box : yamBoxes_) box->update();
  wellBox_->update();
}

void PropertiesPage::readAll() {
  readSize();
  filling_ = true;
  titleEdit_->setText(fromRecordText(props_.editTitle));
  authorEdit_->setText(fromRecordText(props_.editAuthor));
  dateEdit_->setText(fromRecordText(props_.editDate));
  descriptionEdit_->setText(fromRecordText(props_.editDescription));
  amoebaOn_->setChecked(props_.amoebaOn());
  intermission_->setChecked(props_.intermission());
  for (int row = 0; row < kScoreRowCount; ++row) {
    scoreGrid_->item(row, 1)->setText(fromStd(props_.scoreText(row)));
  }
  readPatterns();
  wellEdit_->setValue(props_.wellDelay());
  wellActive_->setChecked(props_.wellActive());
  // Filling the memo anew would throw away its cursor and scroll position.
  const QString memo = fromRecordText(props_.bdcffMemoText());
  if (bdcffMemo_->toPlainText() != memo) bdcffMemo_->setPlainText(memo);
  filling_ = false;
}

int PropertiesPage::stripHeight() const {
  // The size controls and the yam boxes decide; the score grid scrolls.
  const QMargins page = layout()->contentsMargins();
  const QMargins home = stripHomes_[0]->layout()->contentsMargins();
  const int contents = std::max(sizePanel_->sizeHint().height(), yamPanel_->sizeHint().height());
  return contents + home.top() + home.bottom() + page.top() + page.bottom();
}

bool PropertiesPage::bottomStrip() const {
  return stack_->currentWidget() == propertiesBottom_;
}

void PropertiesPage::setBottomStrip(bool strip) {
  if (strip == bottomStrip()) return;
  QWidget* contents[3] = {sizePanel_, scoreGrid_, yamPanel_};
  const auto& homes = strip ? stripHomes_ : tabHomes_;
  for (std::size_t i = 0; i < 3; ++i) {
    QVBoxLayout* home = static_cast<QVBoxLayout*>(homes[i]->layout());
    if (contents[i]->parentWidget() && contents[i]->parentWidget()->layout()) {
      contents[i]->parentWidget()->layout()->removeWidget(contents[i]);
    }
    // Kept at the top of their place; the score grid takes the height it gets.
    home->insertWidget(0, contents[i], contents[i] == scoreGrid_ ? 1 : 0);
    contents[i]->show();
  }
  arrangeSizePanel(strip);
  // The strip has no room for the yam boxes' note; their tool tips say it.
  yamPanel_->findChild<QLabel*>("yamHint")->setVisible(!strip);
  scoreGrid_->setHorizontalScrollBarPolicy(strip ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  const auto shown = QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  const auto ignored = QSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  pages_->setSizePolicy(strip ? ignored : shown);
  propertiesBottom_->setSizePolicy(strip ? shown : ignored);
  stack_->setCurrentWidget(strip ? propertiesBottom_ : static_cast<QWidget*>(pages_));
}

}  // namespace pyrovel::app
