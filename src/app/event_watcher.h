#pragma once
// An event filter made of a function, for watching a widget's events (a
// resize, a press) without subclassing it. The function returns true to
// swallow the event.
#include <QEvent>
#include <QObject>
#include <functional>

namespace pyrovel::app {

class EventWatcher : public QObject {
 public:
  using Handler = std::function<bool(QObject* watched, QEvent* event)>;
  EventWatcher(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}
  bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

  // Installs a new watcher (owned by `owner`) on `watched`.
  static void watch(QObject* watched, QObject* owner, Handler handler) {
    watched->installEventFilter(new EventWatcher(owner, std::move(handler)));
  }

 private:
  Handler handler_;
};

}  // namespace pyrovel::app
