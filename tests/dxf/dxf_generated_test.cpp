// Drawings of revolved parts written by ezdxf the ways engineers draw them (seeded,
// tests/dxf/dxf_generator.py): the import gives the area and volume computed there from the
// part's own definition, and says which rule decided. ezdxf's reading of the same drawings
// (tests/dxf/dxf_entities.py) is compared with the program's own reader.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "dxf/dxf_entity_reader.h"
#include "edit/dxf_import_fixture.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

const char* const kClasses[] = {"lines", "polyline", "block", "offset_axis", "vertical", "full_section",
                                "frame", "untrimmed", "gap"};
// Classes whose entities or header values R12 does not have.
const char* const kNewerClasses[] = {"ellipse", "spline3", "fitspline", "spline1", "inches", "metres"};
constexpr int kSeeds = 2;

struct Expected {
  std::string name;
  long double area = 0, volume = 0, areaTolerance = 0, volumeTolerance = 0;
  std::string note;  // UTF-8
};

std::string Field(const std::string& line, const std::string& key) {
  std::smatch match;
  std::regex pattern("\"" + key + "\": (\"[^\"]*\"|[-0-9.e+]+)");
  if (!std::regex_search(line, match, pattern)) return "";
  std::string value = match[1];
  return value.front() == '"' ? value.substr(1, value.size() - 2) : value;
}

class GeneratedDrawings : public DxfImportFixture {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempDir>();
    std::vector<std::string> arguments{"/usr/bin/python3", KALO_SOURCE_DIR "/tests/dxf/dxf_generator.py", folder_->Path()};
    for (int seed = 1; seed <= kSeeds; ++seed) {
      for (const char* kind : kClasses)
        for (const char* version : {"R12", "R2018"})
          arguments.push_back(std::string(kind) + "/" + version + "/" + std::to_string(seed));
      for (const char* kind : kNewerClasses) arguments.push_back(std::string(kind) + "/R2018/" + std::to_string(seed));
    }
    ProcessResult run = RunProcess(folder_->Path(), arguments, {});
    ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    std::ifstream lines(folder_->File("expected.jsonl"));
    for (std::string line; std::getline(lines, line);)
      drawings_.push_back({Field(line, "name"), std::stold(Field(line, "A")), std::stold(Field(line, "V")),
                           std::stold(Field(line, "dA")), std::stold(Field(line, "dV")), Field(line, "note")});
  }
  static void TearDownTestSuite() { folder_.reset(); }

  static inline std::unique_ptr<TempDir> folder_;
  static inline std::vector<Expected> drawings_;
};

std::string Joined(const std::vector<std::string>& notes) {
  std::string joined;
  for (const std::string& note : notes) joined += note + " | ";
  return joined;
}

TEST_F(GeneratedDrawings, GiveTheAreaAndVolumeOfThePartAndSayWhichRuleDecided) {
  ASSERT_EQ(drawings_.size(), static_cast<size_t>(kSeeds * (2 * std::size(kClasses) + std::size(kNewerClasses))));
  for (const Expected& drawing : drawings_) {
    SCOPED_TRACE(drawing.name);
    // Arcs are divided finely, so that the calculation's chords lose next to nothing.
    context.body.arcDivisionAngle = 0.5L;
    ASSERT_TRUE(ImportDxfContour(context, folder_->File(drawing.name), DxfLoopChoice::Largest)) << Messages();
    std::string notes = Joined(context.state.importNotes);
    EXPECT_NEAR(context.body.results.A, drawing.area, drawing.areaTolerance) << notes;
    EXPECT_NEAR(context.body.volume, drawing.volume, drawing.volumeTolerance) << notes;
    EXPECT_NE(notes.find(Oem(drawing.note)), std::string::npos) << notes;
  }
}

// "BLOCK TYPE LAYER x y count" lines as dxf_entities.py writes them, from the program's reader.
void AddLines(std::ostringstream& out, const std::string& block, const DxfEntities& entities) {
  static const char* const kNames[] = {"LINE", "ARC", "CIRCLE", "POLYLINE", "LWPOLYLINE", "SPLINE", "ELLIPSE", "INSERT"};
  for (const DxfEntity& e : entities) {
    double x = e.first.x, y = e.first.y;
    size_t count = e.vertices.size();
    if (e.type == DxfEntityType::Polyline || e.type == DxfEntityType::LwPolyline) {
      x = e.vertices.at(0).x;
      y = e.vertices.at(0).y;
    }
    if (e.type == DxfEntityType::Spline) {
      const std::vector<DxfPoint3>& points = e.controlPoints.empty() ? e.fitPoints : e.controlPoints;
      x = points.at(0).x;
      y = points.at(0).y;
      count = points.size();
    }
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%.9g %.9g", x == 0 ? 0.0 : x, y == 0 ? 0.0 : y);
    out << block << " " << kNames[static_cast<int>(e.type)] << " " << Cp850ToUtf8(e.layer) << " " << numbers << " "
        << count << "\n";
  }
}

TEST_F(GeneratedDrawings, ReadAsEzdxfReadsThem) {
  std::vector<std::string> arguments{"/usr/bin/python3", KALO_SOURCE_DIR "/tests/dxf/dxf_entities.py",
                                     folder_->File("ezdxf.txt")};
  for (const Expected& drawing : drawings_) arguments.push_back(folder_->File(drawing.name));
  ProcessResult run = RunProcess(folder_->Path(), arguments, {});
  ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
  std::ostringstream ours;
  for (const Expected& drawing : drawings_) {
    DxfDrawing read;
    Outcome outcome = ReadDxfDrawing(folder_->File(drawing.name), read);
    ASSERT_TRUE(outcome) << drawing.name << ": " << outcome.Message();
    ours << "FILE " << drawing.name << "\n";
    AddLines(ours, "*MODEL", read.entities);
    for (const auto& [name, block] : read.blocks) AddLines(ours, name, block.entities);
  }
  std::string theirs = ReadBytes(folder_->File("ezdxf.txt"));
  EXPECT_EQ(ours.str(), theirs);
}

}  // namespace
}  // namespace kalo::testing
