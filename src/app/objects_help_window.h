#pragma once
// `ObjectsHelpWindow`, "Help": explains the objects one at a time. The user picks an
// object from a palette of 7 columns or steps with "previous" and "next";
// the window shows the object's sprite, name and help text. In development
// mode the text can be edited and the whole document saved.
#include <QWidget>

#include "editor/objects_help.h"
#include "model/palette_file.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

namespace pyrovel {
class ObjectCatalogue;
class SpriteStrip;
}  // namespace pyrovel

namespace pyrovel::app {

class Dialogs;
class ObjectsCanvas;

class ObjectsHelpWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPaletteColumns = 7;

  // `catalogue` names the objects, `strip` draws them; both outlive the
  // window. `dialogs` shows errors; null means message boxes.
  ObjectsHelpWindow(const ObjectCatalogue& catalogue, const SpriteStrip& strip, Dialogs* dialogs,
                    QWidget* parent = nullptr);

  const ObjectsHelp& help() const { return help_; }
  // The palette of the current editing mode.
  void setObjects(const Palette& palette);
  // Development mode: the document editor beside the text, which becomes
  // writable.
  void setDevelopmentMode(bool on);
  // The sprite strip changed (another image library): repaint.
  void refreshSprites();

  void displayObjectHelp();
  void nextObject();
  void previousObject();
  // A palette press.
  void chooseObject(int object);
  void scanText();  // "ReScan"
  // "Save" into `directory` (the current directory from the button).
  void saveText(const QString& directory);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* makeBasePanel();
  std::vector<std::string> shownLines() const;
  void showDocument();
  // Runs a step that may write an edit back; errors are shown.
  template <class Step>
  void guarded(Step&& step);

  const ObjectCatalogue& catalogue_;
  const SpriteStrip& strip_;
  Dialogs* dialogs_;
  ObjectsHelp help_;
  bool showing_ = false;  // the text is being filled, not edited

  QLabel* objectHint_;
  ObjectsCanvas* palette_;
  QLabel* sprite_;
  QLabel* objectTitle_;
  QPlainTextEdit* objectText_;
  QWidget* basePanel_;
  QListWidget* sections_;
  QPlainTextEdit* documentView_;
};

}  // namespace pyrovel::app
