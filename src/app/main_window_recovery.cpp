// The main window's recovery copy: offered back at the start after a crash,
// kept every half minute and at each level switch while there are unsaved
// changes, dropped by a save or a normal close. What goes into it is the
// core's (editor/recovery_copy.h).
#include <QDateTime>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/text_codec.h"

namespace pyrovel::app {

namespace {
constexpr int kRecoveryIntervalMs = 30 * 1000;
}  // namespace

void MainWindow::startRecovery() {
  if (!options_.recovery || settings_.recoveryDir().isEmpty()) return;
  recovery_.copy.emplace(settings_.recoveryDir().toStdString());
  offerRecoveryCopy();
  recovery_.armed = true;
  keepRecoveryCopy();
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] { keepRecoveryCopy(); });
  timer->start(kRecoveryIntervalMs);
}

void MainWindow::offerRecoveryCopy() {
  std::optional<RecoveryNote> note;
  try {
    note = recovery_.copy->find();
  } catch (const std::exception& e) {
    dropDamagedRecoveryCopy(e);
    return;
  }
  if (!note) return;
  if (options_.splash) options_.splash->close();  // it would hide the question
  const QString file = fromStd(note->path.empty() ? note->fileName : note->path);
  const QString when =
      QLocale().toString(QDateTime::fromSecsSinceEpoch(note->writtenAt), QLocale::ShortFormat);
  const Answer answer = frontend_.dialogs().ask(
      this,
      QString("The editor was not closed properly last time. A recovery copy of %1 from %2 "
              "holds changes that were not saved. Do you want to restore it?")
          .arg(file, when),
      false);
  if (answer != Answer::Yes) {
    recovery_.copy->remove();
    return;
  }
  try {
    recovery_.copy->restore(session_);
  } catch (const std::exception& e) {
    dropDamagedRecoveryCopy(e);
  }
}

void MainWindow::dropDamagedRecoveryCopy(const std::exception& error) {
  recovery_.copy->remove();
  frontend_.dialogs().error(this, "The recovery copy could not be read and was removed.\n" +
                                      QString::fromUtf8(error.what()));
}

void MainWindow::keepRecoveryCopy() {
  if (!recovery_.armed) return;
  const Levelmap& map = session_.map;
  recovery_.shownLevel = map.currentLevel;
  recovery_.shownModified = map.modified;
  try {
    recovery_.copy->keep(session_, QDateTime::currentSecsSinceEpoch());
  } catch (const std::exception& e) {
    // Editing goes on; a box every half minute would only be in the way.
    statusBar()->showMessage("No recovery copy: " + QString::fromUtf8(e.what()), 10000);
  }
}

// Called with every refresh: a level switch keeps the copy at once, and a
// save (the unsaved mark gone) removes it.
void MainWindow::followRecovery() {
  const Levelmap& map = session_.map;
  if (map.currentLevel != recovery_.shownLevel || (recovery_.shownModified && !map.modified)) {
    keepRecoveryCopy();
  }
}

}  // namespace pyrovel::app
