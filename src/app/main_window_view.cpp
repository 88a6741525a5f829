// The View menu's grid, layer view, fit and preview; the search results
// shown on the level; files dropped on the window; the level as a picture.
#include <QAction>
#include <QActionGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "app/dialogs.h"
#include "app/editing_area.h"
#include "app/event_watcher.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app/levelmap_panels.h"
#include "app/main_window.h"
#include "app/text_codec.h"
#include "editor/dropped_file.h"
#include "model/startup.h"
#include "render/level_picture.h"

namespace pyrovel::app {

void MainWindow::createViewActions() {
  actions_.add({"showGrid", "&Grid", {QKeySequence("Ctrl+G")}, "Lines between the cells", true},
               [this] {
                 const bool on = action("showGrid")->isChecked();
                 editingArea_->view()->setGridShown(on);
                 settings_.config().gridShown = on;
               });
  menus_.layers->addAction(actions_.add(
      {"bothLayers", "Both Layers", {}, "Edit the game layer over the dimmed background", true},
      [this] {
        editingArea_->view()->setBothLayersShown(true);
        guarded([this] { showGameLayer(session_); });
      }));
  for (const char* single : {"gameLayer", "backgroundLayer"}) {
    // After the layer's own handler, which checked the group while both still showed.
    connect(action(single), &QAction::triggered, this, [this, single] {
      editingArea_->view()->setBothLayersShown(false);
      action(single)->setChecked(true);
    });
  }
  actions_.add({"fitLevel", "&Fit Level", {QKeySequence("Ctrl+0")}, "Fit the whole level"},
               [this] { editingArea_->scrollBox()->fitView(); });
  actions_.add({"levelPreview", "Level Pre&view"}, [this] { previews_->showCurrentLevel(); });
  actions_.add({"exportLevelPicture", "Export Level &Picture..."},
               [this] { exportLevelPicture(); });
}

// --- search ------------------------------------------------------------------------

void MainWindow::connectSearch(SearchPanel* panel) {
  connect(panel, &SearchPanel::searchChanged, this, [this] {
    search_.current.reset();
    runSearch();
  });
  connect(panel, &SearchPanel::stepRequested, this, [this](int d) { stepSearch(d); });
  // Closing the panel takes the frames off the level.
  EventWatcher::watch(panel, this, [this](QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide || event->type() == QEvent::Show) runSearch();
    return false;
  });
}

void MainWindow::runSearch() {
  SearchPanel* panel = panels_.search.ifBuilt();
  const QString text = panel ? panel->text()->text() : QString();
  if (!panel || !panel->isVisible() || text.trimmed().isEmpty()) {
    search_.found.clear();
    search_.current.reset();
    if (panel) panel->showCount({});
  } else {
    search_.found =
        findCells(session_.map, objectsMatching(session_.catalogue, text.toStdString()));
    int levels = 0;
    for (std::size_t i = 0; i < search_.found.size(); ++i) {
      if (i == 0 || search_.found[i].slot != search_.found[i - 1].slot) ++levels;
    }
    panel->showCount(search_.found.empty()
                         ? QString("Not found")
                         : QString("%1 cells in %2 levels").arg(search_.found.size()).arg(levels));
  }
  showSearchHighlights();
}

void MainWindow::showSearchHighlights() {
  std::vector<QPoint> cells;
  for (const FoundCell& f : search_.found) {
    if (f.slot == session_.map.currentLevel) cells.emplace_back(f.x, f.y);
  }
  QPoint current(-1, -1);
  if (search_.current && search_.current->slot == session_.map.currentLevel)
    current = {search_.current->x, search_.current->y};
  editingArea_->view()->setHighlights(std::move(cells), current);
}

void MainWindow::showSearch() {
  SearchPanel* panel = panels_.search.get();
  editingArea_->showPanel(panel);
  panel->text()->setFocus(Qt::ShortcutFocusReason);
  panel->text()->selectAll();
}

void MainWindow::findAgain(int direction) {
  SearchPanel* panel = panels_.search.ifBuilt();
  if (!panel || !panel->isVisible() || panel->text()->text().trimmed().isEmpty()) {
    showSearch();
    return;
  }
  stepSearch(direction);
}

void MainWindow::stepSearch(int direction) {
  runSearch();  // the cells as they are now
  const int level = session_.map.currentLevel;
  // From the cell stepped to last while its level is shown, else from the
  // start (or, backwards, the end) of the level shown.
  FoundCell from =
      direction > 0 ? FoundCell{level, -1, -1} : FoundCell{level, kMaxLevelSide, kMaxLevelSide};
  if (search_.current && search_.current->slot == level) from = *search_.current;
  const auto next = stepFound(search_.found, from, direction);
  if (!next) {
    if (!panels_.search->text()->text().trimmed().isEmpty()) frontend_.inform("Object not found");
    return;
  }
  search_.current = search_.found[*next];
  if (search_.current->slot != level) {
    guarded([this] { session_.selectLevel(search_.current->slot); });
  }
  showSearchHighlights();
  editingArea_->scrollBox()->showCell({search_.current->x, search_.current->y});
}

// --- dropped files -------------------------------------------------------------------

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    openDroppedFile(url.toLocalFile());
    return;  // one file at a time: a second open would ask again
  }
}

void MainWindow::openDroppedFile(const QString& path) {
  DroppedKind kind = DroppedKind::Unknown;
  if (!guarded([&] { kind = droppedFileKind(path.toStdString()); })) return;
  switch (kind) {
    case DroppedKind::Levelset:
      settings_.setOpenFolder(QFileInfo(path).absolutePath());
      openLevelmap(OpenSource::Path, path);
      break;
    case DroppedKind::Level:
      guarded([&] { importDroppedLevel(session_, path.toStdString()); });
      break;
    case DroppedKind::Unknown:
      frontend_.inform(QFileInfo(path).fileName().toStdString() +
                       ": neither a levelset nor a level file the editor reads");
      break;
  }
}

// --- the level as a picture ----------------------------------------------------------

void MainWindow::exportLevelPicture() {
  const Levelmap& map = session_.map;
  QString proposed = fromRecordText(map.current().title()).trimmed();
  if (proposed.isEmpty())
    proposed = QString("level%1").arg(Levelmap::levelNumber(map.currentLevel));
  proposed.replace('/', '_').replace('\\', '_');
  const auto choice =
      frontend_.dialogs().choosePictureExport(this, settings_.openFolder(), proposed + ".png");
  if (!choice) return;
  // The layers as the view shows them; the cell size as the dialog allows.
  const int cell = std::clamp(choice->cellSize, 1, 64);
  guarded([&] {
    writePng(choice->path.toStdString(),
             levelPictureRows(map, map.currentLevel, editingArea_->view()->layer(), strip_, cell));
  });
}

}  // namespace pyrovel::app
