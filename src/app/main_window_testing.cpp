// The main window's test runs in the external players, the Options window
// with its folder finder, and the menu entries that open text files.
#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/dialogs.h"
#include "app/find_panel.h"
#include "app/main_window.h"
#include "app/options_window.h"
#include "app/tools_panel.h"
#include "editor/level_test.h"
#include "editor/player_folders.h"

namespace pyrovel::app {

namespace {

// Starts players for real. While the game runs a test the editor waits for
// it, as the game expects, but behind a modal note that keeps the window
// painting, and that lets the user stop waiting should the game never end
// (the game then runs on by itself).
class WindowLauncher : public SystemLauncher {
 public:
  explicit WindowLauncher(QWidget* window) : window_(window) {}

 protected:
  void waitForExit(int pid) override {
    QProgressDialog note("Testing level... the editor waits until the game ends.", "Stop waiting",
                         0, 0, window_);
    note.setObjectName("TestingNote");
    note.setWindowTitle("Testing level");
    note.setWindowModality(Qt::ApplicationModal);
    note.setMinimumDuration(0);
    note.setAutoClose(false);
    note.setAutoReset(false);
    QEventLoop loop;
    QTimer poll;
    bool ended = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      ended = hasEnded(pid);
      // Escape or closing the note give up waiting as the button does.
      if (ended || note.wasCanceled()) loop.quit();
    });
    QObject::connect(&note, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    poll.start(100);
    note.show();
    loop.exec();
    if (!ended) adopt(pid);
  }

 private:
  QWidget* window_;
};

// The test runs' message boxes and the Options window, through the window.
class WindowTestFrontend : public LevelTestFrontend {
 public:
  explicit WindowTestFrontend(MainWindow& form) : form_(form) {}
  void message(std::string_view caption, std::string_view text) override {
    form_.captionedMessage(QString::fromStdString(std::string(caption)),
                           QString::fromStdString(std::string(text)));
  }
  void inform(std::string_view text) override { form_.inform(text); }
  void showFileLocations() override { form_.showFileLocations(); }

 private:
  MainWindow& form_;
};

}  // namespace

void MainWindow::connectOptions() {
  if (options_.launcher) {
    launcher_ = options_.launcher;
  } else {
    ownLauncher_ = std::make_unique<WindowLauncher>(this);
    launcher_ = ownLauncher_.get();
  }
  QToolButton* test = tools_->button("testLevelButton");
  test->setEnabled(true);
  connect(test, &QToolButton::clicked, this, [this] { testLevelExternally(); });

  connect(optionsPanel_, &OptionsWindow::accepted, this, [this] { findPlayersDialog(); });
  connect(optionsPanel_, &OptionsWindow::findRequested, this,
          [this](TestTarget target) { findPlayer(target); });
  connect(optionsPanel_, &OptionsWindow::onefellowChanged, this,
          [this](bool on) { session_.allowOnlyOneLittleFellow = on; });
  optionsPanel_->onefellow()->setChecked(session_.allowOnlyOneLittleFellow);
  connect(findPanel_, &FindPanel::found, this, [this](TestTarget target, const QString& dir) {
    playerFolder(config_, target) = dir.toStdString();
    optionsPanel_->showFolder(target, dir);
  });
}

void MainWindow::captionedMessage(const QString& caption, const QString& text) {
  // The shared dialogs know one caption; tests that bring their own see the text.
  if (ownDialogs_) {
    QMessageBox::information(this, caption, text);
  } else {
    dialogs_->inform(this, text);
  }
}

void MainWindow::testLevelExternally() {
  const GameTestOptions options = optionsPanel_->gameTestOptions();
  WindowTestFrontend ui(*this);
  LevelTestContext ctx{session_.map, config_, options, *launcher_, ui};
  guarded([&] { pyrovel::testLevelExternally(ctx); });
}

void MainWindow::setTestTarget(TestTarget target) {
  config_.testTarget = target;
  for (QAction* a : testTargetGroup_->actions()) {
    if (a->data().toInt() == static_cast<int>(target)) a->setChecked(true);
  }
}

void MainWindow::showOptions() { showPanel(optionsPanel_); }

void MainWindow::showFileLocations() {
  optionsPanel_->pages()->setCurrentIndex(OptionsWindow::FileLocations);
  showPanel(optionsPanel_);
}

void MainWindow::findPlayersDialog() { optionsPanel_->copyFolders(config_); }

void MainWindow::findPlayer(TestTarget target) {
  // The folder in the edit first, then the setting, then the editor's own.
  QString start = optionsPanel_->folderEdit(target)->text();
  if (start.isEmpty()) start = QString::fromStdString(playerFolder(config_, target));
  if (start.isEmpty()) start = programDir_;
  // Over the Options window, a little down, so both can be seen.
  if (!findPanel_->isVisible()) findPanel_->move(optionsPanel_->pos() + QPoint(40, 60));
  findPanel_->find(target, start);
}

void MainWindow::editTextFile(const QString& folder, const QString& name) {
  const auto found = findFileNoCase(folder.toStdString(), name.toStdString());
  const QString path = found ? QString::fromStdString(*found) : QDir(folder).filePath(name);
  if (!found) {
    inform((path + " was not found.").toStdString());
    return;
  }
  const bool opened = options_.openDocument ? options_.openDocument(path)
                                            : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) inform(("No program was found to open " + path + ".").toStdString());
}

void MainWindow::openHelp() {
  if (dialogs_->ask(this,
                    "Sorry, Help is not yet available in the beta-version. Do you want to read the "
                    "readme.txt ?",
                    false) != Answer::Yes) {
    return;
  }
  editTextFile(programDir_, "EditorReadme.txt");
}

}  // namespace pyrovel::app
