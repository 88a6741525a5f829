// The main window's menus, tool bar, central area, status bar and the
// wiring of its widgets.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/text_codec.h"
#include "app/find_panel.h"
#include "app/options_window.h"
#include "app/levelmap_panels.h"
#include "app/event_watcher.h"
#include "app/external_player_runner.h"
#include "app/main_window.h"
#include "app/icons.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app/level_preview_window.h"
#include "app/resource_explorer_window.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "editor/levelmap_search.h"

namespace pyrovel::app {

namespace {
using OpenSource = EditorSession::OpenSource;
}  // namespace

QAction* MainWindow::makeAction(const QString& name, const QString& text, const QKeySequence& shortcut,
                            std::function<void()> handler) {
  auto* a = new QAction(text, this);
  a->setObjectName(name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (handler) {
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  } else {
    a->setEnabled(false);  // its part of the editor is not there yet
  }
  // Shortcuts keep working while the menu bar is hidden (full-screen editing).
  addAction(a);
  actions_.insert(name, a);
  return a;
}

void MainWindow::createActions() {
  const auto none = QKeySequence();
  // File
  makeAction("newLevelset", "New levelset", QKeySequence("Ctrl+N"), [this] { newLevelmap(); })
      ->setToolTip("New Levelmap");
  makeAction("openLevelset", "&Open levelset", QKeySequence("Ctrl+O"),
             [this] { openLevelmap(OpenSource::Dialog); })
      ->setToolTip("Open LevelMap");
  makeAction("appendLevelset", "Append levelset", none,
             [this] { openLevelmap(OpenSource::AppendDialog); });
  makeAction("saveLevelset", "&Save levelset", QKeySequence("Ctrl+S"), [this] { save(); })
      ->setToolTip("Save Levelmap");
  makeAction("saveLevelsetAs", "Save Levelset &As", QKeySequence("F12"), [this] { saveAs(); });
  makeAction("importLevel", "&Import level", QKeySequence("Ctrl+I"), [this] { importLevel(); })
      ->setToolTip("Import Level");
  makeAction("exportLevel", "&Export Level", QKeySequence("Ctrl+E"), [this] { exportLevel(); })
      ->setToolTip("Export Level");
  makeAction("importFromExecutable", "Import from DLL", none, [this] { showWindow(resourceExplorer_.get()); });
  makeAction("importFromAdf", "Import from ADF image", none, [this] { showWindow(adfBrowser_.get()); });
  makeAction("importFromD64", "Import from D64 image", none, [this] { showWindow(d64Browser_.get()); });
  makeAction("importFromC64Dump", "Import from C64 memory dump", none, [this] { showWindow(c64Dump_.get()); });
  makeAction("merge", "Merge", none, nullptr);
  makeAction("printLevel", "Print Level", QKeySequence("Ctrl+P"), nullptr);
  makeAction("quit", "&Quit", QKeySequence("Ctrl+Q"), [this] { close(); });
  for (int i = 1; i <= 4; ++i) {
    QAction* h = makeAction(QString("history%1").arg(i), "---", none, [this, i] {
      openLevelmap(OpenSource::History, QString::fromStdString(session_.history[static_cast<std::size_t>(i - 1)]));
    });
    h->setVisible(false);
  }
  // Images
  makeAction("loadImageLibrary", "&Load Image Library", none, [this] { loadImageLibrary(); });
  // Edit
  makeAction("undo", "&Undo", QKeySequence("Ctrl+Z"), [this] { undo(); })->setToolTip("Undo");
  makeAction("redo", "&Redo", QKeySequence("Ctrl+Y"), [this] { redo(); })->setToolTip("Redo");
  action("redo")->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  makeAction("clearLevel", "&Clear Level", QKeySequence("Shift+Del"), [this] { clearLevel(); });
  makeAction("deleteLevel", "&Delete Level", QKeySequence("Ctrl+Del"), [this] { deleteLevel(); });
  makeAction("insertLevel", "&Insert level", QKeySequence("Ctrl+Shift+I"),
             [this] { insertLevel(); });
  makeAction("moveLevel", "&Move Level", QKeySequence("Ctrl+M"), [this] { showMoveLevelPanel(); });
  makeAction("cut", "Cu&t", QKeySequence("Ctrl+X"), [this] { cutSelection(); })->setToolTip("Cut");
  makeAction("copy", "&Copy", QKeySequence("Ctrl+C"), [this] { copySelection(); })->setToolTip("Copy");
  makeAction("paste", "&Paste", QKeySequence("Ctrl+V"), [this] { paste(); })->setToolTip("Paste");
  makeAction("search", "Search", none, [this] { showPanel(searchPanel_); });
  makeAction("replace", "Replace", none, [this] { showPanel(replacePanel_); });
  // View
  makeAction("zoomIn", "Zoom &In", none, [this] { zoomIn(); })
      ->setShortcuts({QKeySequence("Ctrl+D"), QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
  makeAction("zoomOut", "Zoom &Out", none, [this] { zoomOut(); })
      ->setShortcuts({QKeySequence("Ctrl+A"), QKeySequence("Ctrl+-")});
  makeAction("fullScreenEdit", "&Full screen Edit", QKeySequence("Ctrl+F"),
             [this] { toggleFullScreen(); })
      ->setToolTip("Full Screen Edit");
  makeAction("objectsPanel", "&Objects", QKeySequence("Ctrl+1"),
             [this] { objectsDock_->setVisible(objectsDock_->isHidden()); });
  makeAction("propertiesPanel", "&Properties", QKeySequence("Ctrl+2"), [this] { togglePropertiesPanel(); });
  makeAction("levelListPanel", "&Levellist", QKeySequence("Ctrl+3"), [this] { toggleLevelList(); });
  makeAction("toolsPanel", "&Tools", QKeySequence("Ctrl+4"),
             [this] { toolsDock_->setVisible(toolsDock_->isHidden()); });
  makeAction("showStatusBar", "Statusbar", QKeySequence("Ctrl+5"), [this] { toggleStatusBar(); });
  for (const char* name : {"fullScreenEdit", "objectsPanel", "propertiesPanel", "levelListPanel", "toolsPanel", "showStatusBar"}) {
    action(name)->setCheckable(true);
  }
  action("showStatusBar")->setChecked(true);
  makeAction("options", "&Options", none, [this] { players_->showOptions(); });
  // Mode
  modeGroup_ = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    EditMode mode;
  } modes[] = {
      {"pyrovelMode", "Switch to Pyrovel mode", kGameMode},
      {"emeraldMineV4Mode", "Switch to Emerald mine V4 mode", kEmeraldMode},
      {"c64BoulderDashMode", "Switch to C64 Boulderdash mode", kC64Mode},
  };
  for (const auto& m : modes) {
    QAction* a = makeAction(m.name, m.text, none, [this, mode = m.mode] { switchMode(mode); });
    a->setCheckable(true);
    modeGroup_->addAction(a);
  }
  // Development
  const auto gameDir = [this] { return QString::fromStdString(config_.gameDir); };
  makeAction("editReadme", "Edit Readme", none, [this, gameDir] { editTextFile(gameDir(), "readme.txt"); });
  makeAction("editGameTech", "Edit Game_Tech", none,
             [this, gameDir] { editTextFile(gameDir(), "Gametech.txt"); });
  makeAction("editIdeas", "Edit Ideas", none, [this, gameDir] { editTextFile(gameDir(), "Ideas.txt"); });
  makeAction("editEditorToDo", "Edit Editor to do", none,
             [this] { editTextFile(programDir_, "ToDo.txt"); });
  makeAction("showDevelopmentPanel", "Show Development Panel", none,
             [this] { showDevelopmentPanel(); });
  // Help
  makeAction("about", "&About", none, [this] { about(); });
  makeAction("objectsHelp", "&Objects Help", QKeySequence("F1"), [this] { showWindow(objectsHelp_.get()); })
      ->setToolTip("Help");
  makeAction("help", "&Help", none, [this] { openHelp(); });

  // The layer switch of the tool bar.
  layerGroup_ = new QActionGroup(this);
  QAction* background = makeAction("backgroundLayer", "Background", none, [this] { showBackgroundLayer(); });
  QAction* gamegrid = makeAction("gameLayer", "Gamegrid", none, [this] { showGameLayer(); });
  background->setToolTip("Show and edit the background layer");
  gamegrid->setToolTip("Show and edit the game layer");
  for (QAction* a : {background, gamegrid}) {
    a->setCheckable(true);
    layerGroup_->addAction(a);
  }
  gamegrid->setChecked(true);

  // The property buttons of the tool bar.
  using SizeButton = LevelProperties::SizeButton;
  makeAction("levelSizeProperty", "LevelSize Property", none, [this] { showProperty(SizeButton::LevelSize); });
  makeAction("scoreProperty", "Score Property", none, [this] { showProperty(SizeButton::Scores); });
  makeAction("yamProperty", "Yam Content", none, [this] { showProperty(SizeButton::Yam); });

  // The test target menu.
  testTargetGroup_ = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    TestTarget target;
  } targets[] = {
      {"testInPyrovel", "Test level in Pyrovel", TestTarget::Pyrovel},
      {"testInBd4", "Test level in BD4", TestTarget::BD4},
      {"testInEmcPlayer", "Test level in EMC player", TestTarget::Emerald},
      {"testInBoulderflash", "Test level in Boulderflash", TestTarget::Boulderflash},
  };
  for (const auto& t : targets) {
    QAction* a = makeAction(t.name, t.text, none, [this, target = t.target] { players_->setTestTarget(target); });
    a->setCheckable(true);
    a->setData(static_cast<int>(t.target));
    testTargetGroup_->addAction(a);
  }
  action("testInPyrovel")->setChecked(true);
}

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("mainMenu");
  auto addMenu = [bar](const char* name, const QString& title, std::initializer_list<const char*> items,
                       MainWindow* self) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    for (const char* item : items) {
      if (std::string_view(item) == "-") {
        menu->addSeparator();
      } else {
        menu->addAction(self->action(item));
      }
    }
    return menu;
  };
  addMenu("fileMenu", "&File",
          {"newLevelset", "openLevelset", "appendLevelset", "saveLevelset", "saveLevelsetAs", "-",
           "importLevel", "exportLevel", "-", "importFromExecutable", "importFromAdf",
           "importFromD64", "importFromC64Dump", "-", "merge", "printLevel", "-", "history1",
           "history2", "history3", "history4", "-", "quit"},
          this);
  addMenu("imagesMenu", "&Images", {"loadImageLibrary"}, this);
  addMenu("editMenu", "&Edit",
          {"undo", "redo", "-", "clearLevel", "deleteLevel", "insertLevel", "moveLevel", "-",
           "cut", "copy", "paste", "-", "search", "replace"},
          this);
  addMenu("viewMenu", "&View",
          {"zoomIn", "zoomOut", "-", "fullScreenEdit", "-", "objectsPanel", "propertiesPanel",
           "levelListPanel", "toolsPanel", "showStatusBar", "-", "options"},
          this);
  addMenu("modeMenu", "&Mode",
          {"pyrovelMode", "emeraldMineV4Mode", "c64BoulderDashMode"}, this);
  addMenu("developmentMenu", "Development",
          {"editReadme", "editGameTech", "editIdeas", "editEditorToDo", "-",
           "showDevelopmentPanel"},
          this);
  addMenu("helpMenu", "&Help", {"about", "objectsHelp", "help"}, this);

  levelViewMenu_ = new QMenu(this);
  levelViewMenu_->setObjectName("levelViewMenu");
  const struct {
    const char* name;
    const char* text;
    std::function<void()> handler;
  } popup[] = {
      {"popupUndo", "Undo", [this] { undo(); }},
      {"popupClearLevel", "Clear Level", [this] { clearLevel(); }},
      {"popupInsertLevel", "Insert Level", [this] { insertLevel(); }},
      {"popupDeleteLevel", "Delete Level", [this] { deleteLevel(); }},
      {"popupObjectsHelp", "Objects Help", [this] { showWindow(objectsHelp_.get()); }},
      {"popupShowProperties", "Show Properties", [this] { togglePropertiesPanel(); }},
      {"popupShowTools", "Show Tools Menu", [this] { toolsDock_->show(); }},
      {"popupShowLevelList", "Show Level List", [this] { toggleLevelList(); }},
  };
  for (const auto& p : popup) {
    auto* a = new QAction(p.text, levelViewMenu_);
    a->setObjectName(p.name);
    if (p.handler) {
      connect(a, &QAction::triggered, this, p.handler);
    } else {
      a->setEnabled(false);
    }
    levelViewMenu_->addAction(a);
  }

  testTargetMenu_ = new QMenu(this);
  testTargetMenu_->setObjectName("testTargetMenu");
  testTargetMenu_->addActions(testTargetGroup_->actions());
}

void MainWindow::createToolBar() {
  toolBar_ = addToolBar("Tool bar");
  toolBar_->setObjectName("toolBar");
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(22, 22));
  toolBar_->toggleViewAction()->setVisible(false);
  const struct {
    const char* action;
    const char* button;
    Glyph glyph;
  } buttons[] = {
      {"newLevelset", "newLevelsetButton", Glyph::NewMap},
      {"openLevelset", "openLevelsetButton", Glyph::OpenMap},
      {"saveLevelset", "saveLevelsetButton", Glyph::SaveMap},
      {"-", nullptr, Glyph::NewMap},
      {"importLevel", "importLevelButton", Glyph::ImportLevel},
      {"exportLevel", "exportLevelButton", Glyph::ExportLevel},
      {"-", nullptr, Glyph::NewMap},
      {"undo", "undoButton", Glyph::Undo},
      {"redo", "redoButton", Glyph::Redo},
      {"-", nullptr, Glyph::NewMap},
      {"cut", "cutButton", Glyph::Cut},
      {"copy", "copyButton", Glyph::Copy},
      {"paste", "pasteButton", Glyph::Paste},
      {"-", nullptr, Glyph::NewMap},
      {"levelSizeProperty", "levelSizeButton", Glyph::LevelSize},
      {"scoreProperty", "scoresButton", Glyph::Scores},
      {"yamProperty", "yamButton", Glyph::Yam},
      {"-", nullptr, Glyph::NewMap},
      {"fullScreenEdit", "fullScreenButton", Glyph::FullScreen},
      {"objectsHelp", "objectsHelpButton", Glyph::Help},
  };
  for (const auto& b : buttons) {
    if (std::string_view(b.action) == "-") {
      toolBar_->addSeparator();
      continue;
    }
    QAction* a = action(b.action);
    a->setIcon(glyphIcon(b.glyph));
    toolBar_->addAction(a);
    toolBar_->widgetForAction(a)->setObjectName(b.button);
  }
  // Menus show no icons: the tool bar is where they help.
  for (QAction* a : actions_) a->setIconVisibleInMenu(false);

  toolBar_->addSeparator();
  for (const char* name : {"backgroundLayer", "gameLayer"}) {
    QAction* a = action(name);
    toolBar_->addAction(a);
    auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(a));
    button->setObjectName(name == std::string_view("backgroundLayer") ? "backgroundButton"
                                                                     : "gameLayerButton");
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }

  // Under the buttons, a row of its own for the option bars of the tools:
  // it keeps its height whatever is shown, so switching a tool never moves
  // or rescales the level view. Without options it names the tool's use.
  addToolBarBreak();
  optionsRow_ = addToolBar("Tool options");
  optionsRow_->setObjectName("toolOptionsRow");
  optionsRow_->setMovable(false);
  optionsRow_->setFloatable(false);
  optionsRow_->toggleViewAction()->setVisible(false);
  auto* row = new QWidget(optionsRow_);
  auto* rowLayout = new QHBoxLayout(row);
  rowLayout->setContentsMargins(2, 0, 2, 0);
  sprayBar_ = new SprayOptionsBar(drawingTools_.tool<SprayTool>().options, row);
  chaosBar_ = new ChaosOptionsBar(drawingTools_.tool<ChaosTool>().options, row);
  toolHint_ = new QLabel(row);
  toolHint_->setObjectName("toolHint");
  toolHint_->setTextFormat(Qt::PlainText);
  toolHint_->setEnabled(false);  // greyed: a note, not a control
  rowLayout->addWidget(sprayBar_);
  rowLayout->addWidget(chaosBar_);
  rowLayout->addWidget(toolHint_, 1);
  rowLayout->addStretch(0);
  row->setFixedHeight(std::max({sprayBar_->sizeHint().height(), chaosBar_->sizeHint().height(),
                                toolHint_->sizeHint().height()}));
  optionsRow_->addWidget(row);
  // Whatever the window's width, the row never spills into the tool bar's
  // overflow menu: it takes the width there is, and the chaos boxes drop
  // their sprites before a caption would be cut.
  row->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  row->setMinimumWidth(0);
  EventWatcher::watch(row, this, [this, row](QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize) chaosBar_->fitWidth(row->width());
    return false;
  });
}

void MainWindow::createCentralArea() {
  editingArea_ = new QWidget(this);
  editingArea_->setObjectName("editingArea");
  auto* layout = new QVBoxLayout(editingArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The reader's note, shown when there is one.
  auto* bars = new QHBoxLayout;
  bars->setContentsMargins(0, 0, 0, 0);
  infoPanel_ = new QFrame(editingArea_);
  infoPanel_->setObjectName("infoPanel");
  static_cast<QFrame*>(infoPanel_)->setFrameShape(QFrame::StyledPanel);
  auto* info = new QHBoxLayout(infoPanel_);
  info->setContentsMargins(6, 2, 2, 2);
  infoLabel_ = new QLabel(infoPanel_);
  infoLabel_->setObjectName("infoLabel");
  infoLabel_->setTextFormat(Qt::PlainText);
  infoLabel_->setWordWrap(true);
  auto* closeInfo = new QToolButton(infoPanel_);
  closeInfo->setObjectName("infoClose");
  closeInfo->setText("x");
  closeInfo->setAutoRaise(true);
  closeInfo->setToolTip("Hide this note");
  connect(closeInfo, &QToolButton::clicked, infoPanel_, &QWidget::hide);
  info->addWidget(infoLabel_, 1);
  info->addWidget(closeInfo);
  infoPanel_->hide();
  bars->addWidget(infoPanel_, 1);
  layout->addLayout(bars);

  levelCaption_ = new QFrame(editingArea_);
  levelCaption_->setObjectName("levelCaption");
  auto* captionLayout = new QHBoxLayout(levelCaption_);
  captionLayout->setContentsMargins(6, 2, 6, 2);
  levelCaptionText_ = new QLabel(levelCaption_);
  levelCaptionText_->setObjectName("levelCaptionText");
  levelCaptionText_->setTextFormat(Qt::PlainText);
  QFont bold = levelCaptionText_->font();
  bold.setBold(true);
  levelCaptionText_->setFont(bold);
  captionLayout->addWidget(levelCaptionText_);
  layout->addWidget(levelCaption_);

  view_ = new LevelView;
  scroll_ = new LevelScrollBox(view_, editingArea_);
  view_->setSource(&session_.map, &strip_);
  layout->addWidget(scroll_, 1);
  // Hiding the editing area leaves an empty page in its place, so the docks
  // keep their sizes.
  centralPages_ = new QStackedWidget(this);
  centralPages_->setObjectName("centralPages");
  centralPages_->addWidget(editingArea_);
  auto* emptyPage = new QWidget(centralPages_);
  emptyPage->setObjectName("editingAreaHidden");
  centralPages_->addWidget(emptyPage);
  setCentralWidget(centralPages_);
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  const struct {
    const char* text;
    int width;
  } panels[] = {{"Co:", 60}, {"Level Width", 100}, {"Level Height", 100}, {"Object:", 250}, {"", 50}};
  int index = 0;
  for (const auto& p : panels) {
    auto* label = new QLabel(p.text, bar);
    label->setObjectName(QString("statusPanel%1").arg(index++));
    label->setMinimumWidth(p.width);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    bar->addWidget(label, p.width >= 250 ? 1 : 0);
    statusPanels_.push_back(label);
  }
}

void MainWindow::createToolWindows() {
  movePanel_ = new MoveLevelPanel(this);
  viewPanel_ = new ViewPanel(this);
  developPanel_ = new DevelopPanel(this);
  convertPanel_ = new ConvertPanel(this);
  searchPanel_ = new SearchPanel(this);
  replacePanel_ = new ReplacePanel(this);
  messagePanel_ = new MessagePanel(this);
  newPreviewWindow();  // one preview exists from the start
}

void MainWindow::connectSignals() {
  // Level view zoom with Ctrl and the wheel.
  connect(view_, &LevelView::zoomRequested, this, [this](int step) { step > 0 ? zoomIn() : zoomOut(); });

  // Tools panel.
  connect(tools_->button("goButton"), &QToolButton::clicked, this, [this] { goToLevel(); });
  connect(tools_->levelNumber(), &QSpinBox::editingFinished, this, [this] {
    if (tools_->levelNumber()->hasFocus()) goToLevel();
  });
  connect(tools_->button("previousLevelButton"), &QToolButton::clicked, this, [this] { previousLevel(); });
  connect(tools_->button("nextLevelButton"), &QToolButton::clicked, this, [this] { nextLevel(); });
  connect(tools_->button("levelPropertiesButton"), &QToolButton::clicked, this,
          [this] { showProperty(LevelProperties::SizeButton::ToolsPanel); });
  connect(tools_->button("clearLevelButton"), &QToolButton::clicked, this, [this] { clearLevel(); });
  connect(tools_->button("zoomInButton"), &QToolButton::clicked, this, [this] { zoomIn(); });
  connect(tools_->button("zoomOutButton"), &QToolButton::clicked, this, [this] { zoomOut(); });
  connectDrawingTools();
  QToolButton* target = tools_->button("testTargetButton");
  target->setMenu(testTargetMenu_);
  target->setPopupMode(QToolButton::InstantPopup);
  target->setStyleSheet("QToolButton::menu-indicator { image: none; }");

  for (QWidget* w : std::initializer_list<QWidget*>{tools_, objects_->canvas()}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](const QPoint& pos) { levelViewMenu_->popup(w->mapToGlobal(pos)); });
  }

  // Objects panel.
  connect(objects_->canvas(), &ObjectsCanvas::hovered, this,
          [this](int object) { objects_->showHint(object, session_.catalogue); });
  connect(objects_->canvas(), &ObjectsCanvas::chosen, this, [this](int object) {
    chooseDrawingObject(object, strip_.image(object));
  });

  // Level list.
  connect(levelList_, &LevelList::levelClicked, this, [this](int number) { selectLevel(number + 1); });
  connect(levelList_, &LevelList::titleEdited, this, [this](int number, const QString& title) {
    guarded([&] { session_.setLevelTitle(number + 1, toRecordText(title)); });
  });
  connect(levelList_, &LevelList::rowDragged, this, [this](int from, int to) {
    movePanel_->target()->setValue(to);
    guarded([&] { session_.dragLevel(from, to); });
  });

  // Levelmap-wide panels.
  connect(searchPanel_, &SearchPanel::searchRequested, this, [this](int object) {
    bool found = true;
    guarded([&] { found = findObject(session_, object); });
    if (!found) inform("Object not found");
  });
  connect(replacePanel_, &ReplacePanel::authorRequested, this,
          [this](const QString& author, int start) {
            guarded([&] { replaceAuthorRange(session_, author.toStdString(), start); });
          });
  connect(replacePanel_, &ReplacePanel::amoebaRequested, this,
          [this](bool on) { guarded([&] { convertamoebaAll(session_, on); }); });
  connect(messagePanel_, &MessagePanel::clearRequested, this,
          [this] { guarded([&] { replaceAuthor(session_); }); });

  // Move panel.
  connect(movePanel_, &MoveLevelPanel::moveConfirmed, this,
          [this](int target) { guarded([&] { session_.moveLevel(target); }); });

  // View panel and Escape leave full-screen editing.
  connect(viewPanel_->leaveButton(), &QPushButton::clicked, this, [this] { toggleFullScreen(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (fullScreen_) toggleFullScreen();
  });

  // Development panel.
  connect(developPanel_, &DevelopPanel::objectPicked, this,
          [this](int object) { chooseDrawingObject(object, strip_.secondImage(object)); });
  connect(developPanel_->button("Redraw Objects"), &QPushButton::clicked, this,
          [this] { objects_->canvas()->update(); });
  connect(developPanel_->button("Go Emerald"), &QPushButton::clicked, this,
          [this] { switchMode(kEmeraldMode); });
  connect(developPanel_->button("New Window"), &QPushButton::clicked, this, [this] {
    LevelPreviewWindow* preview = newPreviewWindow();
    preview->show();
    preview->activateWindow();
  });
  connect(developPanel_->button("Hide Form1 canvas"), &QPushButton::clicked, this,
          [this] { hideEditingArea(!editingAreaHidden()); });
  connect(developPanel_->button("Show levelinfo"), &QPushButton::clicked, this, [this] {
    for (const std::string& line : session_.map.bdcffMemo[static_cast<std::size_t>(session_.map.currentLevel)]) {
      developPanel_->memo()->appendPlainText(fromRecordText(line));
    }
  });
  for (const char* caption : {"Load Brel", "EM", "Das", "Button15", "Button16"}) {
    developPanel_->button(caption)->setEnabled(false);
  }
}

}  // namespace pyrovel::app
