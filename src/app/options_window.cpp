#include "app/options_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace pyrovel::app {

OptionsWindow::OptionsWindow(QWidget* owner) : ToolWindow(owner, "Optionspanel", "  Options") {
  auto* layout = new QVBoxLayout(this);
  pageControl1_ = new QTabWidget(this);
  pageControl1_->setObjectName("PageControl1");
  pageControl1_->addTab(makeFileLocations(), "File Locations");
  pageControl1_->addTab(makePyrovelOptions(), "Pyrovel Options");
  pageControl1_->addTab(makeEditorPage(), "Editor");
  layout->addWidget(pageControl1_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("Button4");
  QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  cancel->setObjectName("OptionsCancel");
  layout->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    emit accepted();
    hide();
  });
  // `ExitOptions`: the values shown stay as they are until the next "OK".
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  resize(420, 300);
}

QWidget* OptionsWindow::makeFileLocations() {
  auto* page = new QWidget;
  page->setObjectName("FileLocationsPage");
  auto* form = new QFormLayout(page);
  const struct {
    TestTarget target;
    const char* edit;
    const char* button;
    const char* label;
  } rows[] = {
      {TestTarget::Pyrovel, "PyrovelDirEdit", "FindPyrovelButton", "Pyrovel"},
      {TestTarget::BD4, "BD4DirEdit", "FindBD4Button", "BD4"},
      {TestTarget::Emerald, "EmeralddirEdit", "FindEmeraldButton", "EMC player"},
      {TestTarget::Boulderflash, "BoulderflashdirEdit", "FindBoulderflashButton", "Boulderflash"},
  };
  for (const auto& r : rows) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(r.edit);
    edit->setMinimumWidth(300);  // room for a whole path
    auto* find = new QToolButton(page);
    find->setObjectName(r.button);
    find->setText("...");
    find->setToolTip("Find the folder");
    connect(find, &QToolButton::clicked, this, [this, target = r.target] { emit findRequested(target); });
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(find);
    form->addRow(r.label, row);
    switch (r.target) {
      case TestTarget::Pyrovel: pyrovelDirEdit_ = edit; break;
      case TestTarget::BD4: bd4DirEdit_ = edit; break;
      case TestTarget::Emerald: emeralddirEdit_ = edit; break;
      case TestTarget::Boulderflash: boulderflashdirEdit_ = edit; break;
    }
  }
  return page;
}

QComboBox* OptionsWindow::addList(const char* name, const QStringList& items, const QString& text,
                                  bool editable) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setEditable(editable);
  list->addItems(items);
  if (editable) {
    list->setEditText(text);
  } else {
    list->setCurrentText(text);
  }
  return list;
}

QWidget* OptionsWindow::makePyrovelOptions() {
  auto* page = new QWidget;
  page->setObjectName("PyrovelOptionsPage");
  auto* layout = new QVBoxLayout(page);
  auto* heading = new QLabel("When testing a level in Pyrovel, use the following configuration:", page);
  heading->setWordWrap(true);
  layout->addWidget(heading);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  layout->addStretch(1);

  QStringList speeds;
  for (int i = 1; i <= 25; ++i) speeds << QString::number(i);
  const QStringList noYes{"no", "yes"};
  // Lists whose value the game reads as a number or a flag take no typing.
  resolutionlist_ = addList("Resolutionlist",
                            {"320x240", "400x300", "512x384", "640x480", "800x600", "1024x768"},
                            "640x480", false);
  speedlist_ = addList("Speedlist", speeds, "8", false);
  spritesetlist_ = addList("Spritesetlist", {}, "emerald.iml", true);
  playerlist_ = addList("Playerlist", {}, "1", true);
  windowlist_ = addList("Windowlist", noYes, "no", false);
  soundlist_ = addList("Soundlist", noYes, "no", false);
  form->addRow("Game reolution", resolutionlist_);
  form->addRow("Speed", speedlist_);
  form->addRow("Sprite set", spritesetlist_);
  form->addRow("Players", playerlist_);
  form->addRow("Window mode", windowlist_);
  form->addRow("Sound FX", soundlist_);
  return page;
}

QWidget* OptionsWindow::makeEditorPage() {
  auto* page = new QWidget;
  page->setObjectName("EditorPage");
  auto* form = new QFormLayout(page);
  defaultSpritesetSelect_ = addList("DefaultSpritesetSelect", {"Emerald"}, "Emerald", false);
  form->addRow("Default sprite set", defaultSpritesetSelect_);
  checkBox1_ = new QCheckBox("Check Objects when exporting Levelmap", page);
  checkBox1_->setObjectName("CheckBox1");
  checkBox1_->setEnabled(false);
  form->addRow(checkBox1_);
  onefellow_ = new QCheckBox("Allow only one Little Fellow", page);
  onefellow_->setObjectName("onefellow");
  onefellow_->setChecked(true);
  connect(onefellow_, &QCheckBox::toggled, this, &OptionsWindow::onefellowChanged);
  form->addRow(onefellow_);
  return page;
}

QLineEdit* OptionsWindow::folderEdit(TestTarget target) const {
  switch (target) {
    case TestTarget::BD4: return bd4DirEdit_;
    case TestTarget::Emerald: return emeralddirEdit_;
    case TestTarget::Boulderflash: return boulderflashdirEdit_;
    case TestTarget::Pyrovel: break;
  }
  return pyrovelDirEdit_;
}

void OptionsWindow::showFolders(const Configuration& config) {
  pyrovelDirEdit_->setText(QString::fromStdString(config.gameDir));
  bd4DirEdit_->setText(QString::fromStdString(config.bd4Dir));
  emeralddirEdit_->setText(QString::fromStdString(config.emeraldDir));
  boulderflashdirEdit_->setText(QString::fromStdString(config.boulderflashDir));
}

void OptionsWindow::showFolder(TestTarget target, const QString& dir) { folderEdit(target)->setText(dir); }

void OptionsWindow::copyFolders(Configuration& config) const {
  config.gameDir = pyrovelDirEdit_->text().toStdString();
  config.bd4Dir = bd4DirEdit_->text().toStdString();
  config.emeraldDir = emeralddirEdit_->text().toStdString();
  config.boulderflashDir = boulderflashdirEdit_->text().toStdString();
}

void OptionsWindow::setSpriteSets(const std::vector<std::string>& names) {
  const QString text = spritesetlist_->currentText();
  spritesetlist_->clear();
  for (const std::string& name : names) spritesetlist_->addItem(QString::fromStdString(name));
  spritesetlist_->setEditText(text);
}

GameTestOptions OptionsWindow::gameTestOptions() const {
  GameTestOptions o;
  o.resolution = resolutionlist_->currentText().toStdString();
  o.speed = speedlist_->currentText().toStdString();
  o.spriteSet = spritesetlist_->currentText().toStdString();
  o.windowed = windowlist_->currentText().toStdString();
  o.soundEffects = soundlist_->currentText().toStdString();
  return o;
}

}  // namespace pyrovel::app
