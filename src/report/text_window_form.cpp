#include "report/text_window_form.h"

#include "context/context.h"
#include "output/external_program.h"

namespace kalo {

TextWindowForm::TextWindowForm(Context& context, const std::string& path)
    : caption(std::string(kProgramName) + " " + path),
      font(PrintoutFontOf(context.config)),
      context_(context),
      path_(path) {
  loaded_ = ReadShownLines(context, path, true, lines);
  for (size_t i = 0; i < lines.size(); ++i) Memo1 += (i > 0 ? "\n" : "") + lines[i];
}

std::optional<WindowRectangle> TextWindowForm::StoredRectangle() const {
  const Configuration& config = context_.config;
  if (config.textWindowWidth <= 0 || config.textWindowHeight <= 0) return std::nullopt;
  return WindowRectangle{config.textWindowLeft, config.textWindowTop, config.textWindowWidth, config.textWindowHeight};
}

void TextWindowForm::FormClose(const WindowRectangle& rectangle) {
  Configuration& config = context_.config;
  config.textWindowLeft = rectangle.left;
  config.textWindowTop = rectangle.top;
  config.textWindowWidth = rectangle.width;
  config.textWindowHeight = rectangle.height;
}

void TextWindowForm::mi_exportNotepadClick() { StartProgramWithFile(context_, context_.config.textProgram, path_); }

}  // namespace kalo
