#pragma once
// Every target of the CAD driver in one table: its code (the i of /CADi:j), the file it
// writes, what the target choice calls it, and the object that draws on it. The driver,
// the target choice and the command line all take them from here.
#include <memory>
#include <span>
#include <string>

#include "context/cad_target.h"

namespace kalo {

struct Context;

struct CadFormat {
  CadTargetCode code;
  const char* extension;  // of the file the user names; "" for a target without one
  const char* choice;     // the target choice's item; "" for a target it does not offer
  std::unique_ptr<CadTarget> (*make)(Context& context, const std::string& path);

  // Whether the target writes a file the user names (and /CADi:j may write).
  bool WritesNamedFile() const { return *extension != '\0'; }
};

// In the order of their codes, 1..7.
std::span<const CadFormat> CadFormats();
// The target of the code; none for a code that names no target.
const CadFormat* CadFormatOf(int code);
// "1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF": the targets that write a file the user names, by
// code and extension.
std::string CadFileTargetList();

}  // namespace kalo
