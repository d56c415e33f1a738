#pragma once
// Window measures are kept in twips (1440 per inch) and turned into pixels at the
// screen's logical dpi, so 15 twips make one pixel at 96 dpi.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zorvane::ui {

int TwipsToPixels(int twips, const QWidget* widget = nullptr);
int PixelsToTwips(int pixels, const QWidget* widget = nullptr);
QSize TwipsSize(int width, int height, const QWidget* widget = nullptr);
QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget = nullptr);

// Sets a control's place and size, given in twips in its parent; returns the control.
template <typename Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsRect(left, top, width, height, control));
    return control;
}

} // namespace zorvane::ui
