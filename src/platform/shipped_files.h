#pragma once
// The files shipped with the program (error-message file, help files, help pictures, tables)
// are found wherever the program is started: in the folder the configuration names when that
// holds the file, else in the data folder that belongs to the program.
#include <string>
#include <vector>

namespace kalo {

// This program's own file (empty when the system does not say).
std::string ExecutablePath();

// The data folders of the program file at executablePath, in the order they are searched:
// a folder "data" beside it, the installed folder <prefix>/share/kalo for <prefix>/bin/kalo,
// and for a program built in the build tree the source tree's data folder.
std::vector<std::string> ProgramDataFolders(const std::string& executablePath);

// The configured folder's file when it exists, else the first data folder's file that
// exists, else the configured folder's name (so that a message names where it was looked for).
std::string ShippedFilePath(const std::string& configuredDirectory, const std::string& name,
                            const std::vector<std::string>& dataFolders);
// The same for the running program's data folders.
std::string ShippedFilePath(const std::string& configuredDirectory, const std::string& name);

}  // namespace kalo
