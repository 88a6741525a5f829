#pragma once
// The splash window, shown while the editor starts and again as the about
// box with its buttons (OK, the web page, a mail to the maker).
#include <QDialog>
#include <QPushButton>

namespace pyrovel::app {

inline constexpr const char* kMakerWebPage = "https://pyrovel.example.org/";
inline constexpr const char* kMakerMail = "mailto:editor@pyrovel.example.org";

class SplashWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // The about box: the buttons become visible and the window is modal.
  void showAbout();
  bool aboutMode() const { return aboutMode_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool aboutMode_ = false;
  QWidget* buttons_;
};

// The splash picture, drawn by the editor itself.
QPixmap splashPicture(const QSize& size);

}  // namespace pyrovel::app
