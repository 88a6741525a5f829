#pragma once
// A secondary window that is built the first time it is needed, so start-up
// pays only for the windows a session really opens.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

#include "app/window_placement.h"

namespace pyrovel::app {

template <class Window>
class LazyWindow {
 public:
  explicit LazyWindow(std::function<Window*()> make) : make_(std::move(make)) {}

  Window* get() {
    if (!window_) window_ = make_();
    return window_;
  }
  Window* operator->() { return get(); }
  // Null while the window has not been needed yet.
  Window* ifBuilt() const { return window_; }
  // Builds the window if need be and brings it to the front: the first
  // time centred on the main window, later where the user left it.
  void show() {
    Window* w = get();
    placeSecondaryWindow(w);
    w->show();
    w->raise();
    w->activateWindow();
  }
  void close() {
    if (window_) window_->close();
  }

 private:
  std::function<Window*()> make_;
  QPointer<Window> window_;
};

}  // namespace pyrovel::app
