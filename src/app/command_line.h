#pragma once
// prvl-editor's command line, read with Qt's parser: the levelmap to open,
// --check, the usual --help and --version, and the hidden --screenshots.
#include <QStringList>
#include <optional>

#include "app/dialogs.h"

namespace pyrovel::app {

struct EditorCommandLine {
  QStringList files;       // the levelmap to open first
  bool checkOnly = false;  // start without a window and report on standard error
  QString screenshotDir;   // hidden --screenshots DIR: the README's pictures
  // Set when the program ends right away: 0 after --help or --version (printed
  // to standard output), 2 after a usage error (printed to standard error).
  std::optional<int> exitCode;
};

EditorCommandLine parseEditorCommandLine(const QStringList& arguments);

// The answers of a start without a person: messages go to standard error and
// are counted, questions are answered "No", file dialogs are cancelled.
class ConsoleDialogs : public Dialogs {
 public:
  int reported() const { return reported_; }

  Answer ask(QWidget* parent, const QString& question, bool withCancel) override;
  void inform(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  std::optional<QString> chooseOpenFile(QWidget*, const QString&, bool) override {
    return std::nullopt;
  }
  std::optional<Frontend::SaveAsChoice> chooseSaveAs(QWidget*, const QString&,
                                                     const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> chooseImageLibrary(QWidget*, const QString&) override {
    return std::nullopt;
  }

 private:
  int reported_ = 0;
};

}  // namespace pyrovel::app
