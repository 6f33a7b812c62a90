#include "dxf/dxf_entity_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <type_traits>

#include "dxf/dxf_file.h"
#include "dxf/dxf_tokenizer.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
constexpr std::string_view kDwgSignature = "AC10";
// Texts quoted in messages are cut to this length.
constexpr size_t kQuotedLength = 40;
// From this version on ($ACADVER AC1021, R2007) texts are UTF-8, before in the drawing's
// Windows code page.
constexpr std::string_view kFirstUtf8Version = "AC1021";

struct EntityName {
  std::string_view name;
  DxfEntityType type;
};
constexpr EntityName kEntityNames[] = {
    {"LINE", DxfEntityType::Line},         {"ARC", DxfEntityType::Arc},
    {"CIRCLE", DxfEntityType::Circle},     {"POLYLINE", DxfEntityType::Polyline},
    {"LWPOLYLINE", DxfEntityType::LwPolyline}, {"SPLINE", DxfEntityType::Spline},
    {"ELLIPSE", DxfEntityType::Ellipse},   {"INSERT", DxfEntityType::Insert},
};

std::string ForeignFormat(std::string_view head) {
  if (head.empty()) return "die Datei ist leer";
  if (head.starts_with(kBinarySentinel)) return Oem("binäre DXF-Datei; bitte als ASCII-DXF speichern");
  if (head.starts_with(kDwgSignature)) return "DWG-Zeichnung, keine DXF-Datei; bitte als ASCII-DXF speichern";
  return "";
}

class EntityReader {
 public:
  EntityReader(DxfTokenizer& tokens, DxfDrawing& drawing) : tokens_(tokens), drawing_(drawing) {}

  Outcome Read() {
    bool ended = false;
    while (!ended && Peek()) {
      if (IsZero("SECTION")) {
        Consume();
        if (Peek() && group_.code == 2) ReadSection(std::string(group_.value));
      } else if (IsZero("EOF")) {
        ended = true;
      } else {
        Consume();
      }
    }
    if (!error_.empty()) return Outcome::Failure(error_);
    if (!ended) return Outcome::Failure(Oem("unvollständig oder keine DXF-Datei: sie endet nicht mit EOF"));
    if (tokens_.MoreThanBlanksLeft()) drawing_.notes.push_back(Oem("Daten nach EOF übergangen"));
    return Outcome::Done();
  }

 private:
  // The current group, read when none is waiting; false at the end or after an error.
  bool Peek() {
    if (waiting_) return true;
    if (!error_.empty()) return false;
    DxfTokenizer::Token token = tokens_.Next(group_);
    if (token == DxfTokenizer::Token::BadCode)
      error_ = Oem("beschädigt: in Zeile ") + std::to_string(group_.line) + " steht kein Gruppencode";
    waiting_ = token == DxfTokenizer::Token::Group;
    return waiting_;
  }
  void Consume() { waiting_ = false; }
  bool IsZero(std::string_view value) const { return group_.code == 0 && group_.value == value; }
  // Skips the groups up to the next group 0.
  void SkipToNextZero() {
    while (Peek() && group_.code != 0) Consume();
  }

  void ReadSection(const std::string& name) {
    Consume();
    if (name == "HEADER") ReadHeader();
    if (name == "TABLES") ReadTables();
    if (name == "BLOCKS") ReadBlocks();
    if (name == "ENTITIES") ReadEntities(drawing_.entities);
  }

  void ReadHeader() {
    std::string variable;
    DxfHeader& header = drawing_.header;
    while (Peek() && !IsZero("ENDSEC") && !IsZero("EOF")) {
      if (group_.code == 9) variable = group_.value;
      if (variable == "$INSUNITS" && group_.code == 70) Integer("HEADER", header.insUnits);
      if (variable == "$MEASUREMENT" && group_.code == 70) Integer("HEADER", header.measurement);
      if (variable == "$ACADVER" && group_.code == 1) header.acadVersion = Quoted(group_.value);
      if (variable == "$DWGCODEPAGE" && group_.code == 3) header.codePage = Quoted(group_.value);
      Consume();
    }
  }

  // Goes to the next record of the type in the section and past its "0" group; false at the
  // section's end.
  bool NextRecord(std::string_view type) {
    for (; Peek() && !IsZero("ENDSEC") && !IsZero("EOF"); Consume()) {
      if (!IsZero(type)) continue;
      Consume();
      return true;
    }
    return false;
  }

  // The line type of every layer.
  void ReadTables() {
    while (NextRecord("LAYER")) {
      std::string layer, linetype;
      for (; Peek() && group_.code != 0; Consume()) {
        if (group_.code == 2) layer = Text(group_.value);
        if (group_.code == 6) linetype = Text(group_.value);
      }
      if (Count(1)) drawing_.layerLinetypes[DxfNameKey(layer)] = linetype;
    }
  }

  void ReadBlocks() {
    while (NextRecord("BLOCK")) {
      std::string name;
      DxfBlock block;
      for (; Peek() && group_.code != 0; Consume()) {
        if (group_.code == 2) name = Text(group_.value);
        Coordinate(10, "BLOCK", block.base);
      }
      ReadEntities(block.entities);
      if (!error_.empty()) return;
      if (IsZero("ENDBLK")) Consume();
      if (Count(1)) drawing_.blocks[DxfNameKey(name)] = std::move(block);
    }
  }

  // Entities up to the end of the section or block (left waiting).
  void ReadEntities(DxfEntities& entities) {
    while (Peek() && !IsZero("ENDSEC") && !IsZero("ENDBLK") && !IsZero("EOF")) {
      if (group_.code != 0) {
        Consume();
        continue;
      }
      const EntityName* known = std::find_if(std::begin(kEntityNames), std::end(kEntityNames),
                                             [&](const EntityName& e) { return e.name == group_.value; });
      if (known == std::end(kEntityNames)) {
        Consume();
        SkipToNextZero();
        continue;
      }
      // Read in place, and dropped again when it belongs to paper space.
      DxfEntity& entity = entities.emplace_back();
      entity.type = known->type;
      entity.line = group_.line;
      Consume();
      bool paperSpace = ReadEntityGroups(entity, known->name);
      if (entity.type == DxfEntityType::Polyline) ReadVertices(entity);
      if (!error_.empty()) return;
      if (paperSpace || !Count(1)) entities.pop_back();
    }
  }

  // The groups of one entity; true when it belongs to paper space.
  bool ReadEntityGroups(DxfEntity& entity, std::string_view name) {
    bool paperSpace = false;
    for (; Peek() && group_.code != 0 && error_.empty(); Consume()) {
      int flag = 0;
      if (group_.code == 8) entity.layer = Text(group_.value);
      if (group_.code == 6) entity.linetype = Text(group_.value);
      if (group_.code == 67 && Integer(name, flag)) paperSpace = flag == 1;
      if (group_.code == 70) Integer(name, entity.flags);
      Coordinate(210, name, entity.extrusion);
      ApplyGroup(entity, name);
    }
    return paperSpace;
  }

  void ApplyGroup(DxfEntity& e, std::string_view name) {
    int code = group_.code;
    switch (e.type) {
      case DxfEntityType::Line:
        Coordinate(10, name, e.first);
        Coordinate(11, name, e.second);
        break;
      case DxfEntityType::Arc:
      case DxfEntityType::Circle:
        Coordinate(10, name, e.first);
        if (code == 40) Real(name, e.radius);
        if (code == 50) Real(name, e.startAngle);
        if (code == 51) Real(name, e.endAngle);
        break;
      case DxfEntityType::Polyline:
        Coordinate(10, name, e.first);
        break;
      case DxfEntityType::LwPolyline:
        if (code == 10 && Count(1)) e.vertices.emplace_back();
        if (code == 38) Real(name, e.elevation);
        if (!e.vertices.empty()) ApplyVertexGroup(e.vertices.back(), name);
        break;
      case DxfEntityType::Spline:
        if (code == 71) Integer(name, e.degree);
        if (code == 40 && Count(1)) Real(name, e.knots.emplace_back());
        if (code == 41 && Count(1)) Real(name, e.weights.emplace_back());
        if (code == 10 && Count(1)) e.controlPoints.emplace_back();
        if (code == 11 && Count(1)) e.fitPoints.emplace_back();
        if (!e.controlPoints.empty()) Coordinate(10, name, e.controlPoints.back());
        if (!e.fitPoints.empty()) Coordinate(11, name, e.fitPoints.back());
        Coordinate(12, name, e.first);
        Coordinate(13, name, e.second);
        break;
      case DxfEntityType::Ellipse:
        Coordinate(10, name, e.first);
        Coordinate(11, name, e.second);
        if (code == 40) Real(name, e.ratio);
        if (code == 41) Real(name, e.startAngle);
        if (code == 42) Real(name, e.endAngle);
        break;
      case DxfEntityType::Insert:
        if (code == 2) e.blockName = Text(group_.value);
        Coordinate(10, name, e.first);
        if (code == 41) Real(name, e.scaleX);
        if (code == 42) Real(name, e.scaleY);
        if (code == 50) Real(name, e.rotation);
        if (code == 70) Integer(name, e.columns);
        if (code == 71) Integer(name, e.rows);
        if (code == 44) Real(name, e.columnSpacing);
        if (code == 45) Real(name, e.rowSpacing);
        break;
    }
  }

  void ApplyVertexGroup(DxfRawVertex& v, std::string_view name) {
    if (group_.code == 10) Real(name, v.x);
    if (group_.code == 20) Real(name, v.y);
    if (group_.code == 30) Real(name, v.z);
    if (group_.code == 42) Real(name, v.bulge);
  }

  // The VERTEX entities after a POLYLINE, up to its SEQEND.
  void ReadVertices(DxfEntity& polyline) {
    polyline.elevation = polyline.first.z;
    while (error_.empty() && Peek() && IsZero("VERTEX")) {
      Consume();
      if (!Count(1)) return;
      DxfRawVertex& vertex = polyline.vertices.emplace_back();
      for (; Peek() && group_.code != 0 && error_.empty(); Consume()) {
        ApplyVertexGroup(vertex, "VERTEX");
        if (group_.code == 70) Integer("VERTEX", vertex.flags);
      }
    }
    if (Peek() && IsZero("SEQEND")) {
      Consume();
      SkipToNextZero();
    }
  }

  void Coordinate(int code, std::string_view name, DxfPoint3& point) {
    if (group_.code == code) Real(name, point.x);
    if (group_.code == code + 10) Real(name, point.y);
    if (group_.code == code + 20) Real(name, point.z);
  }

  // The value as a number of the type: the whole text, with an optional "+"; a real number
  // must be finite and within kMaxDxfNumber.
  template <typename Number>
  bool Parse(std::string_view name, Number& value, const char* what) {
    std::string_view text = group_.value;
    if (text.starts_with('+')) text.remove_prefix(1);
    auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    bool valid = failure == std::errc() && end == text.data() + text.size();
    if constexpr (std::is_floating_point_v<Number>) valid = valid && std::fabs(value) <= kMaxDxfNumber;
    if (!valid) Refuse(what, name);
    return valid;
  }
  bool Real(std::string_view name, double& value) { return Parse(name, value, "keine Zahl im Bereich ±1e15"); }
  bool Integer(std::string_view name, int& value) { return Parse(name, value, "keine ganze Zahl"); }

  // what: UTF-8.
  void Refuse(const char* what, std::string_view name) {
    if (!error_.empty()) return;
    error_ = "\"" + Quoted(group_.value) + "\" ist " + Oem(what) + " (" + std::string(name) + ", Gruppe " +
             std::to_string(group_.code) + ", Zeile " + std::to_string(group_.line + 1) + ")";
  }

  // Counts kept items; false (with the error) beyond the bound.
  bool Count(size_t items) {
    kept_ += items;
    if (kept_ <= kMaxKeptDxfItems) return true;
    if (error_.empty())
      error_ = "mehr als " + std::to_string(kMaxKeptDxfItems) + Oem(" Elemente und Punkte; zu groß zum Lesen");
    return false;
  }

  // A name of the drawing in the program's code page; plain ASCII, as most names are, is the
  // same in every code page.
  std::string Text(std::string_view text) const {
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
      return std::string(text);
    return drawing_.header.acadVersion >= kFirstUtf8Version ? Utf8ToCp850(text) : AnsiToCp850(text);
  }
  std::string Quoted(std::string_view text) const { return Text(text.substr(0, kQuotedLength)); }

  DxfTokenizer& tokens_;
  DxfDrawing& drawing_;
  std::string error_;  // the first fault found; reading stops at it
  DxfGroup group_;
  bool waiting_ = false;
  size_t kept_ = 0;
};

}  // namespace

std::string DxfNameKey(const std::string& name) {
  std::string key = name;
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

Outcome ReadDxfDrawing(std::FILE* file, DxfDrawing& drawing) {
  DxfTokenizer tokens(file);
  std::string foreign = ForeignFormat(tokens.Head(kBinarySentinel.size()));
  if (!foreign.empty()) return Outcome::Failure(foreign);
  return EntityReader(tokens, drawing).Read();
}

Outcome ReadDxfDrawing(const std::string& path, DxfDrawing& drawing) {
  FileHandle file;
  Outcome opened = OpenRegularFile(path, kMaxDxfFileSize, file);
  return opened ? ReadDxfDrawing(file.get(), drawing) : opened;
}

}  // namespace kalo
