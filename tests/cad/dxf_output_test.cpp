// DXF files written through the driver: a golden file built from the record tables, the
// number forms, and a whole drawing read back by ezdxf.
#include <gtest/gtest.h>

#include <set>

#include "cad/cad_driver.h"
#include "cad/cad_fixture.h"
#include "cad/dxf_numbers.h"
#include "cad/dxf_writer.h"
#include "context/configuration.h"
#include "geometry/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

class DxfOutput : public CadFixture {
 protected:
  DxfOutput() { context.state.cadBatch = true; }

  // Opens a DXF run up to the entities section, as the views do.
  void BeginDrawing(long double xmax = 160, long double ymax = 120) {
    ASSERT_TRUE(CadOpen(context, kCadDxf));
    CadSetLayer(context, 0);
    CadSetExtents(context, 0, 0, xmax, ymax);
    CadTables(context);
    CadBeginBlocks(context);
  }
  void EndDrawing() {
    CadEndSection(context);
    ASSERT_TRUE(CadClose(context)) << Messages();
  }
};

TEST_F(DxfOutput, MinimalDrawingMatchesGoldenFile) {
  context.config.layers[1].name = "Kontur";
  BeginDrawing();
  CadEndSection(context);
  CadBeginEntities(context);
  CadSetLayer(context, 1);
  CadLine(context, 0, 0, 10.5L, -0.25L);
  CadSetTextStyle(context, 0, 0, 1, 1);
  CadText(context, "AB", 1, 2);
  CadArc(context, 5, 5, 0, 360, 2);
  CadArc(context, 5, 5, 0, 90, 0);
  EndDrawing();
  EXPECT_EQ(ReadBytes(dir.File("part.dxf")), ReadBytes(KALO_TEST_DATA_DIR "/cad/minimal.dxf"));
  CheckWithEzdxf(dir.File("part.dxf"));
}

TEST_F(DxfOutput, NumberForms) {
  NumberFormat standard{3, false};
  EXPECT_EQ(DxfCompact(1.0L, standard), "1");
  EXPECT_EQ(DxfCompact(0.7L, standard), "0.7");
  EXPECT_EQ(DxfCompact(90.0L, standard), "90");
  EXPECT_EQ(DxfCompact(-12.345L, standard), "-12.35");
  EXPECT_EQ(DxfCompact(0.0123456L, standard), "0.012");
  EXPECT_EQ(DxfCompact(0.00123456L, standard), "0.0012");
  EXPECT_EQ(DxfCompact(0.000004L, standard), "0");
  EXPECT_EQ(DxfCompact(12345.6L, standard), "12346");
  EXPECT_EQ(DxfCompact(0.7L, NumberFormat{5, true}), "0.700");
  EXPECT_EQ(DxfCompact(2.5L, NumberFormat{1, false}), "3");

  EXPECT_EQ(DxfGroupCode(0), "  0");
  EXPECT_EQ(DxfGroupCode(100), "100");
  context.config.cadDecimals = 40;
  EXPECT_EQ(CadDecimals(context.config), 6);
  context.config.cadDecimals = 2;
  DxfWriter writer(dir.File("x.dxf"), context.config);
  writer.Line(10.0L / 3, -10.0L / 3, 0, 0);
  EXPECT_EQ(writer.Lines()[5], "3.33");
  EXPECT_EQ(writer.Lines()[7], "-3.33");

  EXPECT_TRUE(IsFullCircle(360, 0.000001L));
  EXPECT_TRUE(IsFullCircle(45, 45));
  EXPECT_FALSE(IsFullCircle(0, 359.9L));
}

// Readers take the texts' code page from the header; plain letters need none.
TEST_F(DxfOutput, HeaderNamesTheCodePageOfTheTextMode) {
  auto header = [this](int mode) {
    context.config.cadTextMode = mode;
    DxfWriter writer(dir.File("x.dxf"), context.config);
    writer.SetExtents(0, 0, 10, 10);
    std::string joined;
    for (const std::string& line : writer.Lines()) joined += line + "|";
    return joined;
  };
  EXPECT_NE(header(1).find("$LTSCALE| 40|15|  9|$DWGCODEPAGE|  3|DOS850|  9|$HANDLING|"), std::string::npos);
  EXPECT_NE(header(2).find("|  9|$DWGCODEPAGE|  3|ANSI_1252|  9|$HANDLING|"), std::string::npos);
  EXPECT_EQ(header(3).find("DWGCODEPAGE"), std::string::npos);
  // Readers decide by the version how to read the rest, the code page among it.
  EXPECT_EQ(header(2).rfind("  0|SECTION|  2|HEADER|  9|$ACADVER|  1|AC1009|  9|$EXTMIN|", 0), 0u);
  EXPECT_EQ(Configuration{}.cadTextMode, 2) << "new configurations write ANSI";
}

TEST_F(DxfOutput, MonochromeLayerTable) {
  context.config.layerMonochrome = true;
  DxfWriter writer(dir.File("x.dxf"), context.config);
  writer.Tables();
  int colourLines = 0;
  const std::vector<std::string>& lines = writer.Lines();
  for (size_t i = 0; i + 1 < lines.size(); i += 2)
    if (lines[i] == " 62") {
      ++colourLines;
      EXPECT_EQ(lines[i + 1], "1");
    }
  EXPECT_EQ(colourLines, 22);
}

// Every table and table entry carries its handle right after its name, as the files of
// other writers do (some readers skip that pair unread); the header's seed lies above them.
TEST_F(DxfOutput, TableEntriesCarryHandlesBelowTheSeed) {
  DxfWriter writer(dir.File("x.dxf"), context.config);
  writer.SetExtents(0, 0, 10, 10);
  writer.Tables();
  const std::vector<std::string>& lines = writer.Lines();
  std::set<long> handles;
  long seed = 0;
  int entries = 0;
  bool inTables = false;
  for (size_t i = 0; i + 3 < lines.size(); i += 2) {
    if (lines[i + 1] == "$HANDSEED") seed = std::stol(lines[i + 3], nullptr, 16);
    if (lines[i + 1] == "TABLES") inTables = true;
    bool record = lines[i] == "  0" && lines[i + 1] != "ENDTAB" && lines[i + 1] != "ENDSEC" && lines[i + 1] != "SECTION";
    if (!inTables || !record) continue;
    ++entries;
    ASSERT_EQ(lines[i + 2], "  5") << lines[i + 1] << " without a handle";
    EXPECT_TRUE(handles.insert(std::stol(lines[i + 3], nullptr, 16)).second) << "handle used twice";
  }
  EXPECT_EQ(entries, 3 + 3 + 22 + 1) << "three tables, three line types, 22 layers, one style";
  ASSERT_FALSE(handles.empty());
  EXPECT_GT(seed, *handles.rbegin());
}

// A drawing with every entity, a block and its insertion, layer folding and a closed
// outline with an arc, as an independent reader sees it.
TEST_F(DxfOutput, WholeDrawingPassesEzdxfAudit) {
  BeginDrawing(200, 100);
  CadBeginBlock(context, "FRAME_1");
  CadSetLayer(context, 19);
  CadRectangle(context, 0, 0, 200, 100);
  CadSetTextStyle(context, 2, 0, 3.5L, 2.5L);
  CadText(context, Oem("Maß"), 5, 5);
  CadEndBlock(context);
  CadEndSection(context);
  CadBeginEntities(context);
  CadInsert(context, "FRAME_1", 0, 0, 0, 1, 1);
  CadSetLayer(context, 5);
  CadBeginPolyline(context, 1);
  CadVertex(context, 0, 0, 0);
  CadVertex(context, 40, 0, kPi / 2);
  CadVertex(context, 40, 40, kPi / 3);
  CadEndPolyline(context);
  CadSetLayer(context, 40);
  CadCircle(context, 50, 50, 10);
  CadArc(context, 50, 50, 0, 90, 5);
  CadSetLayer(context, 7);
  CadSolid(context, 0, 0, 1, 0, 0, 1, 1, 1);
  CadLine(context, 1, 1, 2, 2);
  EndDrawing();

  std::string json = CheckWithEzdxf(dir.File("part.dxf"));
  EXPECT_NE(json.find(R"("blocks": {"FRAME_1": {"19:LINE": 4, "19:TEXT": 1}})"), std::string::npos) << json;
  EXPECT_NE(json.find(R"("entities": {"19:INSERT": 1, "24:ARC": 1, "24:CIRCLE": 1, "5:POLYLINE": 1, )"
                      R"("7:LINE": 1, "7:SOLID": 1})"),
            std::string::npos)
      << json;
  // The bulge of a quarter circle is tan(22.5°); the closing segment stays straight.
  EXPECT_NE(json.find(R"("polylines": [{"closed": true, "layer": "5", "vertices": [[0.0, 0.0, 0.0], )"
                      R"([40.0, 0.0, 0.414214], [40.0, 40.0, 0.0]]}])"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find(R"("1": [2, "DASHDOT"], "16": [1, "CONTINUOUS"])"), std::string::npos) << json;
  EXPECT_NE(json.find(R"("extmax": [200.0, 100.0])"), std::string::npos) << json;
}

}  // namespace
}  // namespace kalo::testing
