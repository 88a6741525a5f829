#include "app/find_panel.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/player_folders.h"

namespace pyrovel::app {

FindPanel::FindPanel(QWidget* owner) : ToolWindow(owner, "findPanel", "  Find") {
  auto* layout = new QVBoxLayout(this);
  prompt_ = new QLabel(this);
  prompt_->setObjectName("findPrompt");
  layout->addWidget(prompt_);

  // A folder typed (with completion) or picked stands for the drive box and
  // directory list: file systems without drive letters need neither.
  auto* row = new QHBoxLayout;
  folder_ = new QLineEdit(this);
  folder_->setObjectName("findFolder");
  auto* browse = new QPushButton("Browse...", this);
  browse->setObjectName("findBrowse");
  row->addWidget(folder_, 1);
  row->addWidget(browse);
  layout->addLayout(row);

  result_ = new QLabel(this);
  result_->setObjectName("findResult");
  QFont bold = result_->font();
  bold.setBold(true);
  result_->setFont(bold);
  layout->addWidget(result_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("findOk");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("findCancel");
  layout->addWidget(buttons);

  connect(folder_, &QLineEdit::textChanged, this, [this] { setFolder(); });
  connect(browse, &QPushButton::clicked, this, [this] { this->browse(); });
  // Leaving the finder: a folder found was stored already.
  connect(buttons, &QDialogButtonBox::accepted, this, &QWidget::hide);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::hide);
  resize(420, 140);
}

void FindPanel::find(TestTarget target, const QString& startDir) {
  if (!folder_->completer()) {
    // Made on first use: the model watches the file system from then on.
    auto* folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QString());
    folder_->setCompleter(new QCompleter(folders, this));
  }
  target_ = target;
  prompt_->setText(playerInfo(target).prompt);
  result_->clear();
  {
    // The check below runs once, whether or not the text changes.
    const QSignalBlocker quiet(folder_);
    folder_->setText(startDir);
  }
  setFolder();
  show();
  raise();
  activateWindow();
}

void FindPanel::setFolder() {
  const QString dir = folder_->text();
  const FolderCheck check = checkPlayerFolder(target_, dir.toStdString());
  if (check.result == FolderCheck::Incomplete) return;  // label and settings stay
  result_->setText(QString::fromStdString(check.label));
  if (check.result == FolderCheck::Found) emit found(target_, dir);
}

void FindPanel::browse() {
  const QString chosen = QFileDialog::getExistingDirectory(this, prompt_->text(), folder_->text());
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

}  // namespace pyrovel::app
