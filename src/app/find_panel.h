#pragma once
// The folder finder (`FindPanel`): the user points at a folder, typed or
// picked, and the panel says whether the player lives there. A folder
// found is stored at once; "OK" and "Cancel" only close the panel.
#include <QLabel>
#include <QLineEdit>

#include "app/tool_windows.h"
#include "model/configuration.h"

namespace pyrovel::app {

class FindPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit FindPanel(QWidget* owner);

  // Finding the Pyrovel, BD4, Emerald or Boulderflash player: the prompt
  // and the file looked for, then the folder shown is checked.
  void find(TestTarget target, const QString& startDir);

  TestTarget target() const { return target_; }
  QLineEdit* directory() const { return folder_; }
  QLabel* prompt() const { return prompt_; }
  QLabel* result() const { return result_; }

 signals:
  void found(TestTarget target, const QString& dir);

 private:
  // Runs on every change of the folder shown.
  void setFolder();
  void browse();

  TestTarget target_ = TestTarget::Pyrovel;
  QLabel* prompt_;
  QLineEdit* folder_;
  QLabel* result_;
};

}  // namespace pyrovel::app
