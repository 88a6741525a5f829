#include "app/level_view_controller.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

#include "app/event_watcher.h"
#include "app/icons.h"
#include "app/level_view.h"
#include "app/text_codec.h"
#include "app/tool_overlay.h"
#include "app/tools_panel.h"

namespace pyrovel::app {

namespace {

// A tool shown on by its highlight turns white while on.
const char* const kHighlighted =
    "QToolButton { background-color: white; border: 1px solid #8a96a3; border-radius: 3px; }";

// The tools read presses on a 24 x 24 button: scale ours to it.
QPoint onButtonGrid(const QWidget* button, QPoint at) {
  constexpr int kGrid = 24;
  return {at.x() * kGrid / std::max(1, button->width()),
          at.y() * kGrid / std::max(1, button->height())};
}

}  // namespace

LevelViewController::LevelViewController(ToolController& tools, const SpriteStrip& strip,
                                         LevelViewWidgets widgets, QObject* parent)
    : QObject(parent), tools_(tools), strip_(strip), widgets_(std::move(widgets)) {
  LevelView* view = widgets_.view;
  connect(view, &LevelView::pressed, this, &LevelViewController::viewPressed);
  connect(view, &LevelView::moved, this, &LevelViewController::viewMoved);
  connect(view, &LevelView::released, this,
          [this](QPoint, int, Qt::MouseButton button) { viewReleased(button); });
  view->setOverlay([this](QPainter& p, int cellSize, const QRect& area,
                          LevelView::OverlayLayer layer) {
    paintToolOverlay(p, tools_, strip_, cellSize, area, widgets_.view->rect(),
                     layer == LevelView::OverlayLayer::OverGrid);
  });
  // A paste goes under the pointer only while it is over the view.
  EventWatcher::watch(view, this, [this](QObject*, QEvent* event) {
    if (event->type() == QEvent::Enter) pointerOverView_ = true;
    if (event->type() == QEvent::Leave) {
      pointerOverView_ = false;
      tools_.pointerLeft();
    }
    return false;
  });
  connectToolButtons();
  watchPanKey();
  updateToolControls();
}

namespace {

// Whether a Space typed into this widget is text, and no pan (a number
// box takes no spaces).
bool takesText(const QWidget* w) {
  if (!w) return false;
  if (const auto* box = qobject_cast<const QComboBox*>(w)) return box->isEditable();
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w);
}

}  // namespace

void LevelViewController::watchPanKey() {
  EventWatcher::watch(qApp, this, [this](QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationDeactivate && panKeyTaken_) {
      panKeyTaken_ = false;  // the release goes elsewhere
      applyUpdate(tools_.setPanKeyHeld(false));
      return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier) return false;
    if (type == QEvent::KeyRelease) {
      if (!panKeyTaken_) return false;
      if (!key->isAutoRepeat()) {
        panKeyTaken_ = false;
        applyUpdate(tools_.setPanKeyHeld(false));
      }
      return true;
    }
    if (panKeyTaken_) return true;  // held: the repeats go nowhere either
    if (!pointerOverView_ || QApplication::activeModalWidget() ||
        takesText(QApplication::focusWidget()) || !widgets_.view->isVisible()) {
      return false;
    }
    panKeyTaken_ = true;
    applyUpdate(tools_.setPanKeyHeld(true));
    return true;
  });
}

void LevelViewController::addToolKeys(QWidget* window) {
  for (const auto& tool : tools_.tools()) {
    const char key = tool->key();
    auto* action = new QAction(fromStd(tool->buttonHint()), window);
    action->setObjectName(fromStd(tool->id()) + "Key");
    action->setShortcut(QKeySequence(QString(QLatin1Char(key))));
    connect(action, &QAction::triggered, this, [this, key] { applyUpdate(tools_.pressKey(key)); });
    window->addAction(action);
  }
}

void LevelViewController::connectToolButtons() {
  for (const auto& tool : tools_.tools()) {
    QToolButton* button = widgets_.toolsPanel->button(fromStd(tool->id()));
    if (!button) continue;  // the default tool has none
    const std::string_view id = tool->id();
    if (tool->buttonLook() == ButtonLook::Down) button->setCheckable(true);
    connect(button, &QToolButton::clicked, this, [this, id] { applyUpdate(tools_.toggle(id)); });
    // Where a button is pressed may choose how its tool works, before the click.
    EventWatcher::watch(button, this, [this, id](QObject* watched, QEvent* event) {
      if (event->type() != QEvent::MouseButtonPress) return false;
      const auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton) return false;
      const QPoint at = onButtonGrid(static_cast<QWidget*>(watched), press->position().toPoint());
      applyUpdate(tools_.pressButton(id, at.x(), at.y()));
      return false;
    });
  }
}

void LevelViewController::freezeWhileDragged(QWidget* dock) {
  EventWatcher::watch(dock, this, [this](QObject*, QEvent* event) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::NonClientAreaMouseButtonPress:
        tools_.context().propertiesDragActive = true;
        break;
      case QEvent::MouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::Hide:
        tools_.context().propertiesDragActive = false;
        break;
      default:
        break;
    }
    return false;
  });
}

// --- the level view ----------------------------------------------------------------

void LevelViewController::viewPressed(QPoint at, int cellSize, Qt::MouseButton qtButton,
                                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  const auto button = toCoreButton(qtButton);
  if (!button || draggingSelection_) return;
  const unsigned held = heldState(buttons | qtButton, modifiers);
  // The floating selection lies over the level: a left press on it takes it
  // up, unless it starts a pan or a pick, which look through it.
  const bool gesture =
      *button == MouseButton::Middle || (held & kHeldAlt) || tools_.panKeyHeld();
  if (!gesture && !tools_.rubberBand() && tools_.clipboard().contains(at.x(), at.y(), cellSize)) {
    if (*button != MouseButton::Left) return;
    draggingSelection_ = true;
    applyUpdate(tools_.pressSelection(at.x(), at.y(), cellSize));
    return;
  }
  applyUpdate(tools_.press(at.x(), at.y(), *button, cellSize, held));
}

void LevelViewController::viewMoved(QPoint at, int cellSize, Qt::MouseButtons buttons,
                                    Qt::KeyboardModifiers modifiers) {
  // A window move handed to the system may end without a release reaching
  // the Properties window: a move with the button up shows the drag is over.
  if (!(buttons & Qt::LeftButton)) tools_.context().propertiesDragActive = false;
  pointerOverView_ = true;
  if (draggingSelection_) {
    applyUpdate(tools_.dragSelection(at.x(), at.y(), cellSize));
  } else {
    applyUpdate(tools_.move(at.x(), at.y(), heldState(buttons, modifiers), cellSize));
  }
  updateViewCursor(at, cellSize);
}

void LevelViewController::viewReleased(Qt::MouseButton qtButton) {
  const auto button = toCoreButton(qtButton);
  if (!button) return;
  if (draggingSelection_) {
    if (*button != MouseButton::Left) return;
    draggingSelection_ = false;
    applyUpdate(tools_.releaseSelection());
    return;
  }
  applyUpdate(tools_.release(*button));
}

void LevelViewController::applyUpdate(const ViewUpdate& update) {
  for (const CellPos& cell : update.cells) widgets_.view->updateCell(cell.x, cell.y);
  if (!update.cells.empty()) emit cellsDrawn();
  if (update.redrawLevel) emit levelChanged();
  if (update.drawingObject) emit drawingObjectPicked(tools_.context().session().drawingObject);
  if ((update.scrollX || update.scrollY) && widgets_.scrollBox) {
    QScrollBar* h = widgets_.scrollBox->horizontalScrollBar();
    QScrollBar* v = widgets_.scrollBox->verticalScrollBar();
    h->setValue(h->value() + update.scrollX);
    v->setValue(v->value() + update.scrollY);
  }
  if (update.overlay) updateOverlay();
  if (update.status) {
    widgets_.pointerCoordinates->setText(fromStd(tools_.context().statusCoordinates()));
    widgets_.pointerObject->setText(fromStd(tools_.context().statusObject()));
  }
  if (update.tools) {
    updateToolControls();
  } else if (update.overlay) {
    updateUsageHint();  // a selection shown or gone changes what the pen's hint says
  }
}

void LevelViewController::updateOverlay() {
  const QRegion now = toolOverlayRegion(tools_, widgets_.view->cellSize(), widgets_.view->rect());
  widgets_.view->update(lastOverlay_ + now);
  lastOverlay_ = now;
}

void LevelViewController::updateToolControls() {
  for (const auto& tool : tools_.tools()) {
    QToolButton* button = widgets_.toolsPanel->button(fromStd(tool->id()));
    if (!button) continue;
    const QString icon = fromStd(tools_.buttonIcon(tool->id()));
    if (button->property("iconId").toString() != icon) {
      button->setIcon(toolIcon(tools_.buttonIcon(tool->id())));
      button->setProperty("iconId", icon);
    }
    if (tool->buttonLook() == ButtonLook::Down) {
      button->setChecked(tools_.buttonDown(tool->id()));
    } else {
      const QString look = tools_.buttonHighlighted(tool->id()) ? kHighlighted : "";
      if (button->styleSheet() != look) button->setStyleSheet(look);
    }
  }
  for (const auto& [kind, bar] : widgets_.optionBars) {
    const bool shown = tools_.optionBar() == kind;
    if (QWidget* made = bar(shown)) made->setVisible(shown);
  }
  updateUsageHint();
  updateViewCursor(widgets_.view->mapFromGlobal(QCursor::pos()), widgets_.view->cellSize());
}

void LevelViewController::updateUsageHint() {
  const QString hint = fromStd(tools_.usageHint());
  if (hint != widgets_.usageHint->text()) widgets_.usageHint->setText(hint);
  widgets_.usageHint->setVisible(!hint.isEmpty());
}

void LevelViewController::updateViewCursor(QPoint at, int cellSize) {
  const CursorKind kind = tools_.cursor();
  Qt::CursorShape shape = kind == CursorKind::Cross        ? Qt::CrossCursor
                          : kind == CursorKind::OpenHand   ? Qt::OpenHandCursor
                          : kind == CursorKind::ClosedHand ? Qt::ClosedHandCursor
                                                           : Qt::ArrowCursor;
  const bool handOn = kind == CursorKind::OpenHand || kind == CursorKind::ClosedHand;
  if (draggingSelection_ || (!handOn && !tools_.rubberBand() &&
                             tools_.clipboard().contains(at.x(), at.y(), cellSize))) {
    shape = Qt::SizeAllCursor;
  }
  if (widgets_.view->cursor().shape() != shape) widgets_.view->setCursor(shape);
}

}  // namespace pyrovel::app
