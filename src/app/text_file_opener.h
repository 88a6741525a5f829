#pragma once
// Opens the game's and the editor's text files (readme, ideas, to-do) in the
// desktop's editor, finding them whatever the letter case of their names.
#include <QString>
#include <functional>

class QWidget;

namespace pyrovel::app {

class WindowFrontend;

class TextFileOpener {
 public:
  // `openDocument` null: the desktop's default program.
  TextFileOpener(QWidget& window, WindowFrontend& frontend,
                 std::function<bool(const QString& path)> openDocument)
      : window_(window), frontend_(frontend), openDocument_(std::move(openDocument)) {}

  void open(const QString& folder, const QString& name);
  static constexpr const char* kUserGuide = "user-guide.md";
  // Help "&Help": the user guide shipped with the program (in `dataFolder`).
  void openHelp(const QString& dataFolder);

 private:
  QWidget& window_;
  WindowFrontend& frontend_;
  std::function<bool(const QString&)> openDocument_;
};

}  // namespace pyrovel::app
