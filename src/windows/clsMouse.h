#pragma once

class QWidget;

// Shows the busy pointer over a window for as long as the object lives.
class clsMouse {
 public:
  clsMouse() = default;
  ~clsMouse();
  clsMouse(const clsMouse&) = delete;
  clsMouse& operator=(const clsMouse&) = delete;

  // Keeps the window and shows the busy pointer over it; the event loop shows
  // the pointer as soon as it runs.
  void setOggetto(QWidget* frm);

 private:
  QWidget* finestra_ = nullptr;
};
