// The main window's tool windows and the wiring of its widgets.
#include <QAction>
#include <QActionGroup>
#include <QDir>
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
#include "app/problems_panel.h"
#include "app/dialogs.h"
#include "app/editing_area.h"
#include "app/event_watcher.h"
#include "app/external_player_runner.h"
#include "app/find_panel.h"
#include "app/icons.h"
#include "app/level_list.h"
#include "app/level_preview_window.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app/level_view_controller.h"
#include "app/levelmap_panels.h"
#include "app/main_window.h"
#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app/options_window.h"
#include "app/resource_explorer_window.h"
#include "app/text_codec.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "app/window_placement.h"
#include "editor/levelmap_search.h"
#include "formats/em_formats.h"
#include "formats/em_table_listings.h"
#include "import/bpbd_levelset.h"
#include "model/file_io.h"
#include "render/view_zoom.h"

namespace pyrovel::app {

namespace {
// Where the Development panel's "EM" button writes the level.
constexpr const char* kDevelopEmFile = "develop-em.lev";
}  // namespace

MainWindow::ToolPanels MainWindow::makeToolPanels() {
  return {
      LazyWindow<MoveLevelPanel>([this] {
        auto* move = new MoveLevelPanel(this);
        connect(move, &MoveLevelPanel::moveConfirmed, this,
                [this](int level) { guarded([&] { session_.moveLevel(level); }); });
        return move;
      }),
      LazyWindow<ViewPanel>([this] {
        auto* view = new ViewPanel(this);
        connect(view->leaveButton(), &QPushButton::clicked, this, [this] { toggleFullScreen(); });
        return view;
      }),
      LazyWindow<DevelopPanel>([this] { return makeDevelopPanel(); }),
      LazyWindow<ConvertPanel>([this] { return new ConvertPanel(this); }),
      LazyWindow<SearchPanel>([this] {
        auto* search = new SearchPanel(this);
        connectSearch(search);
        return search;
      }),
      LazyWindow<ReplacePanel>([this] {
        auto* replace = new ReplacePanel(this);
        connect(replace, &ReplacePanel::authorRequested, this,
                [this](const QString& author, int start) {
                  guarded([&] { replaceAuthorRange(session_, author.toStdString(), start); });
                });
        connect(replace, &ReplacePanel::amoebaRequested, this,
                [this](bool on) { guarded([&] { convertamoebaAll(session_, on); }); });
        return replace;
      }),
      LazyWindow<MessagePanel>([this] {
        auto* message = new MessagePanel(this);
        addDockWidget(Qt::BottomDockWidgetArea, message);
        // Beside the Problems dock the two share the bottom as tabs: side by
        // side each would be too narrow to read.
        if (problems_) tabifyDockWidget(problems_, message);
        resizeDocks({message}, {130}, Qt::Vertical);
        connect(message, &MessagePanel::clearRequested, this,
                [this] { guarded([&] { clearMessageMemo(session_); }); });
        return message;
      }),
  };
}

void MainWindow::connectSignals() {
  // Level view zoom with Ctrl and the wheel.
  LevelScrollBox* scroll = editingArea_->scrollBox();
  connect(editingArea_->view(), &LevelView::zoomRequested, scroll,
          [scroll, view = editingArea_->view()](int step, QPoint pixel) {
            scroll->zoomAbout(step, view->mapTo(scroll->viewport(), pixel));
          });

  // The zoom in the status bar's last panel.
  connect(editingArea_->view(), &LevelView::cellSizeChanged, this, [this](int cell) {
    statusPanels_[4]->setText(cell > 0 ? QString("%1 %").arg(percentOfCellSize(cell)) : QString());
  });

  // Tools panel.
  const auto goToLevel = [this] {
    QSpinBox* field = docked_.tools->levelNumber();
    guarded([&] { field->setValue(session_.goToLevel(field->value())); });
  };
  connect(docked_.tools->button("goButton"), &QToolButton::clicked, this, goToLevel);
  connect(docked_.tools->levelNumber(), &QSpinBox::editingFinished, this, [this, goToLevel] {
    if (!docked_.tools->levelNumber()->hasFocus()) return;
    goToLevel();
    // Return hands the keys back to the level: Ctrl+Z then undoes there.
    editingArea_->view()->setFocus(Qt::OtherFocusReason);
  });
  connect(docked_.tools->button("previousLevelButton"), &QToolButton::clicked, this,
          [this] { guarded([this] { session_.previousLevel(); }); });
  connect(docked_.tools->button("nextLevelButton"), &QToolButton::clicked, this,
          [this] { guarded([this] { session_.nextLevel(); }); });
  connect(docked_.tools->button("levelPropertiesButton"), &QToolButton::clicked, this,
          [this] { showProperty(LevelProperties::SizeButton::ToolsPanel); });
  connect(docked_.tools->button("clearLevelButton"), &QToolButton::clicked, this,
          [this] { action("clearLevel")->trigger(); });
  connect(docked_.tools->button("zoomInButton"), &QToolButton::clicked, scroll,
          &LevelScrollBox::zoomIn);
  connect(docked_.tools->button("zoomOutButton"), &QToolButton::clicked, scroll,
          &LevelScrollBox::zoomOut);
  connectDrawingTools();
  QToolButton* target = docked_.tools->button("testTargetButton");
  target->setMenu(menus_.testTarget);
  target->setPopupMode(QToolButton::InstantPopup);
  target->setStyleSheet("QToolButton::menu-indicator { image: none; }");

  for (QWidget* w : std::initializer_list<QWidget*>{docked_.tools, docked_.objects->canvas()}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](const QPoint& pos) { menus_.levelView->popup(w->mapToGlobal(pos)); });
  }

  // Objects panel.
  connect(docked_.objects->canvas(), &ObjectsCanvas::hovered, this,
          [this](int object) { docked_.objects->showHint(object, session_.catalogue); });
  connect(docked_.objects->canvas(), &ObjectsCanvas::chosen, this,
          [this](int object) { chooseDrawingObject(object, strip_.image(object)); });
  connect(docked_.objects->filterBox(), &QLineEdit::textChanged, this, [this](const QString& text) {
    std::optional<std::vector<int>> shown;
    if (!text.trimmed().isEmpty()) shown = objectsMatching(session_.catalogue, text.toStdString());
    docked_.objects->canvas()->setFilter(std::move(shown));
    docks_->fitObjects();
  });
  connect(docked_.objects->iconSizeBox(), &QComboBox::currentIndexChanged, this, [this] {
    const int side = docked_.objects->iconSizeBox()->currentData().toInt();
    docked_.objects->canvas()->setCellSize(side);
    settings_.config().paletteIconSize = docked_.objects->canvas()->cellSize();
    docks_->fitObjects();
  });

  // Level list.
  connect(docked_.levelList, &LevelList::levelClicked, this,
          [this](int number) { guarded([&] { session_.selectLevel(number + 1); }); });
  connect(docked_.levelList, &LevelList::titleEdited, this,
          [this](int number, const QString& title) {
            guarded([&] { session_.setLevelTitle(number + 1, toRecordText(title)); });
          });
  connect(docked_.levelList, &LevelList::rowDragged, this, [this](int from, int to) {
    panels_.move->target()->setValue(to);
    guarded([&] { session_.dragLevel(from, to); });
  });

  // Escape drops the floating selection (or the area being dragged); with
  // nothing to drop, it leaves full-screen editing, as the View panel does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    const ViewUpdate dropped = drawingTools_.dropSelection();
    if (dropped.any()) {
      viewController_->applyUpdate(dropped);
    } else if (state_.fullScreen) {
      toggleFullScreen();
    }
  });
}

DevelopPanel* MainWindow::makeDevelopPanel() {
  auto* develop = new DevelopPanel(this);
  develop->fillObjects(strip_, session_.catalogue);
  connect(develop, &DevelopPanel::objectPicked, this,
          [this](int object) { chooseDrawingObject(object, strip_.secondImage(object)); });
  connect(develop->button("Redraw Objects"), &QPushButton::clicked, this,
          [this] { docked_.objects->canvas()->update(); });
  connect(develop->button("Go Emerald"), &QPushButton::clicked, this,
          [this] { switchMode(kEmeraldMode); });
  connect(develop->button("New Window"), &QPushButton::clicked, this, [this] {
    LevelPreviewWindow* preview = previews_->newWindow();
    placeSecondaryWindow(preview);
    preview->show();
    preview->activateWindow();
  });
  connect(develop->button("Hide Form1 canvas"), &QPushButton::clicked, this,
          [this] { editingArea_->setEditingHidden(!editingArea_->editingHidden()); });
  connect(develop->button("Show levelinfo"), &QPushButton::clicked, this, [this, develop] {
    session_.map.bdcffMemo[static_cast<std::size_t>(session_.map.currentLevel)].forEach(
        [&](std::string_view line) { develop->memo()->appendPlainText(fromRecordText(line)); });
  });
  develop->button("EM to objects")->setToolTip("Lists the object each EM code reads as");
  develop->button("Objects to EM")->setToolTip("Lists the EM code each object is written as");
  develop->button("EM")->setToolTip(
      QString("Writes the level as an Emerald Mine V6 record (%1 in the settings folder)")
          .arg(kDevelopEmFile));
  develop->button("Load Brel")->setToolTip("Opens a Brel Boulder levelset, its first level fitted");
  develop->button("Das")->setToolTip("The C64 memory dump converter");
  // The EM code tables, listed in the message panel.
  connect(develop->button("EM to objects"), &QPushButton::clicked, this,
          [this] { guarded([this] { emToGameTableListing(session_); }); });
  connect(develop->button("Objects to EM"), &QPushButton::clicked, this,
          [this] { guarded([this] { gameToEmTableListing(session_); }); });
  // The current level as an Emerald Mine V6 record in the settings folder.
  connect(develop->button("EM"), &QPushButton::clicked, this, [this] {
    const QString path = QDir(settings_.settingsDir()).filePath(kDevelopEmFile);
    guarded([&] {
      const auto cut = exportToEm(session_.map, path.toStdString(), 6);
      frontend_.inform(("The level was written to " + path + ".").toStdString() +
                       (cut ? " " + *cut : std::string()));
    });
  });
  // A Brel Boulder levelset, its first level fitted into the view.
  connect(develop->button("Load Brel"), &QPushButton::clicked, this, [this] {
    const auto path = frontend_.dialogs().chooseOpenFile(this, settings_.openFolder(), false);
    if (!path) return;
    bool opened = false;
    guarded([&] {
      const std::string file = path->toStdString();
      const Bytes bytes = readFileBytes(file);
      opened = openLevels(
          session_, [&](LevelsetRead& read) { readBpbdLevelset(read, bytes, file); },
          fileNamePart(file), false);
    });
    if (!opened) return;
    guarded([this] { session_.selectLevel(kFirstSlot); });
    chooseDrawingObject(obj::Dirt, strip_.image(obj::Dirt));
    action("fitLevel")->trigger();
  });
  connect(develop->button("Das"), &QPushButton::clicked, this, [this] { windows_.c64Dump.show(); });
  return develop;
}

}  // namespace pyrovel::app
