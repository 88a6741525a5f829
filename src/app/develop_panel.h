#pragma once
// The Development panel (`DevelopPanel`): developer pages. "All Objects"
// lists every sprite to pick a drawing object from, "Temp" holds
// one-off buttons, "ImportRoutines" the importers' switches and a memo.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/tool_windows.h"
#include "model/object_catalogue.h"
#include "render/sprite_strip.h"

namespace pyrovel::app {

class DevelopPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit DevelopPanel(QWidget* owner);

  // One row per object of the strip: its sprite and its name list entry.
  // Filled when the panel is shown (it starts hidden); both must outlive it.
  void fillObjects(const SpriteStrip& strip, const ObjectCatalogue& catalogue);
  QPushButton* button(const QString& caption) const;
  QPlainTextEdit* memo() const { return importLog_; }
  bool viewUnknown() const { return viewUnknown_->isChecked(); }
  bool clearInBetween() const { return clearInBetween_->isChecked(); }
  bool viewOnly() const { return viewOnly_->isChecked(); }
  // The key of the one unknown-byte line "View only" shows ("unknown2.3").
  QLineEdit* onlyKey() const { return onlyKey_; }

 signals:
  void objectPicked(int object);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillWhenShown();

  QListWidget* allObjects_;
  const SpriteStrip* strip_ = nullptr;
  const ObjectCatalogue* catalogue_ = nullptr;
  bool objectsStale_ = false;
  QPlainTextEdit* importLog_;
  QCheckBox* viewUnknown_;
  QCheckBox* clearInBetween_;
  QCheckBox* viewOnly_;
  QLineEdit* onlyKey_;
};

}  // namespace pyrovel::app
