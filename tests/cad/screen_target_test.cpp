// The screen target: the header line, block files and their expansion with nesting,
// rotation and scales, the logo blocks, and the failures of block files.
#include <gtest/gtest.h>

#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "cad/cad_fixture.h"
#include "geometry/plane_geometry.h"
#include "graphics/screen_plotter.h"
#include "platform/text_file.h"

namespace kalo::testing {
namespace {

class ScreenTarget : public CadFixture {
 protected:
  ScreenTarget() { context.screenPlotter = &plotter; }

  void OpenWithBlocks() {
    ASSERT_TRUE(CadOpen(context, kCadScreen));
    CadSetExtents(context, 0, 0, 480, 360);
    CadTables(context);
    CadBeginBlocks(context);
  }
  void StartEntities() {
    CadEndSection(context);
    CadBeginEntities(context);
    plotter.calls.clear();
  }
  using Calls = std::vector<std::string>;
};

TEST_F(ScreenTarget, HeaderLineAndDrawing) {
  ASSERT_TRUE(CadOpen(context, kCadScreen));
  CadSetExtents(context, 0, 0, 1000, 500);
  CadSetLayer(context, 2);
  CadArc(context, 0, 0, 0, 90, 0);
  CadBeginPolyline(context, 1);
  CadVertex(context, 0, 0, 0);
  CadVertex(context, 10, 0, kPi / 2);
  CadVertex(context, 10, 10, 0);
  CadEndPolyline(context);
  EXPECT_EQ(plotter.calls, (Calls{"Clear", "WaitCursor", "SetLineStyle 0.000", "Header 0.000 0.000 1000.000 500.000",
                                  "SetLineStyle 0.000", "SetColorAcad 15.000", "SetLineWidth 1.000",
                                  "SetTextStyle 2.000 0.000 3.000 4.275",
                                  "Text 07.12.2026 09:05:00 - VORTANE KALO V2.0 - part.kal 5.000 1.000",
                                  "SetLineStyle 3.000", "SetColorAcad 2.000", "SetLineWidth 1.000",
                                  "Line 0.000 0.000 10.000 0.000", "Arc 5.000 5.000 -45.000 45.000 7.071",
                                  "Line 10.000 10.000 0.000 0.000"}));
  EXPECT_TRUE(CadClose(context));
  EXPECT_EQ(plotter.calls.back(), "NormalCursor");
}

// OUTER holds INSERT INNER at (10, 0) turned by 90° and scaled 2; OUTER is inserted at
// (100, 50) turned by 90° with scales 1 and 3: INNER lands at (100, 60) turned by 180°
// with scales 2 and 6.
TEST_F(ScreenTarget, NestedBlockExpansion) {
  OpenWithBlocks();
  CadBeginBlock(context, "INNER");
  CadSetLayer(context, 3);
  CadLine(context, 0, 0, 1, 1);
  CadArc(context, 0, 0, 0, 90, 1);
  CadBeginPolyline(context, 1);
  CadVertex(context, 0, 0, 0);
  CadVertex(context, 1, 0, kPi);
  CadVertex(context, 1, 1, 0);
  CadEndPolyline(context);
  CadEndBlock(context);
  CadBeginBlock(context, "OUTER");
  CadSetLayer(context, 16);
  CadInsert(context, "INNER", 10, 0, 90, 2, 2);
  CadSetTextStyle(context, 0, 0, 2, 2);
  CadText(context, "T", 1, 0);
  CadEndBlock(context);
  EXPECT_TRUE(plotter.Starting("Line").empty());
  EXPECT_TRUE(FileExists(BlockFilePath(context, "INNER")));
  StartEntities();
  CadSetLayer(context, 5);
  CadInsert(context, "OUTER", 100, 50, 90, 1, 3);
  EXPECT_EQ(context.cad.layer.number, 5);
  EXPECT_EQ(plotter.Starting("Line"), (Calls{"Line 100.000 60.000 98.000 54.000", "Line 100.000 60.000 98.000 60.000",
                                             "Line 98.000 54.000 100.000 60.000"}));
  // The half circle from (1, 0) to (1, 1) becomes one from (98, 60) to (98, 54).
  EXPECT_EQ(plotter.Starting("Arc"), (Calls{"Arc 100.000 60.000 180.000 270.000 2.000",
                                            "Arc 98.000 57.000 90.000 -90.000 3.000"}));
  EXPECT_EQ(plotter.Starting("SetTextStyle"), (Calls{"SetTextStyle 2.000 90.000 6.000 1.900"}));
  EXPECT_EQ(plotter.Starting("Text"), (Calls{"Text T 100.000 51.000"}));
  // Layer 5, OUTER's insertion on 16, INNER's three entities on 3, 16 again after the
  // insertion and for the text, and 5 after the whole block.
  EXPECT_EQ(plotter.Starting("SetColorAcad"),
            (Calls{"SetColorAcad 1.000", "SetColorAcad 1.000", "SetColorAcad 2.000", "SetColorAcad 2.000",
                   "SetColorAcad 2.000", "SetColorAcad 1.000", "SetColorAcad 1.000", "SetColorAcad 1.000"}));

  ASSERT_TRUE(CadClose(context));
  EXPECT_FALSE(FileExists(BlockFilePath(context, "INNER")));
}

TEST_F(ScreenTarget, NestingDeeperThanFourCancels) {
  OpenWithBlocks();
  CadBeginBlock(context, "SELF");
  CadLine(context, 0, 0, 1, 0);
  CadInsert(context, "SELF", 1, 0, 0, 1, 1);
  CadEndBlock(context);
  StartEntities();
  CadInsert(context, "SELF", 0, 0, 0, 1, 1);
  EXPECT_EQ(plotter.Starting("Line").size(), 4u);
  EXPECT_EQ(plotter.Starting("Line").back(), "Line 3.000 0.000 4.000 0.000");
  EXPECT_EQ(Messages(), "error blockno.5");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(CadClose(context));
}

TEST_F(ScreenTarget, BrokenBlockFiles) {
  WriteBytes(BlockFilePath(context, "BAD"), "  0\r\nPOLYLINE\r\n  8\r\n0\r\n  0\r\nLINE\r\n 10\r\n1\r\n 11\r\n2\r\n");
  OpenWithBlocks();
  StartEntities();
  CadInsert(context, "BAD", 0, 0, 0, 1, 1);
  EXPECT_EQ(Messages(), "Error in DXF File");
  EXPECT_EQ(plotter.Starting("Line"), (Calls{"Line 1.000 0.000 2.000 0.000"}));
  CadInsert(context, "MISSING", 0, 0, 0, 1, 1);
  EXPECT_EQ(Messages(), "Error in DXF File|Invalid temp directory");
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(CadClose(context));

  // A block file that cannot be created: its primitives go nowhere and the run is cancelled.
  context.state.cancel = false;
  OpenWithBlocks();
  CadBeginBlock(context, std::string(300, 'L'));
  CadLine(context, 0, 0, 1, 0);
  CadEndBlock(context);
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(plotter.Starting("Line 0.000").empty());
  EXPECT_EQ(test.ui.messages.back().text.rfind("Invalid temp directory   ", 0), 0u);
}

TEST_F(ScreenTarget, LogoBlocksFromOutside) {
  WriteBytes(BlockFilePath(context, "LOGO_3"), "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n10\r\n 21\r\n0\r\n"
                                               "  0\r\nEOF\r\n");
  OpenWithBlocks();
  CadEndSection(context);
  CadBeginEntities(context);
  EXPECT_EQ(plotter.Starting("Line"), (Calls{"Line 436.800 345.600 446.800 345.600"}));
  WriteBytes(BlockFilePath(context, "logo_1"), "  0\r\nEOF\r\n");
  ASSERT_TRUE(CadClose(context));
  EXPECT_TRUE(FileExists(BlockFilePath(context, "LOGO_3")));
  EXPECT_TRUE(FileExists(BlockFilePath(context, "logo_1")));  // the title block's logo stays too

  plotter.calls.clear();
  OpenWithBlocks();
  context.cad.viewMarker = 2;
  StartEntities();
  CadEndSection(context);
  EXPECT_TRUE(plotter.Starting("Line").empty());
  EXPECT_TRUE(CadClose(context));
}

// Two windows of the program draw blocks of one name at the same time: each expands its own.
TEST_F(ScreenTarget, TwoWindowsKeepTheirBlocksApart) {
  TestContext other;
  RecordingPlotter otherPlotter;
  other.context.config.tempDirectory = dir.Path();
  other.context.screenPlotter = &otherPlotter;
  for (auto [window, length] : {std::pair{&context, 1}, std::pair{&other.context, 2}}) {
    ASSERT_TRUE(CadOpen(*window, kCadScreen));
    CadBeginBlocks(*window);
    CadBeginBlock(*window, "FRAME_1");
    CadLine(*window, 0, 0, length, 0);
    CadEndBlock(*window);
    CadEndSection(*window);
    CadBeginEntities(*window);
  }
  CadInsert(context, "FRAME_1", 0, 0, 0, 1, 1);
  EXPECT_TRUE(CadClose(context));  // deletes this window's block files only
  CadInsert(other.context, "FRAME_1", 0, 0, 0, 1, 1);
  EXPECT_TRUE(CadClose(other.context));
  EXPECT_EQ(plotter.Starting("Line"), (Calls{"Line 0.000 0.000 1.000 0.000"}));
  EXPECT_EQ(otherPlotter.Starting("Line"), (Calls{"Line 0.000 0.000 2.000 0.000"}));
  EXPECT_NE(BlockFilePath(context, "FRAME_1"), BlockFilePath(other.context, "FRAME_1"));
  EXPECT_EQ(BlockFilePath(context, "LOGO_2"), BlockFilePath(other.context, "LOGO_2"));
}

}  // namespace
}  // namespace kalo::testing
