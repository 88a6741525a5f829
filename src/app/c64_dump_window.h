#pragma once
// `C64DumpWindow`, "Import from C64 memory dump": converts the caves of a C64
// memory image or program file into a DAS levelset and reads that into the
// levelmap. The window shows the converter's report and what it detected;
// the conversion itself is the core's (import/c64_dump_convert.h).
#include <QMainWindow>
#include <optional>

#include "import/c64_dump_convert.h"

class QCheckBox;
class QPlainTextEdit;

namespace pyrovel {
class EditorSession;
}

namespace pyrovel::app {

class Dialogs;

class C64DumpWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `dialogs` chooses the input file and shows errors; null means the Qt
  // file dialog and message boxes.
  C64DumpWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent = nullptr);
  ~C64DumpWindow() override;

  // "Open": asks for a file and converts it.
  void startConversion();
  // Converts `path` without the dialog; true when levels were loaded.
  bool convertFile(const QString& path);

  bool append() const;
  void setAppend(bool on);
  // The report as it stands, one entry per line.
  QStringList reportLines() const;
  // The last conversion that got as far as a report.
  const std::optional<C64Conversion>& lastConversion() const { return last_; }

 signals:
  // Levels of a conversion are in the levelmap (DAS levelset or Deluxe kit caves).
  void levelsLoaded();
  // The DAS reader has read a converted levelset: the main window zooms out once.
  void dasLevelsetRead();

 private:
  void setReport(const std::vector<std::string>& lines);
  void addReportLine(const QString& line);
  void showDetection(const C64DumpScan& scan);
  void error(const QString& text);

  EditorSession& session_;
  Dialogs* dialogs_;
  QCheckBox* appendCaves_;
  QPlainTextEdit* report_;
  QString lastFolder_;
  std::optional<C64Conversion> last_;
};

}  // namespace pyrovel::app
