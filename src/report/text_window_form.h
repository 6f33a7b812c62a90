#pragma once
// The form model of the text window: the report it shows, its font,
// where it stands on the screen and what its menu commands do.
#include <optional>
#include <string>
#include <vector>

#include "config/config_values.h"
#include "report/text_printout.h"

namespace kalo {

struct Context;

class TextWindowForm {
 public:
  // Reads the file, written in the window code page; a missing file shows its name +
  // " not found !" and leaves the form without lines (Loaded() false).
  TextWindowForm(Context& context, const std::string& path);

  bool Loaded() const { return loaded_; }
  const std::string& Path() const { return path_; }
  // The program name followed by the file name (UTF-8).
  std::string caption;
  // The text of Memo1 (UTF-8), its lines joined by "\n", and the lines themselves.
  std::string Memo1;
  std::vector<std::string> lines;
  PrintoutFont font;

  // The rectangle the window had when it last closed; none while its size is zero.
  std::optional<WindowRectangle> StoredRectangle() const;
  // On closing: the rectangle goes into the configuration.
  void FormClose(const WindowRectangle& rectangle);
  // "Export &Notepad": the configured text program opens the file.
  void mi_exportNotepadClick();

 private:
  Context& context_;
  std::string path_;
  bool loaded_ = false;
};

}  // namespace kalo
