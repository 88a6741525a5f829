#pragma once
// What the two disk-image browsers share: a window of its own beside the
// main window, the session the imports go into, and the file dialogs and
// messages, which tests answer instead of a person.
#include <QMainWindow>
#include <exception>
#include <functional>
#include <optional>

namespace pyrovel {
class EditorSession;
}

namespace pyrovel::app {

class Dialogs;

class DiskImageWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `dialogs` shows errors and messages; null means message boxes.
  // `imageTypes` are the open dialog's file types.
  DiskImageWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent,
                  const QString& openCaption, const QString& imageTypes,
                  const QString& saveCaption);

  // The image to open, and a file to save proposed under a name. Nothing
  // when cancelled.
  std::function<std::optional<QString>()> chooseImage;
  std::function<std::optional<QString>(const QString& proposed)> chooseSaveFile;

 protected:
  void report(const QString& text);
  void error(const std::exception& e);

  EditorSession& session_;
  Dialogs* dialogs_;
};

}  // namespace pyrovel::app
