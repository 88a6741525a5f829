#pragma once
// The level list (`Levelnames`): one row per level with its number and its
// title. A click shows the level, the title is edited in place, and a row
// dragged onto another moves the level there.
#include <QTableWidget>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel::app {

class LevelList : public QTableWidget {
  Q_OBJECT
 public:
  explicit LevelList(QWidget* parent = nullptr);

  // Numbers and titles of slots 1..100.
  void fill(const Levelmap& map);
  // Marks the row of the level shown, without reporting a click.
  void markCurrent(int levelNumber);
  // A mark beside the title of each level with an error (index: level number).
  void markErrors(const std::vector<bool>& levelHasError);
  bool hasErrorMark(int levelNumber) const;

 signals:
  void levelClicked(int levelNumber);
  void titleEdited(int levelNumber, const QString& title);
  void rowDragged(int fromNumber, int toNumber);

 protected:
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int dropRow(const QPoint& pos) const;

  bool filling_ = false;
};

}  // namespace pyrovel::app
