#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace pyrovel::app {

namespace {

void print(FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

EditorCommandLine parseEditorCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "The Pyrovel level editor: draws the levels of a levelmap and reads the\n"
      "level files of other games of the genre.\n\n"
      "Exit status: 0 done, 1 failed (or --check found a problem), 2 usage error.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption check(
      "check",
      "Start as usual but without showing the window: load the sprite set and palettes, open "
      "FILE if given, print every message on standard error and quit (exit status 1 when "
      "anything went wrong).");
  parser.addOption(check);
  // For `make screenshots`: not a user's option, so not in the help.
  QCommandLineOption screenshots("screenshots", "", "DIR");
  screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshots);
  parser.addPositionalArgument("FILE", "The levelmap to open.", "[FILE]");

  EditorCommandLine line;
  if (!parser.parse(arguments)) {
    print(stderr, parser.errorText() + "\n\n" + parser.helpText());
    line.exitCode = 2;
  } else if (parser.isSet(help)) {
    print(stdout, parser.helpText());
    line.exitCode = 0;
  } else if (parser.isSet(version)) {
    print(stdout, QCoreApplication::applicationName() + " " +
                      QCoreApplication::applicationVersion() + "\n");
    line.exitCode = 0;
  } else if (parser.positionalArguments().size() > 1) {
    print(stderr, "prvl-editor opens one levelmap at a time\n\n" + parser.helpText());
    line.exitCode = 2;
  }
  line.files = parser.positionalArguments();
  line.checkOnly = parser.isSet(check);
  line.screenshotDir = parser.value(screenshots);
  return line;
}

Answer ConsoleDialogs::ask(QWidget*, const QString& question, bool) {
  print(stderr, question + " (answered No)\n");
  ++reported_;
  return Answer::No;
}

void ConsoleDialogs::inform(QWidget*, const QString& text) {
  print(stderr, text + "\n");
  ++reported_;
}

void ConsoleDialogs::error(QWidget*, const QString& text) {
  print(stderr, "error: " + text + "\n");
  ++reported_;
}

}  // namespace pyrovel::app
