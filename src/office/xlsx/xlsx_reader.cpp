#include "office/xlsx/xlsx_reader.h"

#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>
#include <string_view>

#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

// A workbook part larger than this is refused rather than unpacked into memory.
constexpr zip_uint64_t kMaxPartBytes = 64u << 20;
constexpr long kMaxRows = 1048576;  // the rows of a sheet

class Archive {
 public:
  explicit Archive(const std::string& path) {
    int error = 0;
    zip_ = zip_open(NativePath(path).c_str(), ZIP_RDONLY, &error);
  }
  ~Archive() {
    if (zip_) zip_discard(zip_);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  bool Open() const { return zip_ != nullptr; }
  bool Has(const std::string& name) const { return zip_name_locate(zip_, name.c_str(), 0) >= 0; }
  // The part's bytes; false when it is missing, too large or damaged.
  bool Read(const std::string& name, std::string& bytes) const {
    zip_stat_t status;
    zip_stat_init(&status);
    if (zip_stat(zip_, name.c_str(), 0, &status) != 0 || !(status.valid & ZIP_STAT_SIZE) ||
        status.size > kMaxPartBytes)
      return false;
    zip_file_t* file = zip_fopen(zip_, name.c_str(), 0);
    if (!file) return false;
    bytes.resize(status.size);
    zip_int64_t read = zip_fread(file, bytes.data(), status.size);
    zip_fclose(file);
    return read == static_cast<zip_int64_t>(status.size);
  }

 private:
  zip_t* zip_ = nullptr;
};

// Element names without their namespace prefix ("x:row" is "row").
std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view name = node.name();
  size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view name) {
  for (pugi::xml_node child : parent.children())
    if (LocalName(child) == name) return child;
  return {};
}

// The attribute of that local name, whatever its prefix ("r:id" for "id").
const char* Attribute(const pugi::xml_node& node, std::string_view name) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    std::string_view full = attribute.name();
    size_t colon = full.find(':');
    if ((colon == std::string_view::npos ? full : full.substr(colon + 1)) == name) return attribute.value();
  }
  return nullptr;
}

// The text of a string item: its "t" elements in order, without phonetic runs.
void CollectText(const pugi::xml_node& node, std::string& text) {
  for (pugi::xml_node child : node.children()) {
    std::string_view name = LocalName(child);
    if (name == "rPh") continue;
    if (name == "t")
      text += child.text().get();
    else
      CollectText(child, text);
  }
}

bool Parse(const Archive& archive, const std::string& part, pugi::xml_document& document) {
  std::string bytes;
  return archive.Read(part, bytes) && document.load_buffer(bytes.data(), bytes.size());
}

// The part of the first sheet as the workbook's relations name it.
std::string FirstSheetPart(const Archive& archive) {
  const std::string fallback = "xl/worksheets/sheet1.xml";
  pugi::xml_document workbook, relations;
  if (!Parse(archive, "xl/workbook.xml", workbook) || !Parse(archive, "xl/_rels/workbook.xml.rels", relations))
    return fallback;
  pugi::xml_node sheet = Child(Child(Child(workbook, "workbook"), "sheets"), "sheet");
  const char* id = sheet ? Attribute(sheet, "id") : nullptr;
  if (!id) return fallback;
  for (pugi::xml_node relation : Child(relations, "Relationships").children()) {
    const char* relationId = Attribute(relation, "Id");
    const char* target = Attribute(relation, "Target");
    if (!relationId || !target || std::string_view(relationId) != id) continue;
    std::string path = target;
    return path.starts_with('/') ? path.substr(1) : "xl/" + path;
  }
  return fallback;
}

std::vector<std::string> SharedStrings(const Archive& archive) {
  std::vector<std::string> strings;
  pugi::xml_document document;
  if (!archive.Has("xl/sharedStrings.xml") || !Parse(archive, "xl/sharedStrings.xml", document)) return strings;
  for (pugi::xml_node item : Child(document, "sst").children()) {
    if (LocalName(item) != "si") continue;
    strings.emplace_back();
    CollectText(item, strings.back());
  }
  return strings;
}

std::string CellText(const pugi::xml_node& cell, const std::vector<std::string>& shared) {
  const char* type = Attribute(cell, "t");
  std::string_view kind = type ? type : "n";
  if (kind == "inlineStr") {
    std::string text;
    CollectText(Child(cell, "is"), text);
    return text;
  }
  std::string value = Child(cell, "v").text().get();
  if (kind != "s") return value;
  char* end = nullptr;
  unsigned long index = std::strtoul(value.c_str(), &end, 10);
  return end != value.c_str() && index < shared.size() ? shared[index] : "";
}

}  // namespace

int ReferenceColumn(const std::string& reference) {
  long column = 0;
  for (char c : reference) {
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    if (column > 16384) return 0;
  }
  return static_cast<int>(column);
}

Outcome ReadWorkbookColumn(const std::string& path, int column, std::vector<std::string>& texts) {
  texts.clear();
  auto refuse = [&path](const char* cause) { return Outcome::Failure(path + ": " + Oem(cause)); };
  std::error_code fileError;
  if (!std::filesystem::is_regular_file(NativePath(path), fileError)) return refuse("Datei nicht gefunden");
  Archive archive(path);
  if (!archive.Open()) return refuse("keine Arbeitsmappe (kein lesbares ZIP-Archiv)");
  pugi::xml_document sheet;
  if (!Parse(archive, FirstSheetPart(archive), sheet)) return refuse("das erste Tabellenblatt fehlt oder ist beschädigt");
  std::vector<std::string> shared = SharedStrings(archive);
  long rowNumber = 0;
  for (pugi::xml_node row : Child(Child(sheet, "worksheet"), "sheetData").children()) {
    if (LocalName(row) != "row") continue;
    const char* r = Attribute(row, "r");
    rowNumber = r ? std::strtol(r, nullptr, 10) : rowNumber + 1;
    if (rowNumber < 1 || rowNumber > kMaxRows) return refuse("ungültige Zeilennummer");
    int cellColumn = 0;
    for (pugi::xml_node cell : row.children()) {
      if (LocalName(cell) != "c") continue;
      const char* reference = Attribute(cell, "r");
      cellColumn = reference ? ReferenceColumn(reference) : cellColumn + 1;
      if (cellColumn != column) continue;
      std::string text = CellText(cell, shared);
      if (text.empty()) continue;
      if (texts.size() < static_cast<size_t>(rowNumber)) texts.resize(static_cast<size_t>(rowNumber));
      texts[static_cast<size_t>(rowNumber - 1)] = text;
    }
  }
  return Outcome::Done();
}

}  // namespace kalo
