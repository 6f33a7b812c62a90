#pragma once
// Why a file could not be written, in the words the program's messages use.
#include <string>

namespace kalo {

// The cause of a failed write for an operating system error number, in code page 850:
// "kein Platz mehr auf dem Datenträger", "keine Schreibberechtigung", "Datenträger
// schreibgeschützt", "Dateiname zu lang", …; other numbers give "Systemfehler " + number.
std::string WriteErrorText(int errorNumber);
// The same for a write of path; a refused link of another user is named with its owner.
std::string WriteErrorText(int errorNumber, const std::string& path);

// The cause of a failed read or listing: "keine Leseberechtigung", "zu viele offene
// Dateien", "Ordner nicht gefunden", …; other numbers give "Systemfehler " + number.
std::string ReadErrorText(int errorNumber);

}  // namespace kalo
