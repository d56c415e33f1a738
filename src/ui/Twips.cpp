#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zorvane::ui {
namespace {

double LogicalDpi(const QWidget* widget) {
    const QScreen* screen = widget != nullptr && widget->screen() != nullptr
                                ? widget->screen()
                                : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int TwipsToPixels(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * LogicalDpi(widget) / 1440.0));
}

int PixelsToTwips(int pixels, const QWidget* widget) {
    return static_cast<int>(std::lround(pixels * 1440.0 / LogicalDpi(widget)));
}

QSize TwipsSize(int width, int height, const QWidget* widget) {
    return {TwipsToPixels(width, widget), TwipsToPixels(height, widget)};
}

QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget) {
    return {QPoint(TwipsToPixels(left, widget), TwipsToPixels(top, widget)),
            TwipsSize(width, height, widget)};
}

} // namespace zorvane::ui
