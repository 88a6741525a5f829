#pragma once
// The level preview windows of the main window. The last one activated is
// the registered one: while the editing area is hidden it is shown and
// follows the current level.
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace pyrovel {
class Levelmap;
class SpriteStrip;
}  // namespace pyrovel

namespace pyrovel::app {

class LevelPreviewWindow;

class LevelPreviews : public QObject {
  Q_OBJECT
 public:
  LevelPreviews(QWidget* window, const Levelmap* map, const SpriteStrip* strip);

  LevelPreviewWindow* newWindow();
  // The first preview, showing the current level (View menu).
  LevelPreviewWindow* showCurrentLevel();
  // While following, the registered preview is shown and draws each level shown.
  void setFollowingLevel(bool follow);
  void levelShown();
  void updateAll();
  void closeAll();

 private:
  QWidget* window_;
  const Levelmap* map_;
  const SpriteStrip* strip_;
  std::vector<LevelPreviewWindow*> previews_;
  QPointer<LevelPreviewWindow> registered_;
  bool following_ = false;
};

}  // namespace pyrovel::app
