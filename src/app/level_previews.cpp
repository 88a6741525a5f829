#include "app/level_previews.h"

#include <algorithm>

#include "app/level_preview_window.h"
#include "app/window_placement.h"

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
  placeSecondaryWindow(preview);
  preview->show();
  preview->raise();
  registered_ = preview;
  preview->drawPreview();
}

LevelPreviewWindow* LevelPreviews::showCurrentLevel() {
  LevelPreviewWindow* preview = previews_.empty() ? newWindow() : previews_.front();
  preview->drawPreview();
  placeSecondaryWindow(preview);
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
