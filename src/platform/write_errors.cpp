#include "platform/write_errors.h"

#include <cerrno>

#include "platform/codepage.h"

namespace kalo {

std::string WriteErrorText(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT: return Oem("kein Platz mehr auf dem Datenträger");
    case EACCES:
    case EPERM: return "keine Schreibberechtigung";
    case EROFS: return Oem("Datenträger schreibgeschützt");
    case ENAMETOOLONG: return "Dateiname zu lang";
    case ENOENT: return "Ordner nicht gefunden";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "der Name ist ein Ordner";
    case ELOOP: return Oem("zu viele symbolische Verknüpfungen");
    case EFBIG: return Oem("Datei zu groß");
    case EIO: return "Ein-/Ausgabefehler";
    default: return "Systemfehler " + std::to_string(errorNumber);
  }
}

}  // namespace kalo
