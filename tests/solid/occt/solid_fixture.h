#pragma once
// Runs kalo on bodies written for the test, and reads what it wrote with OpenCascade.
#include <TopoDS_Shape.hxx>

#include <string>
#include <vector>

#include "model/contour.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace kalo::testing {

// Writes a data file of the contour (drawing name and number given) into the folder.
void WriteBody(const std::string& path, const std::vector<ContourElement>& elements, const std::string& name = "",
               const std::string& number = "");

// kalo in the folder with the arguments, and a fixed environment.
ProcessResult RunKalo(const std::string& folder, std::vector<std::string> arguments,
                      const std::string& program = KALO_EXECUTABLE);

// Writes the shape as a STEP file (AP214) in the unit given ("MM", "INCH").
void WriteStep(const TopoDS_Shape& shape, const std::string& path, const char* unit = "MM");

// All solids of a STEP file; empty when it cannot be read.
std::vector<TopoDS_Shape> ReadStepSolids(const std::string& path);

struct Measured {
  double volume = 0;
  double surface = 0;
};
Measured Measure(const TopoDS_Shape& shape);

// A binary STL file read independently of OpenCascade.
struct StlMesh {
  std::vector<float> corners;  // 9 per triangle
  size_t Triangles() const { return corners.size() / 9; }
  // The volume enclosed, by the divergence theorem.
  double Volume() const;
  // Every edge is met by exactly one other triangle, running the other way.
  bool Closed() const;
};
// False when the file is no binary STL of the size its count says.
bool ReadBinaryStl(const std::string& path, StlMesh& mesh);

}  // namespace kalo::testing
