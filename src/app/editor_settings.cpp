#include "app/editor_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <exception>

#include "app/text_codec.h"
#include "model/file_io.h"
#include "model/startup.h"

namespace pyrovel::app {

namespace {

QString withSlash(QString dir) {
  if (!dir.endsWith('/')) dir += '/';
  return dir;
}

}  // namespace

EditorSettings::EditorSettings(const QString& programDir, const QString& userConfigDir,
                               std::optional<bool> programDirWritable, const QString& userDataDir)
    : programDir_(
          withSlash(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir)),
      dataDir_(withSlash(fromStd(findDataFolder(programDir_.toStdString())))),
      computerName_(QSysInfo::machineHostName()),
      openFolder_(dataDir_) {
  const QString userDir = userConfigDir.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                              : userConfigDir;
  // An installed editor (its data in share/) keeps its settings per user even
  // when it could write to bin/, as it can when run as root.
  const bool installed = dataDir_ != programDir_;
  // Tried (a file written and removed there) only when the caller did not say.
  const bool writable =
      !installed &&
      (programDirWritable ? *programDirWritable : folderIsWritable(programDir_.toStdString()));
  settingsDir_ = withSlash(
      fromStd(chooseSettingsFolder(programDir_.toStdString(), userDir.toStdString(), writable)));
  QDir().mkpath(settingsDir_);
  const QString dataHome = userDataDir.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : userDataDir;
  // Without a home there is no folder of our own to keep copies in.
  if (!dataHome.isEmpty()) recoveryDir_ = withSlash(dataHome) + "recovery/";
}

QString EditorSettings::configFilePath() const {
  return settingsDir_ + kConfigFileName;
}

void EditorSettings::read() {
  std::exception_ptr failure;
  try {
    QString ini = configFilePath();
    if (!QFileInfo::exists(ini) && QFileInfo::exists(programDir_ + kConfigFileName)) {
      ini = programDir_ + kConfigFileName;
    }
    if (QFileInfo::exists(ini)) config_.read(IniFile::load(ini.toStdString()));
  } catch (...) {
    failure = std::current_exception();
  }
  config_.defaultGameDir(dataDir_.toStdString());
  spriteSets_ = listSpriteSets(config_.gameDir);
  if (failure) std::rethrow_exception(failure);
}

void EditorSettings::write() {
  const std::string path = configFilePath().toStdString();
  IniFile ini;
  try {
    ini = IniFile::load(path);
  } catch (const LevelError&) {
    // An unreadable file is replaced by the settings of this run.
  }
  config_.write(ini);
  ini.save(path);
}

}  // namespace pyrovel::app
