#include "dbase/dbf_header.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "dbase/dbf_table.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kFieldDescriptorSize = 32;
constexpr char kFieldListEnd = '\x0D';

int Word(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
}

long long DoubleWord(std::string_view bytes, std::size_t at) {
  return static_cast<long long>(Word(bytes, at)) | static_cast<long long>(Word(bytes, at + 2)) << 16;
}

bool IsDbaseThree(std::uint8_t version) { return version == 0x03 || version == 0x83; }

Outcome Reject(int code, const std::string& text, int& errorCode) {
  errorCode = code;
  return Outcome::Failure(text);
}

// A field's width and decimals as the reader takes them: character fields use both bytes
// as a 16-bit width.
DbfField FieldFrom(std::string_view descriptor) {
  DbfField field;
  std::string_view name = descriptor.substr(0, 11);
  field.name = std::string(name.substr(0, std::min(name.find('\0'), name.size())));
  field.type = static_cast<char>(std::toupper(static_cast<unsigned char>(descriptor[11])));
  int width = static_cast<std::uint8_t>(descriptor[16]);
  int decimals = static_cast<std::uint8_t>(descriptor[17]);
  if (field.type == 'N' || field.type == 'F') {
    field.width = width;
    field.decimals = decimals;
  } else {
    field.width = width + 256 * decimals;
  }
  return field;
}

bool WidthSuitsType(const DbfField& field) {
  switch (field.type) {
    case 'C': return field.width > 0;
    case 'N':
    case 'F': return field.width > 0 && field.width < 256 && field.decimals < field.width;
    case 'L': return field.width == 1;
    case 'D': return field.width == 8;
    case 'M': return field.width == 10;
    default: return false;
  }
}

}  // namespace

bool DbfHeader::HasMemo() const {
  return std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
}

Outcome ReadDbfHeader(std::string_view file, DbfHeader& header, int& errorCode) {
  const std::string damaged = Oem("Tabelle beschädigt: ");
  if (file.size() < kFileHeaderSize || !IsDbaseThree(static_cast<std::uint8_t>(file[0]))) {
    return Reject(kDbfNotDbase, "Keine dBase-III-Tabelle", errorCode);
  }
  header = DbfHeader{};
  header.headerLength = Word(file, 8);
  header.recordLength = Word(file, 10);
  long long recordCount = DoubleWord(file, 4);
  std::size_t headerLength = static_cast<std::size_t>(header.headerLength);
  if (headerLength < kFileHeaderSize + 1 || headerLength > file.size()) {
    return Reject(kDbfDamaged, damaged + Oem("Kopflänge passt nicht zur Datei"), errorCode);
  }
  int offset = 1;
  std::size_t at = kFileHeaderSize;
  for (; at < headerLength && file[at] != kFieldListEnd; at += kFieldDescriptorSize) {
    if (at + kFieldDescriptorSize > headerLength) {
      return Reject(kDbfDamaged, damaged + "Feldliste ohne Ende", errorCode);
    }
    DbfField field = FieldFrom(file.substr(at, kFieldDescriptorSize));
    if (field.name.empty()) {
      return Reject(kDbfDamaged, damaged + "Feld ohne Namen", errorCode);
    }
    if (std::string_view("CNFLDM").find(field.type) == std::string_view::npos) {
      return Reject(kDbfUnknownFieldType,
                    "Unbekannter Feldtyp '" + std::string(1, field.type) + "' im Feld " + field.name,
                    errorCode);
    }
    if (!WidthSuitsType(field)) {
      return Reject(kDbfDamaged, damaged + Oem("Feldlänge von ") + field.name, errorCode);
    }
    field.offset = offset;
    offset += field.width;
    header.fields.push_back(field);
  }
  if (at >= headerLength) {
    return Reject(kDbfDamaged, damaged + "Feldliste ohne Ende", errorCode);
  }
  if (header.fields.empty()) {
    return Reject(kDbfNoFields, "Tabelle ohne Felder", errorCode);
  }
  if (offset > header.recordLength) {
    return Reject(kDbfDamaged, damaged + Oem("Satzlänge passt nicht zu den Feldern"), errorCode);
  }
  long long needed = static_cast<long long>(headerLength) + recordCount * header.recordLength;
  if (recordCount > 0x7FFFFFFFLL || needed > static_cast<long long>(file.size())) {
    return Reject(kDbfDamaged, damaged + Oem("mehr Datensätze angegeben als die Datei enthält"),
                  errorCode);
  }
  header.recordCount = static_cast<int>(recordCount);
  return Outcome::Done();
}

}  // namespace kalo
