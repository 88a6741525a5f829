#pragma once
// The core's front end for the main window: questions and messages go to
// the window's dialogs, the open and save-as dialogs start in the settings'
// open folder, progress goes to the Convert panel's gauge and "something
// changed" to the window's refresh.
#include <QString>
#include <functional>
#include <memory>

#include "app/lazy_window.h"
#include "model/frontend.h"

class QWidget;

namespace pyrovel::app {

class ConvertPanel;
class Dialogs;
class EditorSettings;

class WindowFrontend : public Frontend {
 public:
  // `dialogs` null: message boxes and file dialogs of its own.
  WindowFrontend(QWidget* window, Dialogs* dialogs, EditorSettings& settings,
                 std::function<void(unsigned what)> onChanged);
  ~WindowFrontend() override;

  Dialogs& dialogs() const { return *dialogs_; }
  void setProgressPanel(LazyWindow<ConvertPanel>* panel) { progressPanel_ = panel; }

  Answer ask(std::string_view question, bool withCancel) override;
  void inform(std::string_view text) override;
  void progress(int value, int max, std::string_view label) override;
  void changed(unsigned what) override;
  std::optional<std::string> chooseOpenFile(bool append) override;
  std::optional<SaveAsChoice> chooseSaveAs(const std::string& proposed) override;
  // A message box with a caption of its own (the players' not-found boxes).
  void captionedMessage(const QString& caption, const QString& text);

 private:
  QWidget* window_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  EditorSettings& settings_;
  std::function<void(unsigned)> onChanged_;
  LazyWindow<ConvertPanel>* progressPanel_ = nullptr;
};

}  // namespace pyrovel::app
