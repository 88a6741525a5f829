#pragma once
// What the editor window tests share: a program folder in a temporary
// place with copies of the files the build puts beside the editor, and
// dialogs that answer from a script instead of waiting for a person.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>
#include <vector>

#include "app/dialogs.h"
#include "app/main_window.h"

namespace pyrovel::app::testing {

// The offscreen platform warns about every window feature it lacks; those
// lines would bury the test output. Call from initTestCase (after the test
// library has put in its own handler).
inline void quietPlatform() {
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith("This plugin does not support")) return;
        if (previous) previous(type, context, text);
      });
}

class ScriptedDialogs : public Dialogs {
 public:
  std::deque<Answer> answers;  // taken in order; No when empty
  QStringList questions, messages, errors;
  QStringList openChoices;  // an empty entry cancels the dialog
  std::deque<std::optional<Frontend::SaveAsChoice>> saveChoices;
  QStringList openFolders;
  std::optional<PictureExportChoice> pictureChoice;

  Answer ask(QWidget*, const QString& question, bool) override {
    questions << question;
    if (answers.empty()) return Answer::No;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void inform(QWidget*, const QString& text) override { messages << text; }
  void error(QWidget*, const QString& text) override { errors << text; }
  std::optional<QString> chooseOpenFile(QWidget*, const QString& folder, bool) override {
    openFolders << folder;
    const QString chosen = openChoices.isEmpty() ? QString() : openChoices.takeFirst();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  }
  std::optional<Frontend::SaveAsChoice> chooseSaveAs(QWidget*, const QString&,
                                                     const QString&) override {
    if (saveChoices.empty()) return std::nullopt;
    auto c = saveChoices.front();
    saveChoices.pop_front();
    return c;
  }
  std::optional<QString> chooseImageLibrary(QWidget*, const QString&) override {
    return std::nullopt;
  }
  std::optional<PictureExportChoice> choosePictureExport(QWidget*, const QString&,
                                                         const QString&) override {
    return pictureChoice;
  }
};

// A program folder with Edit.bdi, Emerald.iml and Emerald.bam, and
// separate user configuration and data folders (the data folder keeps the
// recovery copies, so no test finds another's).
class ProgramFolder {
 public:
  explicit ProgramFolder(bool withPalettes = true, bool withLibrary = true) {
    QStandardPaths::setTestModeEnabled(true);
    const QString bin = PYROVEL_BIN_DIR;
    if (withPalettes) QFile::copy(bin + "/Edit.bdi", dir_.filePath("Edit.bdi"));
    if (withLibrary) {
      QFile::copy(bin + "/Emerald.iml", dir_.filePath("Emerald.iml"));
      QFile::copy(bin + "/Emerald.bam", dir_.filePath("Emerald.bam"));
    }
  }
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  QString userDir() const { return user_.path(); }
  QString dataDir() const { return data_.path(); }
  // The folders a window started on this program folder uses.
  AppOptions options(ScriptedDialogs& dialogs) const {
    AppOptions options;
    options.programDir = path();
    options.userConfigDir = userDir();
    options.userDataDir = dataDir();
    options.dialogs = &dialogs;
    return options;
  }

 private:
  QTemporaryDir dir_;
  QTemporaryDir user_;
  QTemporaryDir data_;
};

inline std::unique_ptr<MainWindow> makeWindow(const ProgramFolder& folder, ScriptedDialogs& dialogs,
                                              QStringList arguments = {},
                                              std::optional<bool> writable = std::nullopt) {
  AppOptions options = folder.options(dialogs);
  options.programDirWritable = writable;
  options.arguments = std::move(arguments);
  auto window = std::make_unique<MainWindow>(options);
  if (!window->startupFailed()) {
    window->resize(1280, 800);
    window->show();
    QTest::qWait(20);
  }
  return window;
}

inline QString demoMap() {
  return QString(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
}

// A copy of the demo levelmap under another name, in `dir`.
inline QString copyOfDemo(const QTemporaryDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  QFile::copy(demoMap(), path);
  QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  return path;
}

// Writes `bytes` as the file `name` in `dir` and returns its path.
inline QString writeBytes(const QTemporaryDir& dir, const QString& name,
                          const std::vector<std::uint8_t>& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) {
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  }
  return path;
}

inline QString readText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

}  // namespace pyrovel::app::testing
