#include "app/c64_dump_window.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <exception>

#include "app/dialogs.h"
#include "app/text_codec.h"
#include "editor/c64_levels.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel::app {

namespace {

// Report lines carry paths (UTF-8) and cave names taken from C64 memory
// (any byte): show a line as UTF-8 when it is, byte for byte otherwise.
QString reportText(const std::string& line) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
  if (utf8.hasError()) return fromRecordText(line);
  return text;
}

}  // namespace

C64DumpWindow::C64DumpWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
  setWindowFlag(Qt::Window);
  setObjectName("c64DumpWindow");
  setWindowTitle("Import from C64 memory dump");

  auto* file = menuBar()->addMenu("&File");
  file->addAction("Open", this, &C64DumpWindow::startConversion)->setObjectName("openDumpAction");
  file->addSeparator();
  file->addAction("Exit", this, &QWidget::close)->setObjectName("exitAction");

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* options = new QHBoxLayout;
  appendCaves_ = new QCheckBox("Append", central);
  appendCaves_->setObjectName("appendCaves");
  appendCaves_->setToolTip(
      "Put the converted levels from the current level on instead of from level 0");
  options->addWidget(appendCaves_);
  options->addStretch(1);
  column->addLayout(options);
  report_ = new QPlainTextEdit(central);
  report_->setObjectName("report");
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setPlainText(kC64ConverterIdleLine);
  column->addWidget(report_, 1);
  setCentralWidget(central);
  statusBar();
  resize(560, 440);
}

C64DumpWindow::~C64DumpWindow() = default;

bool C64DumpWindow::append() const {
  return appendCaves_->isChecked();
}
void C64DumpWindow::setAppend(bool on) {
  appendCaves_->setChecked(on);
}

QStringList C64DumpWindow::reportLines() const {
  return report_->toPlainText().split('\n');
}

void C64DumpWindow::startConversion() {
  report_->clear();
  statusBar()->clearMessage();
  addReportLine(kC64ConverterBanner);
  const std::optional<QString> path = dialogsOr(dialogs_).chooseC64Dump(this, lastFolder_);
  if (!path) return;
  lastFolder_ = QFileInfo(*path).absolutePath();
  convertFile(*path);
}

bool C64DumpWindow::convertFile(const QString& path) {
  last_.reset();
  statusBar()->clearMessage();
  const std::string file = path.toStdString();
  try {
    last_ = convertC64Dump(readFileBytes(file), file);
  } catch (const std::exception& e) {
    setReport({kC64ConverterBanner});
    addReportLine(fromStd(e.what()));
    error(fromStd(e.what()));
    return false;
  }
  setReport(last_->report);
  showDetection(last_->scan);
  if (!last_->loadable()) return false;
  try {
    // Without Append the conversion replaces the levelmap: the save
    // question may be cancelled, and then nothing changes.
    if (!loadC64Conversion(session_, *last_, append())) {
      addReportLine("Nothing was loaded: the levelmap was kept as it was.");
      return false;
    }
  } catch (const std::exception& e) {
    addReportLine(fromStd(e.what()));
    error(fromStd(e.what()));
    return false;
  }
  emit levelsLoaded();
  if (!last_->dasText.empty()) emit dasLevelsetRead();
  return true;
}

void C64DumpWindow::setReport(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << reportText(line);
  report_->setPlainText(text.join('\n'));
}

void C64DumpWindow::addReportLine(const QString& line) {
  report_->appendPlainText(line);
}

void C64DumpWindow::showDetection(const C64DumpScan& scan) {
  QString text = fromStd(c64InputKindName(scan.kind));
  if (scan.match) {
    const auto caves = scan.match->caves.size();
    text += QString(", %1, %2 %3")
                .arg(fromStd(c64EngineName(scan.match->engine)))
                .arg(caves)
                .arg(caves == 1 ? "cave" : "caves");
  } else if (!scan.recognised) {
    text += ", no known engine";
  }
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  statusBar()->showMessage(text);
}

void C64DumpWindow::error(const QString& text) {
  dialogsOr(dialogs_).error(this, text);
}

}  // namespace pyrovel::app
