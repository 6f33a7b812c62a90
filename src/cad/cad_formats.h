#pragma once
// Every target of the CAD driver in one table: its code (the i of /CADi:j), the file it
// writes, what the target choice calls it, the CAD menu's item of a page drawing,
// and the object that draws on it. The driver, the target choice, the menu and the
// command line with its --help all take them from here.
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "context/cad_target.h"
#include "lang/caption_vocabulary.h"

namespace kalo {

struct Context;

// The CAD menu's item that writes the drawing sheet on a target: its object name and caption.
struct CadMenuItem {
  const char* name;
  ProgramCaption caption;
};

struct CadFormat {
  CadTargetCode code;
  const char* extension;  // of the file the user names; "" for a target without one
  const char* choice;     // the target choice's item; "" for a target it does not offer
  // A page drawing (true to scale, reached through a menu item of its own, not the choice).
  std::optional<CadMenuItem> pageMenuItem;
  std::unique_ptr<CadTarget> (*make)(Context& context, const std::string& path);

  // Whether the target writes a file the user names (and /CADi:j may write).
  bool WritesNamedFile() const { return *extension != '\0'; }
  bool IsPage() const { return pageMenuItem.has_value(); }
};

// Which of the targets that write a file the user names a list takes.
enum class CadFileKind { Any, Cad, Page };

// In the order of their codes, 1..7.
std::span<const CadFormat> CadFormats();
// The target of the code; none for a code that names no target.
const CadFormat* CadFormatOf(int code);
// "1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF": the targets that write a file the user names, by
// code and extension; only the page drawings (6, 7) or only the others when asked.
std::string CadFileTargetList(CadFileKind kind = CadFileKind::Any);

}  // namespace kalo
