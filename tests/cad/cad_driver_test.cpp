// The driver's own rules: layers, file names, targets, text modes and failed outputs.
#include <gtest/gtest.h>

#include <filesystem>

#include "cad/cad_driver.h"
#include "cad/cad_fixture.h"
#include "cad/cad_layers.h"
#include "cad/cad_text.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo::testing {
namespace {

using CadDriver = CadFixture;

TEST_F(CadDriver, LayerModel) {
  Configuration& config = context.config;
  config.layers[1].name = std::string(40, 'K');
  config.drawingLayerColours[8] = 42;
  config.drawingLayerThicknesses[0] = 60;
  config.drawingLayerThicknesses[1] = 5;

  CadLayer folded = LayerOf(config, 40);
  EXPECT_EQ(folded.number, 24);
  EXPECT_EQ(folded.name, "24");
  EXPECT_EQ(folded.colour, 42);
  EXPECT_EQ(LayerOf(config, 7).name, "7");
  CadLayer named = LayerOf(config, 1);
  EXPECT_EQ(named.name, std::string(32, 'K'));
  EXPECT_EQ(named.lineType, "DASHDOT");
  EXPECT_EQ(LayerOf(config, 2).lineType, "DASHED");
  EXPECT_EQ(LayerOfName(config, std::string(32, 'K')), 1);
  EXPECT_EQ(LayerOfName(config, "17"), 17);

  EXPECT_EQ(ScreenStyleOf(config, 2).lineStyle, 3);
  EXPECT_EQ(ScreenStyleOf(config, 0).width, 1);
  EXPECT_EQ(ScreenStyleOf(config, 5).width, 3);
  EXPECT_EQ(ScreenStyleOf(config, 16).width, 1);
  EXPECT_EQ(ScreenStyleOf(config, 17).width, 5);
  EXPECT_FALSE(ScreenStyleOf(config, 9).hasColour);
}

TEST_F(CadDriver, TextModesAndStyle) {
  std::string text = Oem("Maß 20°");
  EXPECT_EQ(CadFileText(text, CadTextMode::Oem, false), text);
  EXPECT_EQ(CadFileText(text, CadTextMode::WindowCodePage, false), "Ma\xDF 20\xB0");
  EXPECT_EQ(CadFileText(text, CadTextMode::PlainLetters, false), "Mass 20deg");
  EXPECT_EQ(CadFileText(Oem("Ø 20, 5 cm³, 3 µm, Ç½"), CadTextMode::PlainLetters, false), "D 20, 5 cm3, 3 um, C1/2");
  // Plain letters are ASCII whatever the text holds.
  for (int c = 1; c < 256; ++c) {
    std::string spelled = CadFileText(std::string(1, static_cast<char>(c)), CadTextMode::PlainLetters, false);
    EXPECT_FALSE(spelled.empty()) << c;
    for (char letter : spelled) EXPECT_LT(static_cast<unsigned char>(letter), 128) << c;
  }

  context.config.cadTextWidthFactor = 0;
  context.config.cadTextAngle = 15;
  CadTextState style = TextStateFor(context.config, 90, 5, 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(style.widthFactor), 0.7);
  EXPECT_DOUBLE_EQ(static_cast<double>(style.oblique), 15);
  context.config.cadTextWidthFactor = 2;
  EXPECT_DOUBLE_EQ(static_cast<double>(TextStateFor(context.config, 0, 4, 3).widthFactor), 1.5);

  context.config.cadTextMode = CadTextMode::PlainLetters;
  context.state.cadBatch = true;
  ASSERT_TRUE(CadOpen(context, kCadDxf));
  CadText(context, text + "\r\n2", 0, 0);
  ASSERT_TRUE(CadClose(context));
  EXPECT_NE(ReadBytes(dir.File("part.dxf")).find("\r\n  1\r\nMass 20deg  2\r\n"), std::string::npos);
}

TEST_F(CadDriver, FileNames) {
  context.state.cadBatch = true;
  context.state.currentFileName = "welle.v1";  // of welle.v1.kal
  ASSERT_TRUE(CadOpen(context, kCadDxf));
  EXPECT_EQ(context.cad.outputPath, dir.File("welle.v1.dxf"));
  EXPECT_TRUE(test.ui.messages.empty());

  context.state.cadBatch = false;
  test.ui.texts = {dir.File("drawing"), dir.File("drawing.v2"), "  "};
  ASSERT_TRUE(CadOpen(context, kCadTxt));
  EXPECT_EQ(context.cad.outputPath, dir.File("drawing.txt"));
  ASSERT_TRUE(CadOpen(context, kCadIges));
  EXPECT_EQ(context.cad.outputPath, dir.File("drawing.v2"));
  EXPECT_FALSE(CadOpen(context, kCadDxf));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(CadClose(context));
}

TEST_F(CadDriver, TargetChoice) {
  test.ui.choices = {0};
  context.state.cadBatch = true;
  ASSERT_TRUE(CadOpen(context, kCadAsk));
  EXPECT_EQ(context.cad.target, kCadDxf);
  EXPECT_EQ(test.ui.choiceCaptions.back(), "CAD-Code");
  EXPECT_EQ(test.ui.choiceItems.size(), 5u);
  EXPECT_EQ(test.ui.choiceItems[2], "Kontrollausgabe auf Bildschirm");
  EXPECT_EQ(context.state.helpNumber, 2050);

  EXPECT_FALSE(CadOpen(context, kCadAsk));
  EXPECT_TRUE(context.state.cancel);
  context.state.cancel = false;
  EXPECT_FALSE(CadOpen(context, 9));
  EXPECT_TRUE(context.state.cancel);
}

// No failed or cancelled run leaves a file under the target name.
TEST_F(CadDriver, FailedOutputsLeaveNoFile) {
  context.state.cadBatch = true;
  test.platform.currentDirectory = dir.File("missing");
  EXPECT_FALSE(CadOpen(context, kCadDxf));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_FALSE(FileExists(dir.File("missing/part.dxf")));
  EXPECT_EQ(test.ui.messages.size(), 1u);

  context.state.cancel = false;
  std::filesystem::create_directory(dir.File("gone"));
  test.platform.currentDirectory = dir.File("gone");
  ASSERT_TRUE(CadOpen(context, kCadDxf));
  CadLine(context, 0, 0, 1, 1);
  std::filesystem::remove(dir.File("gone"));
  EXPECT_FALSE(CadClose(context));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(test.ui.messages.size(), 2u);
  EXPECT_FALSE(FileExists(dir.File("gone/part.dxf")));

  test.platform.currentDirectory = dir.Path();
  context.state.cancel = false;
  ASSERT_TRUE(CadOpen(context, kCadDxf));
  context.state.cancel = true;
  EXPECT_FALSE(CadClose(context));
  EXPECT_FALSE(FileExists(dir.File("part.dxf")));
}

TEST_F(CadDriver, PlotterWritesPenplotAndStartsThePlotProgram) {
  context.config.plotCommands[0] = "wpenplot penplot.dxf /M1.0";
  context.cad.border = true;
  ASSERT_TRUE(CadOpen(context, kCadPlotter));
  CadSetExtents(context, 0, 0, 100, 50);
  CadTables(context);
  CadBeginBlocks(context);
  CadEndSection(context);
  CadBeginEntities(context);
  CadEndSection(context);
  ASSERT_TRUE(CadClose(context));
  ASSERT_EQ(test.platform.startedPrograms.size(), 1u);
  // The plot file is in the temporary folder, where the plot program finds it.
  EXPECT_EQ(test.platform.startedPrograms[0], "wpenplot " + dir.File("penplot.dxf") + " /M1.0");
  std::string json = CheckWithEzdxf(dir.File("penplot.dxf"));
  EXPECT_NE(json.find(R"("entities": {"19:LINE": 4})"), std::string::npos) << json;

  test.platform.startSucceeds = false;
  ASSERT_TRUE(CadOpen(context, kCadPlotter));
  EXPECT_FALSE(CadClose(context));
  EXPECT_EQ(Messages(), "file not found");
}

}  // namespace
}  // namespace kalo::testing
