#include "app/options_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "check/level_check.h"
#include "model/undo_history.h"

namespace pyrovel::app {

OptionsWindow::OptionsWindow(QWidget* owner) : ToolWindow(owner, "optionsWindow", "  Options") {
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("optionsPages");
  pages_->addTab(makeFileLocations(), "File Locations");
  pages_->addTab(makePyrovelOptions(), "Pyrovel Options");
  pages_->addTab(makeEditorPage(), "Editor");
  pages_->addTab(makeLevelChecksPage(), "Level Checks");
  layout->addWidget(pages_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("optionsOk");
  QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  cancel->setObjectName("optionsCancel");
  layout->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    emit accepted();
    hide();
  });
  // Leaving the options: the values shown stay as they are until the next "OK".
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  resize(420, 300);
}

QWidget* OptionsWindow::makeFileLocations() {
  auto* page = new QWidget;
  page->setObjectName("fileLocationsPage");
  auto* form = new QFormLayout(page);
  const struct {
    TestTarget target;
    const char* edit;
    const char* button;
    const char* label;
  } rows[] = {
      {TestTarget::Pyrovel, "pyrovelDir", "findPyrovelButton", "Pyrovel"},
      {TestTarget::BD4, "bd4Dir", "findBd4Button", "BD4"},
      {TestTarget::Emerald, "emeraldDir", "findEmeraldButton", "EMC player"},
      {TestTarget::Boulderflash, "boulderflashDir", "findBoulderflashButton", "Boulderflash"},
  };
  for (const auto& r : rows) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(r.edit);
    edit->setMinimumWidth(300);  // room for a whole path
    auto* find = new QToolButton(page);
    find->setObjectName(r.button);
    find->setText("...");
    find->setToolTip("Find the folder");
    connect(find, &QToolButton::clicked, this,
            [this, target = r.target] { emit findRequested(target); });
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(find);
    form->addRow(r.label, row);
    switch (r.target) {
      case TestTarget::Pyrovel:
        pyrovelDirEdit_ = edit;
        break;
      case TestTarget::BD4:
        bd4DirEdit_ = edit;
        break;
      case TestTarget::Emerald:
        emeraldDirEdit_ = edit;
        break;
      case TestTarget::Boulderflash:
        boulderflashDirEdit_ = edit;
        break;
    }
  }
  runnerEdit_ = new QLineEdit(page);
  runnerEdit_->setObjectName("windowsRunner");
  runnerEdit_->setPlaceholderText("wine");
  runnerEdit_->setToolTip(
      "The program that starts the players' Windows programs on this system, such as wine");
  form->addRow("Run Windows programs with", runnerEdit_);
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
  page->setObjectName("pyrovelOptionsPage");
  auto* layout = new QVBoxLayout(page);
  auto* heading =
      new QLabel("When testing a level in Pyrovel, use the following configuration:", page);
  heading->setWordWrap(true);
  layout->addWidget(heading);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  layout->addStretch(1);

  QStringList speeds;
  for (int i = 1; i <= 25; ++i) speeds << QString::number(i);
  const QStringList noYes{"no", "yes"};
  // Lists whose value the game reads as a number or a flag take no typing.
  resolutionList_ =
      addList("resolutionList", {"320x240", "400x300", "512x384", "640x480", "800x600", "1024x768"},
              "640x480", false);
  speedList_ = addList("speedList", speeds, "8", false);
  spriteSetList_ = addList("spriteSetList", {}, "emerald.iml", true);
  playerList_ = addList("playerList", {}, "1", true);
  windowList_ = addList("windowList", noYes, "no", false);
  soundList_ = addList("soundList", noYes, "no", false);
  form->addRow("Game resolution", resolutionList_);
  form->addRow("Speed", speedList_);
  form->addRow("Sprite set", spriteSetList_);
  form->addRow("Players", playerList_);
  form->addRow("Window mode", windowList_);
  form->addRow("Sound FX", soundList_);
  return page;
}

QWidget* OptionsWindow::makeEditorPage() {
  auto* page = new QWidget;
  page->setObjectName("editorPage");
  auto* form = new QFormLayout(page);
  defaultSpriteSet_ = addList("defaultSpriteSet", {"Emerald"}, "Emerald", false);
  form->addRow("Default sprite set", defaultSpriteSet_);
  checkObjectsOnExport_ = new QCheckBox("Check Objects when exporting Levelmap", page);
  checkObjectsOnExport_->setObjectName("checkObjectsOnExport");
  checkObjectsOnExport_->setEnabled(false);
  form->addRow(checkObjectsOnExport_);
  oneLittleFellow_ = new QCheckBox("Allow only one Little Fellow", page);
  oneLittleFellow_->setObjectName("oneLittleFellow");
  oneLittleFellow_->setChecked(true);
  connect(oneLittleFellow_, &QCheckBox::toggled, this, &OptionsWindow::onefellowChanged);
  form->addRow(oneLittleFellow_);
  undoSteps_ = new QSpinBox(page);
  undoSteps_->setObjectName("undoSteps");
  undoSteps_->setRange(UndoHistory::kMinSteps, 10000);
  undoSteps_->setValue(UndoHistory::kDefaultSteps);
  undoSteps_->setToolTip("How many edits of each level Undo can take back");
  connect(undoSteps_, &QSpinBox::valueChanged, this, &OptionsWindow::undoStepsChanged);
  form->addRow("Undo steps per level", undoSteps_);
  oneShotTools_ = new QCheckBox("Tools switch off after one use", page);
  oneShotTools_->setObjectName("oneShotTools");
  oneShotTools_->setToolTip(
      "Selection, rectangle, line, chaos and fill go back to the pen after each use");
  connect(oneShotTools_, &QCheckBox::toggled, this, &OptionsWindow::oneShotToolsChanged);
  form->addRow(oneShotTools_);
  return page;
}

QWidget* OptionsWindow::makeLevelChecksPage() {
  auto* page = new QWidget;
  page->setObjectName("levelChecksPage");
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel("The level checker's rules shown in the Problems window:", page));
  for (const LevelRule& rule : levelRules()) {
    auto* box = new QCheckBox(QString("%1 (%2)").arg(rule.title).arg(
                                  rule.severity == Severity::Error ? "error" : "warning"),
                              page);
    box->setObjectName(QString("check-") + rule.id);
    box->setChecked(true);
    connect(box, &QCheckBox::toggled, this, [this] {
      std::set<std::string, std::less<>> off;
      for (const auto& [id, b] : ruleBoxes_) {
        if (!b->isChecked()) off.insert(id);
      }
      emit levelChecksChanged(ruleListText(off));
    });
    ruleBoxes_.emplace_back(rule.id, box);
    column->addWidget(box);
  }
  column->addStretch(1);
  return page;
}

void OptionsWindow::showLevelChecks(const std::string& off) {
  const auto ids = parseRuleList(off);
  for (const auto& [id, box] : ruleBoxes_) {
    const QSignalBlocker quiet(box);
    box->setChecked(!ids.contains(id));
  }
}

QCheckBox* OptionsWindow::levelCheckBox(const std::string& id) const {
  for (const auto& [ruleId, box] : ruleBoxes_) {
    if (ruleId == id) return box;
  }
  return nullptr;
}

QLineEdit* OptionsWindow::folderEdit(TestTarget target) const {
  switch (target) {
    case TestTarget::BD4:
      return bd4DirEdit_;
    case TestTarget::Emerald:
      return emeraldDirEdit_;
    case TestTarget::Boulderflash:
      return boulderflashDirEdit_;
    case TestTarget::Pyrovel:
      break;
  }
  return pyrovelDirEdit_;
}

void OptionsWindow::showFolders(const Configuration& config) {
  pyrovelDirEdit_->setText(QString::fromStdString(config.gameDir));
  bd4DirEdit_->setText(QString::fromStdString(config.bd4Dir));
  emeraldDirEdit_->setText(QString::fromStdString(config.emeraldDir));
  boulderflashDirEdit_->setText(QString::fromStdString(config.boulderflashDir));
  runnerEdit_->setText(QString::fromStdString(config.windowsRunner));
}

void OptionsWindow::showFolder(TestTarget target, const QString& dir) {
  folderEdit(target)->setText(dir);
}

void OptionsWindow::copyFolders(Configuration& config) const {
  config.gameDir = pyrovelDirEdit_->text().toStdString();
  config.bd4Dir = bd4DirEdit_->text().toStdString();
  config.emeraldDir = emeraldDirEdit_->text().toStdString();
  config.boulderflashDir = boulderflashDirEdit_->text().toStdString();
  config.windowsRunner = runnerEdit_->text().trimmed().toStdString();
}

void OptionsWindow::setSpriteSets(const std::vector<std::string>& names) {
  const QString text = spriteSetList_->currentText();
  spriteSetList_->clear();
  for (const std::string& name : names) spriteSetList_->addItem(QString::fromStdString(name));
  spriteSetList_->setEditText(text);
}

GameTestOptions OptionsWindow::gameTestOptions() const {
  GameTestOptions o;
  o.resolution = resolutionList_->currentText().toStdString();
  o.speed = speedList_->currentText().toStdString();
  o.spriteSet = spriteSetList_->currentText().toStdString();
  o.windowed = windowList_->currentText().toStdString();
  o.soundEffects = soundList_->currentText().toStdString();
  return o;
}

}  // namespace pyrovel::app
