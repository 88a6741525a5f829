#pragma once
// The three small panels that act on the whole levelmap: search for an
// object, replace the author of a run of levels (and set the amoeba flag of
// all levels), and the message panel with the importers' notes.
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>

#include "app/tool_windows.h"
#include "model/editor_session.h"

namespace pyrovel::app {

// `SearchPanel`: an object's name or number, "Find next", "Find previous"
// and how many cells hold it.
class SearchPanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit SearchPanel(QWidget* owner);
  QLineEdit* text() const { return text_; }
  void showCount(const QString& text);

 signals:
  void searchChanged(const QString& text);
  void stepRequested(int direction);  // +1 next, -1 previous

 private:
  QLineEdit* text_;
  QLabel* count_;
};

// `ReplacePanel`: the author for levels from "Start at level" on, and the
// "Convert trapped amoeba" flag for all levels.
class ReplacePanel : public ToolWindow {
  Q_OBJECT
 public:
  explicit ReplacePanel(QWidget* owner);

 signals:
  void authorRequested(const QString& author, int startLevel);
  void amoebaRequested(bool on);

 private:
  QLineEdit* authorReplace_;
  QCheckBox* amoebaOn_;
  QSpinBox* lastLevel_;
};

// `MessagePanel`: the notes of imports and saves, word-wrapped and grouped
// under the name of the file each is about, and "Clear". A dock window,
// docked at the bottom of the main window until the user moves it.
class MessagePanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit MessagePanel(QWidget* owner);
  void setMessages(const std::vector<std::string>& lines,
                   const std::vector<EditorSession::MessageSource>& sources);
  QTextEdit* memo() const { return messages_; }

 signals:
  void clearRequested();

 private:
  QTextEdit* messages_;
};

}  // namespace pyrovel::app
