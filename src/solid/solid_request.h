#pragma once
// What the command line program asks of kalo-solid, the program that builds the revolved
// solid with OpenCascade, and what it answers. Both travel as text lines "key value"; the
// numbers in full extended precision.
#include <string>
#include <vector>

#include "messages/outcome.h"
#include "model/contour.h"

namespace kalo {

enum class SolidJob {
  Step,    // the revolved solid as a STEP file
  Stl,     // its tessellation as a binary STL file
  Import,  // the contour of the turned part in a STEP file
};

struct SolidRequest {
  SolidJob job = SolidJob::Step;
  std::string input;                  // Import: the STEP file
  std::string output;                 // Step, Stl: the file kalo-solid writes (a scratch file)
  std::string productName;            // Step: the product's name (UTF-8)
  std::string productId;              // Step: the product's id (UTF-8)
  long double deflection = 0;         // Stl: the largest chordal deviation, mm
  int solid = 0;                      // Import: which solid (1-based); 0: the largest
  std::vector<ContourElement> elements;  // Step, Stl: the closed contour, mm and radians
};

std::vector<std::string> SolidRequestLines(const SolidRequest& request);
// A failure names the faulty line when the lines are no request.
[[nodiscard]] Outcome ParseSolidRequest(const std::vector<std::string>& lines, SolidRequest& request);

// The answer: the solid's own values as OpenCascade computes them, the messages (code page
// 850) and, for an import, the contour found and the solid's mass properties.
struct SolidAnswer {
  bool done = false;            // "done" was answered: the file is written / the contour found
  std::vector<std::string> errors;  // why not, each naming the place
  std::vector<std::string> notes;   // what was decided on the way
  long double volume = 0;       // mm³
  long double surface = 0;      // mm²
  std::vector<ContourElement> elements;  // Import: the contour
  // Import: the centre of mass (mm) and the moments of inertia per unit density (mm⁵)
  // about the axes through it, the axis found first.
  long double centre[3] = {0, 0, 0};
  long double inertia[3] = {0, 0, 0};
  bool revolved = false;        // Import: the solid is a body of revolution
  int triangles = 0;            // Stl: the number of triangles written
  std::vector<long double> solidVolumes;  // Import: the volume of each solid in the file, mm³

  std::vector<std::string> Lines() const;
};

SolidAnswer ParseSolidAnswer(const std::vector<std::string>& lines);

}  // namespace kalo
