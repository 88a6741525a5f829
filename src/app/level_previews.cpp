#include "app/level_previews.h"

#include <QMainWindow>
#include <algorithm>

#include "app/level_preview_window.h"

namespace pyrovel::app {

LevelPreviews::LevelPreviews(QWidget* window, const Levelmap* map, const SpriteStrip* strip)
    : QObject(window), window_(window), map_(map), strip_(strip) {}

LevelPreviewWindow* LevelPreviews::newWindow() {
  auto* preview = new LevelPreviewWindow(window_, map_, strip_);
  connect(preview, &LevelPreviewWindow::activated, this,
          [this](LevelPreviewWindow* p) { registered_ = p; });
  connect(preview, &QObject::destroyed, this, [this, preview] {
    previews_.erase(std::remove(previews_.begin(), previews_.end(), preview), previews_.end());
  });
  previews_.push_back(preview);
  return preview;
}

void LevelPreviews::setFollowingLevel(bool follow) {
  following_ = follow;
  if (!follow) return;
  LevelPreviewWindow* preview = registered_.data();
  // The first preview is made when it is first wanted.
  if (!preview) preview = previews_.empty() ? newWindow() : previews_.front();
  preview->show();
  preview->raise();
  registered_ = preview;
  preview->drawPreview();
}

LevelPreviewWindow* LevelPreviews::showCurrentLevel() {
  LevelPreviewWindow* preview = previews_.empty() ? newWindow() : previews_.front();
  preview->drawPreview();
  if (preview->isHidden()) {
    // Over the level's top right corner, clear of the menus and tool bars.
    const auto* main = qobject_cast<QMainWindow*>(window_);
    const int top = main && main->centralWidget() ? main->centralWidget()->geometry().top() : 0;
    preview->move(window_->mapToGlobal(
        QPoint(std::max(0, window_->width() - preview->width() - 24), top + 24)));
  }
  preview->show();
  preview->raise();
  return preview;
}

void LevelPreviews::levelShown() {
  if (following_ && registered_) registered_->drawPreview();
}

void LevelPreviews::updateAll() {
  for (LevelPreviewWindow* preview : previews_) preview->update();
}

void LevelPreviews::closeAll() {
  for (LevelPreviewWindow* preview : previews_) preview->close();
}

}  // namespace pyrovel::app
