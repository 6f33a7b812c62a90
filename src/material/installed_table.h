#pragma once
// The dBase tables that belong to the installation ("wst1base.dbf", "printout.dbf"): found
// in the configured table directory ("DBF Ordner"), else among the user's own copies beside
// the user's settings, else in the program's data folder, and opened so that the program
// never changes a table it may not change. The program's own shipped table is copied among
// the user's tables on first use, so that changes to it last; a table in a folder that does
// not take writes or a read-only table is worked on in a copy in the run's private scratch
// folder; the original stays as it was.
#include <string>
#include <vector>

namespace kalo {

struct Context;
class DbfTable;

// Where the table baseName + ".dbf" is: the configured table directory's file when it
// exists there, else the first data folder's; the configured name when neither has it.
std::string InstalledTablePath(const std::string& tableDirectory, const std::string& baseName,
                               const std::vector<std::string>& dataFolders);
std::string InstalledTablePath(const Context& context, const std::string& baseName);

// Warns with "Sie haben kein Schreibrecht für das Datenbankverzeichnis. …" when the
// configured table directory does not take new files (only for a table found there).
void WarnWhenTableDirectoryReadOnly(Context& context, const std::string& baseName);

// Opens the installed table baseName (without ".dbf") in table: the file must be readable
// ("Datei … nicht gefunden oder kein Zugriffsrecht !"); a folder that does not take a
// written test file, a read-only table or a table from the program's data folder is opened
// from a fresh writable copy in the scratch folder. False with a message and the cancel
// flag set when it cannot be opened; the table is closed then and nothing on disk changed.
bool OpenInstalledTable(Context& context, const std::string& baseName, DbfTable& table);

// Makes the remembered record current: a number beyond the table's end leaves "DBF #" n
// " not found." in the calculation messages and takes the last record; 0 or less, or still
// too large, takes record 1. False with "Database #" and the engine's code, and the cancel
// flag set, when the engine cannot go there (an empty table).
bool GoToRememberedRecord(Context& context, DbfTable& table, int remembered);

// Shows prefix, the engine's error code and its explanation, and sets the cancel flag.
void ReportTableError(Context& context, const std::string& prefix, const DbfTable& table);

}  // namespace kalo
