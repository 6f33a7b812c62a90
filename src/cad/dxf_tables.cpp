// The HEADER and TABLES sections of the DXF writer: extents and code page, the three line
// types, the layer table and the one text style.
#include <cstdio>

#include "cad/cad_layers.h"
#include "cad/cad_text.h"
#include "cad/dxf_writer.h"
#include "context/configuration.h"
#include "platform/paths.h"

namespace kalo {
namespace {

struct LineTypeEntry {
  const char* name;
  const char* description;
  const char* elementCount;
  const char* patternLength;
  std::vector<const char*> elements;
};

const std::vector<LineTypeEntry>& LineTypes() {
  static const std::vector<LineTypeEntry> types = {
      {"CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {}},
      {"DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"}},
      {"DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"}},
  };
  return types;
}

// The code page the texts are written in, as readers look for it; plain letters need none.
const char* DrawingCodePage(int cadTextMode) {
  switch (cadTextMode) {
    case 1: return "DOS850";
    case 2: return "ANSI_1252";
    default: return nullptr;
  }
}

constexpr int kTableCount = 3;  // line types, layers, text styles
constexpr int kStyleCount = 1;

// Every table and table entry carries a handle, counted from 1 in the order written; the
// next free handle is the header's handle seed.
int TableHandleCount() {
  int layers = kNamedLayers + (kCadLayerCount - kFirstDrawingLayer);
  return kTableCount + static_cast<int>(LineTypes().size()) + layers + kStyleCount;
}

std::string Hex(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

}  // namespace

void DxfWriter::SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) {
  Group(0, "SECTION");
  Group(2, "HEADER");
  // The version comes first: readers choose how to read the rest (the code page among it) by it.
  Group(9, "$ACADVER");
  Group(1, "AC1009");
  struct Variable {
    const char* name;
    bool minimum;
  };
  for (Variable variable : {Variable{"$EXTMIN", true}, {"$EXTMAX", false}, {"$LIMMIN", true}, {"$LIMMAX", false}}) {
    Group(9, variable.name);
    Point(10, variable.minimum ? xmin : xmax, variable.minimum ? ymin : ymax);
  }
  Group(9, "$LTSCALE");
  Group(40, "15");
  if (const char* codePage = DrawingCodePage(config_.cadTextMode)) {
    Group(9, "$DWGCODEPAGE");
    Group(3, codePage);
  }
  Group(9, "$HANDLING");
  Group(70, "1");
  Group(9, "$HANDSEED");
  Group(5, Hex(TableHandleCount() + 1));
  Group(0, "ENDSEC");
}

void DxfWriter::Tables() {
  tableHandle_ = 0;
  Group(0, "SECTION");
  Group(2, "TABLES");
  LineTypeTable();
  LayerTable();
  StyleTable();
  Group(0, "ENDSEC");
}

// The handle follows the record's name at once, where readers of other programs expect it.
void DxfWriter::TableEntry(const std::string& record) {
  Group(0, record);
  Group(5, Hex(++tableHandle_));
}

void DxfWriter::TableHead(const std::string& table, const std::string& count) {
  TableEntry("TABLE");
  Group(2, table);
  Group(70, count);
}

void DxfWriter::LineTypeTable() {
  TableHead("LTYPE", "23");
  for (const LineTypeEntry& type : LineTypes()) {
    TableEntry("LTYPE");
    Group(2, type.name);
    Group(70, "64");
    Group(3, type.description);
    Group(72, "65");
    Group(73, type.elementCount);
    Group(40, type.patternLength);
    for (const char* element : type.elements) Group(49, element);
  }
  Group(0, "ENDTAB");
}

std::string DxfWriter::NameText(const std::string& cp850) const {
  return CadFileText(cp850, config_.cadTextMode, config_.specialCharacters == 1);
}

void DxfWriter::LayerEntry(const std::string& name, int colour, const std::string& lineType) {
  TableEntry("LAYER");
  Group(2, NameText(name));
  Group(70, "0");
  Group(62, std::to_string(config_.layerMonochrome ? 1 : colour));
  Group(6, lineType);
}

void DxfWriter::LayerTable() {
  TableHead("LAYER", "24");
  for (int layer = 0; layer < kNamedLayers; ++layer)
    LayerEntry(LayerName(config_, layer), LayerColour(config_, layer), LayerLineType(layer));
  for (int layer = kFirstDrawingLayer; layer < kCadLayerCount; ++layer)
    LayerEntry(LayerName(config_, layer), LayerColour(config_, layer), LayerLineType(layer));
  Group(0, "ENDTAB");
}

void DxfWriter::StyleTable() {
  TableHead("STYLE", "1");
  TableEntry("STYLE");
  Group(2, "STANDARD");
  Group(70, "0");
  Group(40, "0.0");
  Group(41, "1.0");
  Group(50, "0.0");
  Group(71, "0");
  Group(42, "3.5");
  Group(3, NameText(UpperCase(config_.cadTextStyle.substr(0, kLayerNameLength))));
  Group(4, "");
  // The table ends with a group code line written without its leading blanks.
  lines_.push_back("0");
  lines_.push_back("ENDTAB");
}

}  // namespace kalo
