// The contour import on drawings made by ezdxf as other CAD programs make them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <numbers>
#include <regex>

#include "datafile/data_file_reader.h"
#include "edit/dxf_import_fixture.h"
#include "edit/dxf_import_form.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo::testing {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kQuarter = kPi / 2;

class DxfImport : public DxfImportFixture {
 protected:
  // The flange example as the body that a refused drawing must leave alone.
  DxfImport() {
    EXPECT_TRUE(ReadDataFile(context, KALO_SOURCE_DIR "/data/examples/flange.kal"));
    context.state.modified = true;
  }

  // Refused with a message naming the file and the text; the body as it was.
  void ExpectRefused(const std::string& path, const std::string& text) {
    std::string before = Snapshot(context.body);
    EXPECT_FALSE(ImportDxfContour(context, path));
    EXPECT_TRUE(context.state.cancel);
    EXPECT_TRUE(context.state.modified);
    EXPECT_EQ(Snapshot(context.body), before);
    ASSERT_EQ(test.ui.messages.size(), 1u) << Messages();
    const std::string& message = test.ui.messages.front().text;
    EXPECT_NE(message.find(FileNameOf(path)), std::string::npos) << message;
    EXPECT_NE(message.find(text), std::string::npos) << message;
  }
};

// The plate of dxf_drawings.py from its first point, counter-clockwise.
const std::vector<ContourElement> kPlate = {
    {0, 0, 0}, {100, 0, 0}, {100, 40, kQuarter}, {60, 80, 0}, {0, 80, 0}};
// The same from (100, 0), where its first LINE in the file starts.
const std::vector<ContourElement> kPlateFromCorner = {
    {100, 0, 0}, {100, 40, kQuarter}, {60, 80, 0}, {0, 80, 0}, {0, 0, 0}};

TEST_F(DxfImport, LightweightPolylineWithBulgeReplacesOnlyTheContour) {
  long double density = context.body.rho;
  std::string name = context.body.texts.name;
  ASSERT_TRUE(ImportDxfContour(context, Drawing("lwpolyline"))) << Messages();
  ExpectElements(kPlate);
  EXPECT_FALSE(context.state.modified);
  EXPECT_FALSE(context.state.cancel);
  EXPECT_EQ(context.body.rho, density);
  EXPECT_EQ(context.body.texts.name, name);
  // Rectangle 100 x 80 less the 40 x 40 corner, plus the quarter circle of radius 40 as
  // 18 triangles of 5 degrees about its centre.
  EXPECT_NEAR(context.body.results.A, 6400 + 18 * 800 * std::sin(kPi / 36), 1e-9);
}

TEST_F(DxfImport, ShuffledReversedAndMirroredCurvesChainIntoTheSameContour) {
  // LINE and ARC entities in any order and direction (R12), element 1 where the first
  // one in the file starts; turned counter-clockwise.
  ASSERT_TRUE(ImportDxfContour(context, Drawing("shuffled"))) << Messages();
  ExpectElements(kPlateFromCorner);
  // An arc with the extrusion (0, 0, -1) turns the other way in the drawing plane.
  ASSERT_TRUE(ImportDxfContour(context, Drawing("mirrored"))) << Messages();
  ExpectElements(kPlate);
}

TEST_F(DxfImport, ContourLayerWinsOverFramesDimensionsAndHatching) {
  ASSERT_TRUE(ImportDxfContour(context, Drawing("annotated"))) << Messages();
  ExpectElements(kPlateFromCorner);
  EXPECT_TRUE(test.ui.choiceCaptions.empty());
}

TEST_F(DxfImport, LooseLinesOnEveryLayerAreIgnored) {
  ASSERT_TRUE(ImportDxfContour(context, Drawing("foreign_layers"))) << Messages();
  ExpectElements(kPlateFromCorner);
  EXPECT_TRUE(test.ui.choiceCaptions.empty());
}

TEST_F(DxfImport, SeveralLoopsAreOfferedLargestFirst) {
  std::string path = Drawing("two_loops");
  const std::vector<ContourElement> large = {{10, 10, 0}, {30, 10, 0}, {30, 60, 0}, {10, 60, 0}};
  const std::vector<ContourElement> small = {{60, 10, 0}, {70, 10, 0}, {70, 50, 0}, {60, 50, 0}};

  test.ui.choices = {1};
  ASSERT_TRUE(ImportDxfContour(context, path)) << Messages();
  ExpectElements(small);
  ASSERT_EQ(test.ui.choiceItems.size(), 2u);
  EXPECT_EQ(test.ui.choiceItems[0], Oem("4 Elemente, Fläche 1000 mm") + "\xfd, Layer A");
  EXPECT_EQ(test.ui.choiceItems[1], Oem("4 Elemente, Fläche 400 mm") + "\xfd, Layer B");

  test.ui.choices = {0};
  ASSERT_TRUE(ImportDxfContour(context, path)) << Messages();
  ExpectElements(large);

  ASSERT_TRUE(ReadDataFile(context, KALO_SOURCE_DIR "/data/examples/flange.kal"));
  ASSERT_TRUE(ImportDxfContour(context, path, DxfLoopChoice::Largest));
  ExpectElements(large);
  EXPECT_EQ(test.ui.choiceCaptions.size(), 2u);
}

TEST_F(DxfImport, CancelledChoiceLeavesTheBodyQuietly) {
  std::string before = Snapshot(context.body);
  EXPECT_FALSE(ImportDxfContour(context, Drawing("two_loops")));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_TRUE(test.ui.messages.empty());
  EXPECT_EQ(Snapshot(context.body), before);
}

TEST_F(DxfImport, CircleAboutTheAxisGivesTheSphere) {
  ASSERT_TRUE(ImportDxfContour(context, Drawing("circle"))) << Messages();
  ExpectElements({{50, 0, kPi}, {-50, 0, 0}});
  long double sphere = 4 * kPi * 50 * 50 * 50 / 3;
  // Chords every 5 degrees lose about 0.2 % of the volume.
  EXPECT_NEAR(context.body.volume, sphere, 0.003 * sphere);
  EXPECT_LT(context.body.volume, sphere);
}

TEST_F(DxfImport, FullSectionKeepsTheHalfAboveTheAxis) {
  ASSERT_TRUE(ImportDxfContour(context, Drawing("full_section"))) << Messages();
  ExpectElements({{100, 0, 0}, {100, 30, 0}, {0, 30, 0}, {0, 0, 0}});
  EXPECT_NEAR(context.body.volume, kPi * 30 * 30 * 100, 1e-6);
}

TEST_F(DxfImport, OpenContourIsRefusedNamingTheGap) {
  ExpectRefused(Drawing("gap"), "(100.000 | 40.000) und (100.000 | 39.500)");
}

TEST_F(DxfImport, DrawingsThatCannotBecomeAContourAreRefused) { ExpectRefused(Drawing("many_points"), "250 Elemente"); }

// A spline given only by the points it passes through, without end tangents, becomes the
// cubic with straight ends through them, and the messages say that the CAD program may
// have drawn it otherwise. The reference: SciPy's CubicSpline (natural ends, chord length
// parameter) through the same points, integrated by quad: A = 5569.282970, V = 990376.4067.
TEST_F(DxfImport, SplineThroughFitPointsIsInterpolatedAndSaidSo) {
  context.config.exactArcs = true;
  ASSERT_TRUE(ImportDxfContour(context, Drawing("spline"))) << Messages();
  EXPECT_NEAR(context.body.results.A, 5569.282970L, 0.0012L * 112);
  EXPECT_NEAR(context.body.volume, 990376.4067L, 2 * 3.1416L * 60 * 0.0012L * 112);
  std::string notes;
  for (const std::string& note : context.state.importNotes) notes += note + "|";
  EXPECT_NE(notes.find(Oem("nur mit Stützpunkten")), std::string::npos) << notes;
  EXPECT_NE(notes.find("ohne Endtangenten"), std::string::npos) << notes;
}

TEST_F(DxfImport, FilesThatAreNoUsableDxfAreRefused) {
  ExpectRefused(Drawing("binary"), Oem("binäre DXF-Datei"));

  std::string dwg = dir.File("teil.dxf");
  WriteBytes(dwg, std::string("AC1032\0\0\0\0", 10));
  test.ui.messages.clear();
  ExpectRefused(dwg, "DWG");

  std::string whole = ReadBytes(Drawing("lwpolyline"));
  std::string cut = dir.File("abgebrochen.dxf");
  WriteBytes(cut, whole.substr(0, whole.size() / 2));
  test.ui.messages.clear();
  ExpectRefused(cut, "EOF");

  std::string empty = dir.File("leer.dxf");
  WriteBytes(empty, "");
  test.ui.messages.clear();
  ExpectRefused(empty, "leer");

  std::string texts = dir.File("texte.dxf");
  WriteBytes(texts, "  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  8\n0\n 10\n1\n 20\n1\n 40\n2\n  1\nText\n  0\nENDSEC\n  0\nEOF\n");
  test.ui.messages.clear();
  ExpectRefused(texts, "keine Linien");

  test.ui.messages.clear();
  ExpectRefused(dir.File("fehlt.dxf"), "nicht gefunden");

  // A pipe named like a drawing is refused at once, never waited on.
  std::string fifo = dir.File("rohr.dxf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  test.ui.messages.clear();
  ExpectRefused(fifo, "FIFO");
}

// The plate as a closed LWPOLYLINE on layer "5", after the given entities.
std::string PlateAfter(const std::string& entities) {
  return "0\nSECTION\n2\nENTITIES\n" + entities +
         "0\nLWPOLYLINE\n8\n5\n90\n1073741824\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n40\n42\n"
         "0.41421356237309503\n10\n60\n20\n80\n10\n0\n20\n80\n0\nENDSEC\n0\nEOF\n";
}

TEST_F(DxfImport, LongLinesAndForgedCountsAreReadSafely) {
  // A layer name of 5000 bytes, a LEADER claiming 1431655766 vertices, and the plate's
  // LWPOLYLINE claiming 1073741824.
  std::string path = dir.File("feindlich.dxf");
  WriteBytes(path, PlateAfter("0\nLINE\n8\n" + std::string(5000, 'L') + "\n10\n0\n20\n0\n11\n1\n21\n1\n" +
                              "0\nLEADER\n8\nMASSE\n76\n1431655766\n10\n1\n20\n1\n"));
  ASSERT_TRUE(ImportDxfContour(context, path)) << Messages();
  ExpectElements(kPlate);
}

TEST_F(DxfImport, NumbersAndBlocksThatCannotBeAreRefused) {
  std::string path = dir.File("nan.dxf");
  WriteBytes(path, PlateAfter("0\nLINE\n8\nMASSE\n10\nnan\n20\n0\n"));
  ExpectRefused(path, "\"nan\" ist keine Zahl");
  test.ui.messages.clear();
  std::string huge = dir.File("riesig.dxf");
  WriteBytes(huge, PlateAfter("0\nLINE\n8\nMASSE\n10\n0\n20\n1e308\n"));
  ExpectRefused(huge, "LINE, Gruppe 20, Zeile 12");
  test.ui.messages.clear();
  std::string self = dir.File("selbst.dxf");
  WriteBytes(self, "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nINSERT\n2\nB\n0\nENDBLK\n0\nENDSEC\n" +
                       PlateAfter("0\nINSERT\n2\nB\n"));
  ExpectRefused(self, Oem("Block B fügt sich selbst ein"));
}

TEST_F(DxfImport, SplineTooFineForTheElementsNamesATolerance) {
  std::string path = Drawing("wavy_spline");
  std::string before = Snapshot(context.body);
  EXPECT_FALSE(ImportDxfContour(context, path));
  ASSERT_EQ(test.ui.messages.size(), 1u);
  const std::string& message = test.ui.messages.front().text;
  EXPECT_EQ(Snapshot(context.body), before);
  std::smatch match;
  ASSERT_TRUE(std::regex_search(message, match, std::regex("hat ([0-9]+) Elemente.*mit Toleranz ([0-9.]+) mm w.+ren es ([0-9]+)")))
      << message;
  EXPECT_GT(std::stoi(match[1]), kMaxElements);
  EXPECT_LE(std::stoi(match[3]), kMaxElements);
  EXPECT_GT(std::stod(match[2]), 0.001);
}

TEST_F(DxfImport, PreviewShowsTheChoicesAndTakesWhatWasChosen) {
  std::string path = Drawing("two_loops");
  std::string before = Snapshot(context.body);
  test.ui.dxfImportForm = [](DxfImportForm&) { return false; };
  EXPECT_FALSE(ImportDxfContour(context, path));
  EXPECT_TRUE(context.state.cancel);
  EXPECT_EQ(Snapshot(context.body), before);

  std::vector<std::string> notesByRule, notesAsStated;
  test.ui.dxfImportForm = [&](DxfImportForm& form) {
    EXPECT_EQ(form.loopItems.size(), 2u);
    EXPECT_EQ(form.drawing.size(), 8u);  // both rectangles
    EXPECT_EQ(form.contour.size(), 4u);  // the larger one, chosen first
    notesByRule = form.notes;
    form.axis = 2;  // the drawing's y axis
    form.loop = 1;
    form.Changed();
    notesAsStated = form.notes;
    EXPECT_TRUE(form.canTake);
    return true;
  };
  ASSERT_TRUE(ImportDxfContour(context, path)) << Messages();
  ASSERT_FALSE(notesByRule.empty());
  EXPECT_NE(notesByRule.back().find("y = 0 angenommen"), std::string::npos) << notesByRule.back();
  ASSERT_FALSE(notesAsStated.empty());
  EXPECT_NE(notesAsStated.back().find("wie angegeben: y-Achse"), std::string::npos) << notesAsStated.back();
  // The small ring turned about the drawing's y axis: a disc from radius 60 to 70, 40 thick.
  EXPECT_NEAR(context.body.volume, kPi * (70 * 70 - 60 * 60) * 40, 1e-6);
  EXPECT_EQ(context.state.importNotes, notesAsStated);
}

TEST(DxfFileName, ExtensionInAnyLetterCase) {
  EXPECT_TRUE(IsDxfFileName("teil.dxf"));
  EXPECT_TRUE(IsDxfFileName("C:\\ZEICHNUNG\\TEIL.DXF"));
  EXPECT_TRUE(IsDxfFileName("dir.kal/teil.Dxf"));
  EXPECT_FALSE(IsDxfFileName("teil.kal"));
  EXPECT_FALSE(IsDxfFileName("dxf"));
  EXPECT_FALSE(IsDxfFileName("teil.dxf/plan"));
}

}  // namespace
}  // namespace kalo::testing
