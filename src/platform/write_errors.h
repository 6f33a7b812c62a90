#pragma once
// Why a file could not be written, in the words the program's messages use.
#include <string>

namespace kalo {

// The cause of a failed write for an operating system error number, in code page 850:
// "kein Platz mehr auf dem Datenträger", "keine Schreibberechtigung", "Datenträger
// schreibgeschützt", "Dateiname zu lang", …; other numbers give "Systemfehler " + number.
std::string WriteErrorText(int errorNumber);

}  // namespace kalo
