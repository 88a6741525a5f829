#include "app/window_frontend.h"

#include <QFileInfo>
#include <QMessageBox>

#include "app/dialogs.h"
#include "app/editor_settings.h"
#include "app/text_codec.h"
#include "app/tool_windows.h"

namespace pyrovel::app {

WindowFrontend::WindowFrontend(QWidget* window, Dialogs* dialogs, EditorSettings& settings,
                               std::function<void(unsigned what)> onChanged)
    : window_(window), dialogs_(dialogs), settings_(settings), onChanged_(std::move(onChanged)) {
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtDialogs>();
    dialogs_ = ownDialogs_.get();
  }
}

WindowFrontend::~WindowFrontend() = default;

Answer WindowFrontend::ask(std::string_view question, bool withCancel) {
  return dialogs_->ask(window_, fromStd(question), withCancel);
}

void WindowFrontend::inform(std::string_view text) {
  dialogs_->inform(window_, fromStd(text));
}

void WindowFrontend::progress(int value, int max, std::string_view label) {
  // An end of progress needs no panel built to hide.
  if (!progressPanel_ || (max <= 0 && !progressPanel_->ifBuilt())) return;
  (*progressPanel_)->progress(value, max, fromStd(label));
}

void WindowFrontend::changed(unsigned what) {
  onChanged_(what);
}

std::optional<std::string> WindowFrontend::chooseOpenFile(bool append) {
  const auto chosen = dialogs_->chooseOpenFile(window_, settings_.openFolder(), append);
  if (!chosen) return std::nullopt;
  settings_.setOpenFolder(QFileInfo(*chosen).absolutePath());
  return chosen->toStdString();
}

std::optional<Frontend::SaveAsChoice> WindowFrontend::chooseSaveAs(const std::string& proposed) {
  return dialogs_->chooseSaveAs(window_, settings_.openFolder(), fromStd(proposed));
}

void WindowFrontend::captionedMessage(const QString& caption, const QString& text) {
  // The shared dialogs know one caption; tests that bring their own see the text.
  if (ownDialogs_) {
    QMessageBox::information(window_, caption, text);
  } else {
    dialogs_->inform(window_, text);
  }
}

}  // namespace pyrovel::app
