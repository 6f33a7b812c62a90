#pragma once
// The documentation of a body's drawing: drawing information, change history and the
// five linked documents. It travels in the data file.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform_defaults.h"

namespace kalo {

struct Signature {
  std::string date;  // 10 characters
  std::string name;  // 10 characters

  bool operator==(const Signature&) const = default;
};

struct PlacedText {
  long double x = 0, y = 0, h = 0, phi = 0;
  std::string text;  // 80 characters

  bool operator==(const PlacedText&) const = default;
};

inline constexpr size_t kReplacementLength = 15;
inline constexpr size_t kSignatureFieldLength = 10;
inline constexpr size_t kPlacedTextLength = 80;
inline constexpr size_t kMaxPlacedTexts = 8;

struct DrawingInformation {
  std::string replaces;    // "Ersatz für"
  std::string replacedBy;  // "Ersetzt durch"
  Signature drawn;         // "Bearb."
  Signature inspected;     // "Gepr."
  Signature standards;     // "Norm"
  Signature fourth;        // caption from the configuration
  std::vector<PlacedText> placedTexts;

  // At program start: "Bearb.", "Gepr." and "Norm" dated today, all else empty.
  void StartValues(const std::string& today);
  // File New: "Bearb." dated today; other dates, names and replacements emptied.
  void NewDrawing(const std::string& today);

  bool operator==(const DrawingInformation&) const = default;
};

struct Change {
  std::string title;        // 20 characters
  std::string date;         // 10 characters
  std::string editor;       // 5 characters
  std::string description;  // lines separated by "\n"

  bool operator==(const Change&) const = default;
};

inline constexpr size_t kMaxChanges = 25;
inline constexpr size_t kChangeTitleLength = 20;
inline constexpr size_t kChangeDateLength = 10;
inline constexpr size_t kChangeEditorLength = 5;

struct LinkedDocument {
  std::string program = DefaultDocumentProgram();  // 50 characters
  std::string file;                                // 50 characters
  // Read from a data file and not yet confirmed in this run: starting it asks first, since
  // a file from elsewhere can name any program.
  bool fromDataFile = false;

  // Where the link came from is not part of its value.
  bool operator==(const LinkedDocument& other) const { return program == other.program && file == other.file; }
};

inline constexpr size_t kLinkedDocumentCount = 5;
inline constexpr size_t kLinkedDocumentFieldLength = 50;

struct Documentation {
  DrawingInformation information;
  std::vector<Change> changes;
  std::array<LinkedDocument, kLinkedDocumentCount> documents{};

  bool operator==(const Documentation&) const = default;
};

}  // namespace kalo
