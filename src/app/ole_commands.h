#pragma once
// The commands of the OLE menu: the current data file and the result report in the
// spreadsheet program. Each stops at the first step that was cancelled or failed.

namespace kalo {

struct Context;

// The saved data file in a new spreadsheet; on success the spreadsheet stays linked, which
// enables Export and Import.
void OleStartExcel(Context& context);
// The data file written again into the linked spreadsheet, saved first when modified.
void OleExport(Context& context);
// The body read back from the linked spreadsheet as the user changed and saved it there.
void OleImport(Context& context);
// The Standard result report opened as a new spreadsheet; a calculation with messages
// shows them instead.
void OlePrintout(Context& context);
// Export and Import are offered.
bool SpreadsheetLinked(const Context& context);

}  // namespace kalo
