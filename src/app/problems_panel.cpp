#include "app/problems_panel.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editing_area.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/main_window.h"
#include "app/tools_panel.h"
#include "model/frontend.h"

namespace pyrovel::app {

namespace {
enum Column { LevelColumn, CellColumn, RuleColumn, MessageColumn };
constexpr int kSlotRole = Qt::UserRole;
constexpr int kCellRole = Qt::UserRole + 1;

QString plural(int n, const char* one, const char* many) {
  return QString::number(n) + " " + (n == 1 ? one : many);
}
}  // namespace

ProblemsPanel::ProblemsPanel(const Levelmap& map, const Configuration& config, QWidget* parent)
    : QDockWidget("Problems", parent), map_(map), config_(config) {
  setObjectName("problemsDock");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  note_ = new QLabel(body);
  note_->setObjectName("problemsNote");
  note_->setWordWrap(true);
  note_->hide();
  layout->addWidget(note_);
  list_ = new QTreeWidget(body);
  list_->setObjectName("problemsList");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({"Level", "Cell", "Rule", "Message"});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(true);
  layout->addWidget(list_, 1);
  setWidget(body);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const QPoint cell = item->data(CellColumn, kCellRole).toPoint();
    emit goTo(item->data(LevelColumn, kSlotRole).toInt(), cell.x(), cell.y());
  });
}

ProblemsPanel* ProblemsPanel::install(MainWindow& window) {
  auto* panel = new ProblemsPanel(window.session().map, window.settings().config(), &window);
  window.addDockWidget(Qt::BottomDockWidgetArea, panel);
  panel->hide();
  QAction* toggle = panel->toggleViewAction();
  toggle->setObjectName("problemsPanel");
  toggle->setText("&Problems");
  if (auto* view = window.findChild<QMenu*>("viewMenu")) {
    view->insertAction(window.action("options"), toggle);
  }
  connect(panel, &ProblemsPanel::goTo, &window, [&window](int slot, int x, int y) {
    EditorSession& session = window.session();
    if (session.map.currentLevel != slot) window.guarded([&] { session.selectLevel(slot); });
    if (x < 0 || session.map.currentLevel != slot) return;
    window.editingArea().view()->setHighlights({QPoint(x, y)}, QPoint(x, y));
    window.editingArea().scrollBox()->showCell(QPoint(x, y));
  });
  connect(panel, &ProblemsPanel::errorLevelsChanged, window.docked().levelList,
          &LevelList::markErrors);
  for (const char* save : {"saveLevelset", "saveLevelsetAs"}) {
    connect(window.action(save), &QAction::triggered, panel, &ProblemsPanel::afterSave);
  }
  if (QToolButton* test = window.docked().tools->button("testLevelButton")) {
    connect(test, &QToolButton::clicked, panel, &ProblemsPanel::afterTest);
  }
  panel->recheckAll();
  return panel;
}

void ProblemsPanel::levelmapChanged(unsigned what) {
  if (what & kLevelList) {
    recheckAll();
    return;
  }
  if (!(what & (kCellsChanged | kProperties | kLevelShown))) return;
  // An import fills the level shown and then steps on: the level left is
  // checked again too.
  bool changed = false;
  if (what & kLevelShown && shownSlot_ != map_.currentLevel) changed = checkSlot(shownSlot_);
  shownSlot_ = map_.currentLevel;
  changed = checkSlot(map_.currentLevel) || changed;
  // A stroke reports every cell it draws: the list is built again only
  // when what the level shows changed.
  if (!changed) return;
  showList();
  publishMarks();
}

void ProblemsPanel::recheckAll() {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) checkSlot(slot);
  showList();
  publishMarks();
}

bool ProblemsPanel::checkSlot(int slot) {
  auto found = checkLevel(map_, slot, checkOptionsFor(config_));
  auto& held = problems_[static_cast<std::size_t>(slot)];
  if (found == held) return false;
  held = std::move(found);
  return true;
}

int ProblemsPanel::errorCount() const {
  int n = 0;
  for (const auto& level : problems_) {
    for (const Problem& p : level) n += p.severity == Severity::Error;
  }
  return n;
}

int ProblemsPanel::problemCount() const {
  int n = 0;
  for (const auto& level : problems_) n += static_cast<int>(level.size());
  return n;
}

void ProblemsPanel::showList() {
  const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  list_->setUpdatesEnabled(false);
  list_->clear();
  QList<QTreeWidgetItem*> rows;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    for (const Problem& p : problemsOf(slot)) {
      auto* row = new QTreeWidgetItem;
      row->setText(LevelColumn, QString::number(Levelmap::levelNumber(slot)));
      row->setData(LevelColumn, kSlotRole, slot);
      row->setIcon(LevelColumn, p.severity == Severity::Error ? errorIcon : warningIcon);
      row->setText(CellColumn, p.hasCell() ? QString("%1,%2").arg(p.x).arg(p.y) : QString());
      row->setData(CellColumn, kCellRole, QPoint(p.x, p.y));
      row->setText(RuleColumn, QString::fromLatin1(p.rule.c_str()));
      row->setText(MessageColumn, QString::fromLatin1(p.message.c_str()));
      row->setToolTip(MessageColumn, row->text(MessageColumn));
      rows << row;
    }
  }
  list_->addTopLevelItems(rows);
  list_->setUpdatesEnabled(true);
  const int errors = errorCount();
  setWindowTitle(QString("Problems: %1, %2")
                     .arg(plural(errors, "error", "errors"))
                     .arg(plural(problemCount() - errors, "warning", "warnings")));
}

void ProblemsPanel::publishMarks() {
  std::vector<bool> marks(kLastSlot);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    for (const Problem& p : problemsOf(slot)) {
      if (p.severity == Severity::Error) marks[static_cast<std::size_t>(slot - kFirstSlot)] = true;
    }
  }
  if (marks == marks_) return;
  marks_ = marks;
  emit errorLevelsChanged(marks_);
}

void ProblemsPanel::afterSave() {
  if (map_.modified) return;  // nothing was saved
  const int problems = problemCount();
  if (problems == 0) {
    note_->hide();
    return;
  }
  int levels = 0;
  for (bool marked : marks_) levels += marked;
  const int errors = errorCount();
  note_->setText(errors > 0 ? "Saved with " + plural(errors, "error", "errors") + " in " +
                                  plural(levels, "level", "levels") +
                                  ": nobody can finish those levels as they are."
                            : "Saved with " + plural(problems, "warning", "warnings") + ".");
  note_->show();
  show();
  raise();
}

void ProblemsPanel::afterTest() {
  const int slot = map_.currentLevel;
  int errors = 0;
  const Problem* first = nullptr;
  for (const Problem& p : problemsOf(slot)) {
    if (p.severity != Severity::Error) continue;
    ++errors;
    if (!first) first = &p;
  }
  if (!first) return;
  note_->setText(QString("Tested level %1 with %2; the first: %3")
                     .arg(Levelmap::levelNumber(slot))
                     .arg(plural(errors, "error", "errors"))
                     .arg(QString::fromLatin1(first->message.c_str())));
  note_->show();
  show();
  raise();
}

}  // namespace pyrovel::app
