#include "graphics/screen_graphics.h"

#include "context/context.h"
#include "graphics/screen_plotter.h"
#include "platform/codepage.h"

namespace kalo {

namespace {
constexpr int kPlainLetters = 1;
}  // namespace

void WindowScreenPlotter::Text(const std::string& text, long double x, long double y) {
  window_.OutTextXY(DisplayUtf8(text, config_.specialCharacters == kPlainLetters), x, y);
}

ScreenGraphics::ScreenGraphics(Context& context, GraphHost& host)
    : window(context, host), plotter(window, context.config) {}

}  // namespace kalo
