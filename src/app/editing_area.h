#pragma once
// The main window's central widget: the reader's note of an imported
// level, the level caption and the level view in its scroll box. Hidden,
// the editing page gives way to an empty page, so the docks keep their
// sizes.
#include <QStackedWidget>

class QLabel;

namespace pyrovel {
class Levelmap;
class SpriteStrip;
}  // namespace pyrovel

namespace pyrovel::app {

class LevelScrollBox;
class LevelView;

class EditingArea : public QStackedWidget {
  Q_OBJECT
 public:
  // `map` and `strip` must outlive the area.
  EditingArea(const Levelmap* map, const SpriteStrip* strip, QWidget* parent = nullptr);

  LevelView* view() const { return view_; }
  LevelScrollBox* scrollBox() const { return scroll_; }

  // An empty note hides the note panel.
  void showReaderNote(const QString& note);
  void setCaption(const QString& caption);
  void setEditingHidden(bool hidden);
  bool editingHidden() const;
  // Full-screen editing: no caption, and the level view without a frame.
  void setFullScreenLook(bool fullScreen);
  // Shows a small tool window near the top right of the level view.
  void showPanel(QWidget* panel);

 signals:
  void editingHiddenChanged(bool hidden);

 private:
  QWidget* editingPage_;
  QWidget* notePanel_;
  QLabel* noteText_;
  QWidget* caption_;
  QLabel* captionText_;
  LevelView* view_;
  LevelScrollBox* scroll_;
};

}  // namespace pyrovel::app
