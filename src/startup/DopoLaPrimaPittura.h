#pragma once
#include <functional>

class QWidget;

// Runs poi from the event loop once the shown window has been painted, so that
// it is on screen before long work starts; where the platform never paints it
// (hidden, minimised), after a short wait instead. poi may delete the window.
void DopoLaPrimaPittura(QWidget* finestra, std::function<void()> poi);
