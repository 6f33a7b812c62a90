#pragma once
// The commands of the File menu. Each stops at the first step that was cancelled or failed.
#include <string>

#include "messages/outcome.h"

namespace kalo {

struct Context;

// Ctrl+N: an empty body (or the template "null.kal" of the data directory), modified.
void FileNew(Context& context);
// Ctrl+O: a data file chosen in the open dialog.
void FileOpen(Context& context);
// Ctrl+S: the body under its current name; without a name as Save As, but not added to
// the recent list.
void FileSave(Context& context);
void FileSaveAs(Context& context);
// The contour of a DXF drawing chosen by the user, as an unnamed, unmodified body.
void FileImportDxf(Context& context);
// The contour as a polyline in a DXF file.
void FileExportDxf(Context& context);
// Entry n (1..4) of the recent list; a file that no longer exists leaves the list.
void FileOpenRecent(Context& context, int n);
// A data file named by its full path (a file of the start page): the save query, then read
// as by Open, and listed as the newest recent file.
void FileOpenPath(Context& context, const std::string& path);
// Asked before the main window closes: done when it may close. Closing then deletes the
// block files of the screen drawings under a notice.
Outcome CloseQuery(Context& context);
void DeleteTemporaryFiles(Context& context);

}  // namespace kalo
