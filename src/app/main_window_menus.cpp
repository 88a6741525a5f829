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
  makeAction("Newlevelset1", "New levelset", QKeySequence("Ctrl+N"), [this] { newLevelmap(); })
      ->setToolTip("New Levelmap");
  makeAction("Openlevelset1", "&Open levelset", QKeySequence("Ctrl+O"),
             [this] { openLevelmap(OpenSource::Dialog); })
      ->setToolTip("Open LevelMap");
  makeAction("Appendlevelset1", "Append levelset", none,
             [this] { openLevelmap(OpenSource::AppendDialog); });
  makeAction("Savelevelset1", "&Save levelset", QKeySequence("Ctrl+S"), [this] { save(); })
      ->setToolTip("Save Levelmap");
  makeAction("Saveas1", "Save Levelset &As", QKeySequence("F12"), [this] { saveAs(); });
  makeAction("Importlevel1", "&Import level", QKeySequence("Ctrl+I"), [this] { importLevel(); })
      ->setToolTip("Import Level");
  makeAction("ExportLevel1", "&Export Level", QKeySequence("Ctrl+E"), [this] { exportLevel(); })
      ->setToolTip("Export Level");
  makeAction("ImportDLL", "Import from DLL", none, [this] { showWindow(resForm_); });
  makeAction("ImportfromADFimage1", "Import from ADF image", none, [this] { showWindow(adfForm_); });
  makeAction("ImportfromD64image1", "Import from D64 image", none, [this] { showWindow(d64Form_); });
  makeAction("DasHimport", "Import from C64 memory dump", none, [this] { showWindow(dasForm_); });
  makeAction("Merge1", "Merge", none, nullptr);
  makeAction("PrintLevel1", "Print Level", QKeySequence("Ctrl+P"), nullptr);
  makeAction("Quit1", "&Quit", QKeySequence("Ctrl+Q"), [this] { close(); });
  for (int i = 1; i <= 4; ++i) {
    QAction* h = makeAction(QString("History%1").arg(i), "---", none, [this, i] {
      openLevelmap(OpenSource::History, QString::fromStdString(session_.history[static_cast<std::size_t>(i - 1)]));
    });
    h->setVisible(false);
  }
  // Images
  makeAction("LoadImageLibrary1", "&Load Image Library", none, [this] { loadImageLibrary(); });
  // Edit
  makeAction("Undo1", "&Undo", QKeySequence("Ctrl+Z"), [this] { undo(); })->setToolTip("Undo");
  makeAction("Redo1", "&Redo", QKeySequence("Ctrl+Y"), [this] { redo(); })->setToolTip("Redo");
  action("Redo1")->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  makeAction("ClearLevel1", "&Clear Level", QKeySequence("Shift+Del"), [this] { clearLevel(); });
  makeAction("DeleteLevel1", "&Delete Level", QKeySequence("Ctrl+Del"), [this] { deleteLevel(); });
  makeAction("Insertlevel1", "&Insert level", QKeySequence("Ctrl+Shift+I"),
             [this] { insertLevel(); });
  makeAction("MoveLevel1", "&Move Level", QKeySequence("Ctrl+M"), [this] { showMoveLevelPanel(); });
  makeAction("Cut1", "Cu&t", QKeySequence("Ctrl+X"), [this] { cutSelection(); })->setToolTip("Cut");
  makeAction("Copy1", "&Copy", QKeySequence("Ctrl+C"), [this] { copySelection(); })->setToolTip("Copy");
  makeAction("Paste1", "&Paste", QKeySequence("Ctrl+V"), [this] { paste(); })->setToolTip("Paste");
  makeAction("Search1", "Search", none, [this] { showPanel(searchPanel_); });
  makeAction("Replace1", "Replace", none, [this] { showPanel(replacePanel_); });
  // View
  makeAction("ZoomIn1", "Zoom &In", none, [this] { zoomIn(); })
      ->setShortcuts({QKeySequence("Ctrl+D"), QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
  makeAction("Zoomout1", "Zoom &Out", none, [this] { zoomOut(); })
      ->setShortcuts({QKeySequence("Ctrl+A"), QKeySequence("Ctrl+-")});
  makeAction("FullscreenEdit1", "&Full screen Edit", QKeySequence("Ctrl+F"),
             [this] { toggleFullScreen(); })
      ->setToolTip("Full Screen Edit");
  makeAction("Objects1", "&Objects", QKeySequence("Ctrl+1"),
             [this] { objectsDock_->setVisible(objectsDock_->isHidden()); });
  makeAction("Properties1", "&Properties", QKeySequence("Ctrl+2"), [this] { togglePropertiesPanel(); });
  makeAction("Levellist1", "&Levellist", QKeySequence("Ctrl+3"), [this] { toggleLevelList(); });
  makeAction("Tools1", "&Tools", QKeySequence("Ctrl+4"),
             [this] { toolsDock_->setVisible(toolsDock_->isHidden()); });
  makeAction("Statusbar2", "Statusbar", QKeySequence("Ctrl+5"), [this] { toggleStatusBar(); });
  for (const char* name : {"FullscreenEdit1", "Objects1", "Properties1", "Levellist1", "Tools1", "Statusbar2"}) {
    action(name)->setCheckable(true);
  }
  action("Statusbar2")->setChecked(true);
  makeAction("Options1", "&Options", none, [this] { showOptions(); });
  // Mode
  modeGroup_ = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    EditMode mode;
  } modes[] = {
      {"SwitchtoPyrovelmode1", "Switch to Pyrovel mode", kGameMode},
      {"SwitchtoEmeraldmineV4mode1", "Switch to Emerald mine V4 mode", kEmeraldMode},
      {"SwitchtoC64Boulderdashmode1", "Switch to C64 Boulderdash mode", kC64Mode},
  };
  for (const auto& m : modes) {
    QAction* a = makeAction(m.name, m.text, none, [this, mode = m.mode] { switchMode(mode); });
    a->setCheckable(true);
    modeGroup_->addAction(a);
  }
  // Development
  const auto gameDir = [this] { return QString::fromStdString(config_.gameDir); };
  makeAction("EditReadme1", "Edit Readme", none, [this, gameDir] { editTextFile(gameDir(), "readme.txt"); });
  makeAction("EditGameTech1", "Edit Game_Tech", none,
             [this, gameDir] { editTextFile(gameDir(), "Gametech.txt"); });
  makeAction("EditIdeas1", "Edit Ideas", none, [this, gameDir] { editTextFile(gameDir(), "Ideas.txt"); });
  makeAction("EditEditortodo1", "Edit Editor to do", none,
             [this] { editTextFile(programDir_, "ToDo.txt"); });
  makeAction("ShowDevelopmentPanel1", "Show Development Panel", none,
             [this] { showDevelopmentPanel(); });
  // Help
  makeAction("About1", "&About", none, [this] { about(); });
  makeAction("ObjectsHelp1", "&Objects Help", QKeySequence("F1"), [this] { showWindow(helpForm_); })
      ->setToolTip("Help");
  makeAction("Help2", "&Help", none, [this] { openHelp(); });

  // The layer switch of the tool bar.
  layerGroup_ = new QActionGroup(this);
  QAction* background = makeAction("BackgroundLayer", "Background", none, [this] { showBackgroundLayer(); });
  QAction* gamegrid = makeAction("GamegridLayer", "Gamegrid", none, [this] { showGameLayer(); });
  background->setToolTip("Show and edit the background layer");
  gamegrid->setToolTip("Show and edit the game layer");
  for (QAction* a : {background, gamegrid}) {
    a->setCheckable(true);
    layerGroup_->addAction(a);
  }
  gamegrid->setChecked(true);

  // The property buttons of the tool bar.
  using SizeButton = LevelProperties::SizeButton;
  makeAction("SetSizeProperty", "LevelSize Property", none, [this] { showProperty(SizeButton::IEButton1); });
  makeAction("SetScoreProperty", "Score Property", none, [this] { showProperty(SizeButton::IEButton2); });
  makeAction("SetYamProperty", "Yam Content", none, [this] { showProperty(SizeButton::IEButton3); });

  // The test target menu `PopupMenu2`.
  testTargetGroup_ = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    TestTarget target;
  } targets[] = {
      {"testlevelinPyrovel1", "Test level in Pyrovel", TestTarget::Pyrovel},
      {"testlevelinBD41", "Test level in BD4", TestTarget::BD4},
      {"testlevelinEMCplayer1", "Test level in EMC player", TestTarget::Emerald},
      {"testlevelinBoulderflash1", "Test level in Boulderflash", TestTarget::Boulderflash},
  };
  for (const auto& t : targets) {
    QAction* a = makeAction(t.name, t.text, none, [this, target = t.target] { setTestTarget(target); });
    a->setCheckable(true);
    a->setData(static_cast<int>(t.target));
    testTargetGroup_->addAction(a);
  }
  action("testlevelinPyrovel1")->setChecked(true);
}

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
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
  addMenu("File1", "&File",
          {"Newlevelset1", "Openlevelset1", "Appendlevelset1", "Savelevelset1", "Saveas1", "-",
           "Importlevel1", "ExportLevel1", "-", "ImportDLL", "ImportfromADFimage1",
           "ImportfromD64image1", "DasHimport", "-", "Merge1", "PrintLevel1", "-", "History1",
           "History2", "History3", "History4", "-", "Quit1"},
          this);
  addMenu("Images1", "&Images", {"LoadImageLibrary1"}, this);
  addMenu("Edit1", "&Edit",
          {"Undo1", "Redo1", "-", "ClearLevel1", "DeleteLevel1", "Insertlevel1", "MoveLevel1", "-",
           "Cut1", "Copy1", "Paste1", "-", "Search1", "Replace1"},
          this);
  addMenu("View1", "&View",
          {"ZoomIn1", "Zoomout1", "-", "FullscreenEdit1", "-", "Objects1", "Properties1",
           "Levellist1", "Tools1", "Statusbar2", "-", "Options1"},
          this);
  addMenu("Mode1", "&Mode",
          {"SwitchtoPyrovelmode1", "SwitchtoEmeraldmineV4mode1", "SwitchtoC64Boulderdashmode1"}, this);
  addMenu("Development1", "Development",
          {"EditReadme1", "EditGameTech1", "EditIdeas1", "EditEditortodo1", "-",
           "ShowDevelopmentPanel1"},
          this);
  addMenu("Help1", "&Help", {"About1", "ObjectsHelp1", "Help2"}, this);

  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  const struct {
    const char* name;
    const char* text;
    std::function<void()> handler;
  } popup[] = {
      {"PopupUndo", "Undo", [this] { undo(); }},
      {"PopupClearLevel", "Clear Level", [this] { clearLevel(); }},
      {"PopupInsertLevel", "Insert Level", [this] { insertLevel(); }},
      {"PopupDeleteLevel", "Delete Level", [this] { deleteLevel(); }},
      {"PopupObjectsHelp", "Objects Help", [this] { showWindow(helpForm_); }},
      {"PopupShowProperties", "Show Properties", [this] { togglePropertiesPanel(); }},
      {"PopupShowTools", "Show Tools Menu", [this] { toolsDock_->show(); }},
      {"PopupShowLevelList", "Show Level List", [this] { toggleLevelList(); }},
  };
  for (const auto& p : popup) {
    auto* a = new QAction(p.text, popupMenu1_);
    a->setObjectName(p.name);
    if (p.handler) {
      connect(a, &QAction::triggered, this, p.handler);
    } else {
      a->setEnabled(false);
    }
    popupMenu1_->addAction(a);
  }

  popupMenu2_ = new QMenu(this);
  popupMenu2_->setObjectName("PopupMenu2");
  popupMenu2_->addActions(testTargetGroup_->actions());
}

void MainWindow::createToolBar() {
  panel14_ = addToolBar("Tool bar");
  panel14_->setObjectName("Panel14");
  panel14_->setMovable(false);
  panel14_->setFloatable(false);
  panel14_->setIconSize(QSize(22, 22));
  panel14_->toggleViewAction()->setVisible(false);
  const struct {
    const char* action;
    const char* button;
    Glyph glyph;
  } buttons[] = {
      {"Newlevelset1", "IEButton22", Glyph::NewMap},
      {"Openlevelset1", "IEButton7", Glyph::OpenMap},
      {"Savelevelset1", "IEButton8", Glyph::SaveMap},
      {"-", nullptr, Glyph::NewMap},
      {"Importlevel1", "IEButton5", Glyph::ImportLevel},
      {"ExportLevel1", "IEButton6", Glyph::ExportLevel},
      {"-", nullptr, Glyph::NewMap},
      {"Undo1", "UndoButton", Glyph::Undo},
      {"Redo1", "RedoButton", Glyph::Redo},
      {"-", nullptr, Glyph::NewMap},
      {"Cut1", "IEButton21", Glyph::Cut},
      {"Copy1", "IEButton20", Glyph::Copy},
      {"Paste1", "IEButton19", Glyph::Paste},
      {"-", nullptr, Glyph::NewMap},
      {"SetSizeProperty", "IEButton1", Glyph::LevelSize},
      {"SetScoreProperty", "IEButton2", Glyph::Scores},
      {"SetYamProperty", "IEButton3", Glyph::Yam},
      {"-", nullptr, Glyph::NewMap},
      {"FullscreenEdit1", "IEButton27", Glyph::FullScreen},
      {"ObjectsHelp1", "IEButton4", Glyph::Help},
  };
  for (const auto& b : buttons) {
    if (std::string_view(b.action) == "-") {
      panel14_->addSeparator();
      continue;
    }
    QAction* a = action(b.action);
    a->setIcon(glyphIcon(b.glyph));
    panel14_->addAction(a);
    panel14_->widgetForAction(a)->setObjectName(b.button);
  }
  // Menus show no icons: the tool bar is where they help.
  for (QAction* a : actions_) a->setIconVisibleInMenu(false);

  panel14_->addSeparator();
  for (const char* name : {"BackgroundLayer", "GamegridLayer"}) {
    QAction* a = action(name);
    panel14_->addAction(a);
    auto* button = qobject_cast<QToolButton*>(panel14_->widgetForAction(a));
    button->setObjectName(name == std::string_view("BackgroundLayer") ? "BackgroundButton"
                                                                     : "GamegridButton");
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }

  // Under the buttons, a row of its own for the option bars of the tools:
  // it keeps its height whatever is shown, so switching a tool never moves
  // or rescales the level view. Without options it names the tool's use.
  addToolBarBreak();
  optionsRow_ = addToolBar("Tool options");
  optionsRow_->setObjectName("ToolOptionsRow");
  optionsRow_->setMovable(false);
  optionsRow_->setFloatable(false);
  optionsRow_->toggleViewAction()->setVisible(false);
  auto* row = new QWidget(optionsRow_);
  auto* rowLayout = new QHBoxLayout(row);
  rowLayout->setContentsMargins(2, 0, 2, 0);
  sprayBar_ = new SprayOptionsBar(drawingTools_.sprayOptions, row);
  chaosBar_ = new ChaosOptionsBar(drawingTools_.chaosOptions, row);
  toolHint_ = new QLabel(row);
  toolHint_->setObjectName("ToolHint");
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
  editingArea_->setObjectName("Panel2");
  auto* layout = new QVBoxLayout(editingArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The reader's note, shown when there is one.
  auto* bars = new QHBoxLayout;
  bars->setContentsMargins(0, 0, 0, 0);
  infoPanel_ = new QFrame(editingArea_);
  infoPanel_->setObjectName("InfoPanel");
  static_cast<QFrame*>(infoPanel_)->setFrameShape(QFrame::StyledPanel);
  auto* info = new QHBoxLayout(infoPanel_);
  info->setContentsMargins(6, 2, 2, 2);
  infoLabel_ = new QLabel(infoPanel_);
  infoLabel_->setObjectName("InfoLabel");
  infoLabel_->setTextFormat(Qt::PlainText);
  infoLabel_->setWordWrap(true);
  auto* closeInfo = new QToolButton(infoPanel_);
  closeInfo->setObjectName("InfoClose");
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
  levelCaption_->setObjectName("LevelCaption");
  auto* captionLayout = new QHBoxLayout(levelCaption_);
  captionLayout->setContentsMargins(6, 2, 6, 2);
  label8_ = new QLabel(levelCaption_);
  label8_->setObjectName("Label8");
  label8_->setTextFormat(Qt::PlainText);
  QFont bold = label8_->font();
  bold.setBold(true);
  label8_->setFont(bold);
  captionLayout->addWidget(label8_);
  layout->addWidget(levelCaption_);

  view_ = new LevelView;
  scroll_ = new LevelScrollBox(view_, editingArea_);
  view_->setSource(&session_.map, &strip_);
  layout->addWidget(scroll_, 1);
  // Hiding the editing area leaves an empty page in its place, so the docks
  // keep their sizes.
  centralPages_ = new QStackedWidget(this);
  centralPages_->setObjectName("Panel18");
  centralPages_->addWidget(editingArea_);
  auto* emptyPage = new QWidget(centralPages_);
  emptyPage->setObjectName("EditingAreaHidden");
  centralPages_->addWidget(emptyPage);
  setCentralWidget(centralPages_);
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  const struct {
    const char* text;
    int width;
  } panels[] = {{"Co:", 60}, {"Level Width", 100}, {"Level Height", 100}, {"Object:", 250}, {"", 50}};
  int index = 0;
  for (const auto& p : panels) {
    auto* label = new QLabel(p.text, bar);
    label->setObjectName(QString("StatusPanel%1").arg(index++));
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
  adfForm_ = new AdfBrowserWindow(session_, dialogs_, this);
  d64Form_ = new D64BrowserWindow(session_, dialogs_, this);
  helpForm_ = new ObjectsHelpWindow(session_.catalogue, strip_, dialogs_, this);
  dasForm_ = new C64DumpWindow(session_, dialogs_, this);
  resForm_ = new ResourceExplorerWindow(session_, dialogs_, this);
  // A converted memory dump is shown zoomed out once, like a file from the command line.
  connect(dasForm_, &C64DumpWindow::dasLevelsetRead, this, [this] { zoomOut(); });
  optionsPanel_ = new OptionsWindow(this);
  findPanel_ = new FindPanel(this);
  newPreviewWindow();  // one preview exists from the start
}

void MainWindow::connectSignals() {
  // Level view zoom with Ctrl and the wheel.
  connect(view_, &LevelView::zoomRequested, this, [this](int step) { step > 0 ? zoomIn() : zoomOut(); });

  // Tools panel.
  connect(tools_->button("IEButton17"), &QToolButton::clicked, this, [this] { goToLevel(); });
  connect(tools_->levelNumber(), &QSpinBox::editingFinished, this, [this] {
    if (tools_->levelNumber()->hasFocus()) goToLevel();
  });
  connect(tools_->button("IEButton9"), &QToolButton::clicked, this, [this] { previousLevel(); });
  connect(tools_->button("IEButton10"), &QToolButton::clicked, this, [this] { nextLevel(); });
  connect(tools_->button("IEButton12"), &QToolButton::clicked, this,
          [this] { showProperty(LevelProperties::SizeButton::IEButton12); });
  connect(tools_->button("IEButton11"), &QToolButton::clicked, this, [this] { clearLevel(); });
  connect(tools_->button("IEButton13"), &QToolButton::clicked, this, [this] { zoomIn(); });
  connect(tools_->button("IEButton14"), &QToolButton::clicked, this, [this] { zoomOut(); });
  connectDrawingTools();
  QToolButton* target = tools_->button("IEButton16");
  target->setMenu(popupMenu2_);
  target->setPopupMode(QToolButton::InstantPopup);
  target->setStyleSheet("QToolButton::menu-indicator { image: none; }");

  for (QWidget* w : std::initializer_list<QWidget*>{tools_, objects_->canvas()}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](const QPoint& pos) { popupMenu1_->popup(w->mapToGlobal(pos)); });
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
