#pragma once
// What the data file's writer and reader share: the number forms of its lines, its
// extension and dialog filter, and where a name without directory or extension goes.
#include <string>

#include "numbers/number_format.h"
#include "platform/ui.h"

namespace kalo {

struct Context;
struct ProgramState;

// The data file dialogs' filter, "*.kal|*.kal".
std::string DataFileFilter();

// A name without "." gets the data file extension; without a directory it is placed in
// the data directory. A name with "." is used unchanged.
std::string DataFilePath(const ProgramState& state, const std::string& name);

// The file a command names, completed by DataFilePath; an empty name asks with the file
// dialog (Ui::AskOpenFileName or Ui::AskSaveFileName) in the data directory. False when
// the dialog is cancelled.
using FileDialog = bool (Ui::*)(const std::string& directory, const std::string& filter, std::string& path);
bool ChooseDataFile(Context& context, const std::string& name, FileDialog dialog, std::string& path);

// Coordinates and arc angles: 3 decimals adjusted by the configured decimals; magnitudes
// below 1.0E-8 are written as zero.
std::string FormatFixed3(long double value, const NumberFormat& format);
// Density and arc division angle: 7 decimals adjusted by the configured decimals; whole
// numbers below 1 (0 and negative) in the significant form.
std::string FormatReal7(long double value, const NumberFormat& format);

// A text that goes on one line of the file: line breaks become blanks, so a stray one can
// never shift the lines after it.
std::string OneLine(const std::string& text);

}  // namespace kalo
