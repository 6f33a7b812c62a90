#include "platform/write_errors.h"

#include <cerrno>

#include <fstream>

#include "platform/codepage.h"
#include "platform/file_replace.h"

namespace kalo {
namespace {

// The login name of a user number from /etc/passwd (the static program has no name
// service), else "Benutzer " and the number.
std::string UserName(unsigned user) {
  std::ifstream passwd("/etc/passwd");
  for (std::string line; std::getline(passwd, line);) {
    size_t nameEnd = line.find(':'), idStart = line.find(':', nameEnd + 1);
    if (idStart == std::string::npos) continue;
    size_t idEnd = line.find(':', idStart + 1);
    if (line.substr(idStart + 1, idEnd - idStart - 1) == std::to_string(user)) return line.substr(0, nameEnd);
  }
  return "Benutzer " + std::to_string(user);
}

}  // namespace

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
    case kForeignLink: return Oem("symbolische Verknüpfung eines anderen Benutzers, nicht gefolgt");
    default: return "Systemfehler " + std::to_string(errorNumber);
  }
}

std::string ReadErrorText(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM: return "keine Leseberechtigung";
    case EMFILE:
    case ENFILE: return "zu viele offene Dateien";
    case ENOMEM: return "zu wenig Speicher";
    default: return WriteErrorText(errorNumber);
  }
}

std::string WriteErrorText(int errorNumber, const std::string& path) {
  unsigned owner = 0;
  std::string link = errorNumber == kForeignLink ? ForeignLinkOnPath(path, owner) : "";
  if (link.empty()) return WriteErrorText(errorNumber);
  std::string ownerName = UserName(owner);
  return Oem("symbolische Verknüpfung ") + FileNameText(link) + " von " + ownerName + Oem(" nicht gefolgt (gehört weder Ihnen noch dem Besitzer des Ordners)");
}

}  // namespace kalo
