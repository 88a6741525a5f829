#include "app/levelmap_panels.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextCursor>
#include <QVBoxLayout>
#include <utility>

namespace pyrovel::app {

namespace {
QPushButton* namedButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}
}  // namespace

SearchPanel::SearchPanel(QWidget* owner)
    : ToolWindow(owner, "searchPanel", "  Search in levelmap") {
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  text_ = new QLineEdit(this);
  text_->setObjectName("searchText");
  text_->setPlaceholderText("Object name or number");
  text_->setClearButtonEnabled(true);
  auto* previous = namedButton(this, "findPreviousButton", "Find previous");
  auto* next = namedButton(this, "findNextButton", "Find next");
  next->setDefault(true);
  row->addWidget(text_, 1);
  row->addWidget(previous);
  row->addWidget(next);
  count_ = new QLabel(this);
  count_->setObjectName("searchCount");
  layout->addLayout(row);
  layout->addWidget(count_);
  connect(text_, &QLineEdit::textChanged, this, &SearchPanel::searchChanged);
  connect(text_, &QLineEdit::returnPressed, this, [this] { emit stepRequested(+1); });
  connect(next, &QPushButton::clicked, this, [this] { emit stepRequested(+1); });
  connect(previous, &QPushButton::clicked, this, [this] { emit stepRequested(-1); });
  // F3 and Shift+F3 step here as they do in the main window.
  for (const auto& [key, button] : {std::pair{"F3", next}, std::pair{"Shift+F3", previous}}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    button->setToolTip(QString("%1 (%2)").arg(button->text(), key));
  }
  resize(420, sizeHint().height());
}

void SearchPanel::showCount(const QString& text) {
  count_->setText(text);
}

ReplacePanel::ReplacePanel(QWidget* owner)
    : ToolWindow(owner, "replacePanel", "  Replace in levelmap") {
  auto* form = new QFormLayout(this);
  authorReplace_ = new QLineEdit(this);
  authorReplace_->setObjectName("authorReplace");
  authorReplace_->setMaxLength(20);
  auto* applyAuthor = namedButton(this, "applyAuthorButton", "Apply");
  auto* authorRow = new QHBoxLayout;
  authorRow->addWidget(authorReplace_, 1);
  authorRow->addWidget(applyAuthor);
  form->addRow("Level author", authorRow);
  lastLevel_ = new QSpinBox(this);
  lastLevel_->setObjectName("lastLevel");
  lastLevel_->setRange(0, 100);
  form->addRow("Start at level", lastLevel_);
  amoebaOn_ = new QCheckBox("Convert trapped amoeba", this);
  amoebaOn_->setObjectName("amoebaOn");
  auto* applyAmoeba = namedButton(this, "applyAmoebaButton", "Apply");
  auto* amoebaRow = new QHBoxLayout;
  amoebaRow->addWidget(amoebaOn_, 1);
  amoebaRow->addWidget(applyAmoeba);
  form->addRow(amoebaRow);
  connect(applyAuthor, &QPushButton::clicked, this,
          [this] { emit authorRequested(authorReplace_->text(), lastLevel_->value()); });
  connect(applyAmoeba, &QPushButton::clicked, this,
          [this] { emit amoebaRequested(amoebaOn_->isChecked()); });
}

MessagePanel::MessagePanel(QWidget* owner) : QDockWidget("Messages", owner) {
  setObjectName("messagePanel");
  setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea | Qt::LeftDockWidgetArea |
                  Qt::RightDockWidgetArea);
  auto* contents = new QWidget(this);
  auto* layout = new QHBoxLayout(contents);
  layout->setContentsMargins(4, 2, 4, 4);
  messages_ = new QTextEdit(contents);
  messages_->setObjectName("messages");
  messages_->setReadOnly(true);
  messages_->setLineWrapMode(QTextEdit::WidgetWidth);
  layout->addWidget(messages_, 1);
  auto* clear = namedButton(contents, "clearMessagesButton", "Clear");
  clear->setToolTip("Remove every note from the panel");
  layout->addWidget(clear, 0, Qt::AlignTop);
  connect(clear, &QPushButton::clicked, this, &MessagePanel::clearRequested);
  setWidget(contents);
}

void MessagePanel::setMessages(const std::vector<std::string>& lines,
                               const std::vector<EditorSession::MessageSource>& sources) {
  QString html;
  std::size_t next = 0;  // the next source to head its notes
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (; next < sources.size() && sources[next].first <= i; ++next) {
      if (sources[next].file.empty()) continue;
      html += "<p style=\"margin:6px 0 2px 0\"><b>" +
              QString::fromStdString(sources[next].file).toHtmlEscaped() + "</b></p>";
    }
    html += "<p style=\"margin:0 0 2px 14px\">" +
            QString::fromStdString(lines[i]).toHtmlEscaped() + "</p>";
  }
  messages_->setHtml(html);
  messages_->moveCursor(QTextCursor::End);
  messages_->ensureCursorVisible();
}

}  // namespace pyrovel::app
