#pragma once
// Where the main window's secondary windows appear: centred on the main
// window the first time, where the user left them after that, and never
// over the main window's menu bar or off its screen.
#include <QPoint>
#include <QSize>

class QWidget;

namespace pyrovel::app {

// `at` (the top left corner of a window of `size`, screen pixels) moved as
// little as needed to be on `owner`'s screen and below its menu bar.
QPoint clearOfMenus(const QWidget& owner, QSize size, QPoint at);

// Places a window that is about to be shown: the first time centred on the
// window of its parent, later where it was left. A visible window and one
// without a parent stay where they are.
void placeSecondaryWindow(QWidget* window);

}  // namespace pyrovel::app
