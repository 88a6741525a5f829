#include "app/disk_image_window.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/dialogs.h"
#include "app/text_codec.h"

namespace pyrovel::app {

DiskImageWindow::DiskImageWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent,
                                 const QString& openCaption, const QString& imageTypes,
                                 const QString& saveCaption)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
  setWindowFlag(Qt::Window);
  chooseImage = [this, openCaption, imageTypes]() -> std::optional<QString> {
    const QString path = QFileDialog::getOpenFileName(this, openCaption, {}, imageTypes);
    if (path.isEmpty()) return std::nullopt;
    return path;
  };
  chooseSaveFile = [this, saveCaption](const QString& proposed) -> std::optional<QString> {
    const QString path = QFileDialog::getSaveFileName(this, saveCaption, proposed);
    if (path.isEmpty()) return std::nullopt;
    return path;
  };
}

void DiskImageWindow::report(const QString& text) {
  if (dialogs_) {
    dialogs_->inform(this, text);
  } else {
    QMessageBox::information(this, windowTitle(), text);
  }
}

void DiskImageWindow::error(const std::exception& e) {
  const QString text = fromStd(e.what());
  if (dialogs_) {
    dialogs_->error(this, text);
  } else {
    QMessageBox::critical(this, windowTitle(), text);
  }
}

}  // namespace pyrovel::app
