#pragma once
// The README's screenshot tour: the real main window driven through a few
// scenes, each saved as a PNG. Run on the offscreen platform by
// `make screenshots`, so the pictures follow the program.
#include <QString>

namespace pyrovel::app {

struct AppOptions;

// Writes the pictures into `dir` (made when missing); settings go to a
// temporary folder, so the user's own are not touched. 0 when every
// picture was written.
int takeScreenshotTour(AppOptions options, const QString& dir);

}  // namespace pyrovel::app
