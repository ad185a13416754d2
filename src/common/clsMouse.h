#pragma once

class QWidget;

// Shows the busy pointer over a window for as long as the object lives.
class clsMouse {
 public:
  clsMouse() = default;
  ~clsMouse();
  clsMouse(const clsMouse&) = delete;
  clsMouse& operator=(const clsMouse&) = delete;

  // Keeps the window, shows the busy pointer over it and lets it paint once.
  void setOggetto(QWidget* frm);

 private:
  QWidget* finestra_ = nullptr;
};
