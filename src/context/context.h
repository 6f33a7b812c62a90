#pragma once
// The program's long-lived objects, created once by the entry point and passed by
// reference to every procedure.
#include <memory>
#include <string>
#include <vector>

#include "context/cad_state.h"
#include "context/configuration.h"
#include "context/diagram_state.h"
#include "context/hatch_state.h"
#include "context/material_record.h"
#include "context/print_settings.h"
#include "context/text_channel.h"
#include "context/undo_history.h"
#include "messages/messages.h"
#include "model/body.h"
#include "model/program_state.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/private_folder.h"
#include "platform/ui.h"

namespace kalo {

class ScreenPlotter;
class Spreadsheet;
class SpreadsheetProgram;

inline constexpr const char* kProgramName = "KALO";
inline constexpr const char* kShortName = "kalo";
inline constexpr const char* kProgramVersion = "2.0";
inline constexpr const char* kDataFileExtension = "kal";
// What reports call a body that has no data file yet.
inline constexpr const char* kUnnamedBody = "unbenannt";

// "KALO  Berechnung rotationssymmetrischer Körper" in code page 850.
std::string ProgramTitleLine();

struct Context {
  Context(Ui& ui, Platform& platform, const Clock& clock);

  Ui& ui;
  Platform& platform;
  const Clock& clock;

  Configuration config;
  std::string configDirectory;  // where kalo.cfg and kalo.cff live
  std::vector<std::string> dataFolders;  // where the program's shipped files may lie
  Body body;
  MessageCollection messages;
  UndoHistory undo;
  ProgramState state;
  TextChannel textChannel;
  CadState cad;
  HatchState hatch;      // the region being hatched
  DiagramState diagram;  // the diagram being drawn
  MaterialRecord material;  // the material last picked from the material table
  PrintState print;      // the graphics printout's settings for this run
  // The graphics window that the screen target draws on; none in the command line program.
  ScreenPlotter* screenPlotter = nullptr;
  // This run's own folder for scratch files, made on first use (output/scratch_files.h).
  PrivateFolder scratchFolder;
  // The spreadsheet program of the machine; none in the command line program.
  SpreadsheetProgram* spreadsheets = nullptr;
  // The spreadsheet that OLE → Start Excel filled with the data file; none before.
  std::shared_ptr<Spreadsheet> dataFileSheet;

  std::string Today() const;
  NumberFormat Numbers() const { return NumberFormatOf(config); }
  UnitSystem Units() const { return UnitSystemOf(config); }
};

// What the outputs of the body are named: the data file's whole base name ("welle.v1" of
// "welle.v1.kal"), or the program's short name for an unnamed body, with the extension.
std::string BodyFileName(const Context& context, const std::string& extension);

}  // namespace kalo
