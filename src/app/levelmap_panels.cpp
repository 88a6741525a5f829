#include "app/levelmap_panels.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pyrovel::app {

namespace {
QPushButton* namedButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}
}  // namespace

SearchPanel::SearchPanel(QWidget* owner) : ToolWindow(owner, "SearchPanel", "  Search in levelmap") {
  auto* layout = new QHBoxLayout(this);
  auto* kind = new QRadioButton("Object:", this);
  kind->setObjectName("RadioButton1");
  kind->setChecked(true);
  searchObjectEdit_ = new QSpinBox(this);
  searchObjectEdit_->setObjectName("SearchObjectEdit");
  searchObjectEdit_->setRange(0, 255);
  auto* search = namedButton(this, "Button17", "Search");
  search->setDefault(true);
  layout->addWidget(kind);
  layout->addWidget(searchObjectEdit_);
  layout->addWidget(search);
  connect(search, &QPushButton::clicked, this,
          [this] { emit searchRequested(searchObjectEdit_->value()); });
}

ReplacePanel::ReplacePanel(QWidget* owner)
    : ToolWindow(owner, "ReplacePanel", "  Replace in levelmap") {
  auto* form = new QFormLayout(this);
  authorreplace_ = new QLineEdit(this);
  authorreplace_->setObjectName("Authorreplace");
  authorreplace_->setMaxLength(20);
  auto* applyAuthor = namedButton(this, "Button14", "Apply");
  auto* authorRow = new QHBoxLayout;
  authorRow->addWidget(authorreplace_, 1);
  authorRow->addWidget(applyAuthor);
  form->addRow("LevelAuthor", authorRow);
  spinEdit2_ = new QSpinBox(this);
  spinEdit2_->setObjectName("SpinEdit2");
  spinEdit2_->setRange(0, 100);
  form->addRow("Start at level", spinEdit2_);
  checkBox2_ = new QCheckBox("Convert trapped amoeba", this);
  checkBox2_->setObjectName("CheckBox2");
  auto* applyAmoeba = namedButton(this, "Button20", "Apply");
  auto* amoebaRow = new QHBoxLayout;
  amoebaRow->addWidget(checkBox2_, 1);
  amoebaRow->addWidget(applyAmoeba);
  form->addRow(amoebaRow);
  connect(applyAuthor, &QPushButton::clicked, this,
          [this] { emit authorRequested(authorreplace_->text(), spinEdit2_->value()); });
  connect(applyAmoeba, &QPushButton::clicked, this,
          [this] { emit amoebaRequested(checkBox2_->isChecked()); });
}

MessagePanel::MessagePanel(QWidget* owner) : ToolWindow(owner, "MessagePanel", "  Message") {
  auto* layout = new QVBoxLayout(this);
  messagememo_ = new QPlainTextEdit(this);
  messagememo_->setObjectName("Messagememo");
  messagememo_->setReadOnly(true);
  messagememo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  messagememo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(messagememo_, 1);
  auto* clear = namedButton(this, "Button18", "Clear");
  layout->addWidget(clear, 0, Qt::AlignRight);
  connect(clear, &QPushButton::clicked, this, &MessagePanel::clearRequested);
  resize(360, 240);
}

void MessagePanel::setLines(const std::vector<std::string>& lines) {
  QStringList text;
  text.reserve(static_cast<int>(lines.size()));
  for (const std::string& line : lines) text << QString::fromStdString(line);
  messagememo_->setPlainText(text.join('\n'));
}

}  // namespace pyrovel::app
