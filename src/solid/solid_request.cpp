#include "solid/solid_request.h"

#include <cstdio>
#include <cstdlib>

namespace kalo {
namespace {

std::string Real(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.21Lg", value);
  return text;
}

// Reads the reals of a value text; false when one is missing or malformed.
bool Reals(const std::string& text, long double* values, int count) {
  const char* next = text.c_str();
  for (int k = 0; k < count; ++k) {
    char* end = nullptr;
    values[k] = std::strtold(next, &end);
    if (end == next) return false;
    next = end;
  }
  return true;
}

std::string ElementLine(const ContourElement& e) {
  return "element " + Real(e.x) + " " + Real(e.y) + " " + Real(e.phi);
}

bool ParseElement(const std::string& value, std::vector<ContourElement>& elements) {
  long double v[3];
  if (!Reals(value, v, 3) || elements.size() >= kMaxElements) return false;
  elements.push_back({v[0], v[1], v[2]});
  return true;
}

const char* JobName(SolidJob job) {
  switch (job) {
    case SolidJob::Step: return "step";
    case SolidJob::Stl: return "stl";
    case SolidJob::Import: return "import";
  }
  return "";
}

// Splits "key value" at the first blank.
void Split(const std::string& line, std::string& key, std::string& value) {
  size_t blank = line.find(' ');
  key = line.substr(0, blank);
  value = blank == std::string::npos ? "" : line.substr(blank + 1);
}

}  // namespace

std::vector<std::string> SolidRequestLines(const SolidRequest& request) {
  std::vector<std::string> lines = {std::string("job ") + JobName(request.job)};
  if (!request.input.empty()) lines.push_back("input " + request.input);
  if (!request.output.empty()) lines.push_back("output " + request.output);
  lines.push_back("name " + request.productName);
  lines.push_back("id " + request.productId);
  lines.push_back("deflection " + Real(request.deflection));
  lines.push_back("solid " + std::to_string(request.solid));
  for (const ContourElement& e : request.elements) lines.push_back(ElementLine(e));
  return lines;
}

Outcome ParseSolidRequest(const std::vector<std::string>& lines, SolidRequest& request) {
  request = {};
  for (const std::string& line : lines) {
    std::string key, value;
    Split(line, key, value);
    bool good = true;
    if (key == "job") {
      good = value == "step" || value == "stl" || value == "import";
      request.job = value == "stl" ? SolidJob::Stl : value == "import" ? SolidJob::Import : SolidJob::Step;
    } else if (key == "input") {
      request.input = value;
    } else if (key == "output") {
      request.output = value;
    } else if (key == "name") {
      request.productName = value;
    } else if (key == "id") {
      request.productId = value;
    } else if (key == "deflection") {
      good = Reals(value, &request.deflection, 1);
    } else if (key == "solid") {
      long double number = 0;
      good = Reals(value, &number, 1) && number >= 0 && number <= 1e6L;
      request.solid = static_cast<int>(number);
    } else if (key == "element") {
      good = ParseElement(value, request.elements);
    } else {
      good = line.empty();
    }
    if (!good) return Outcome::Failure("unreadable request line: " + line);
  }
  return Outcome::Done();
}

std::vector<std::string> SolidAnswer::Lines() const {
  std::vector<std::string> lines;
  for (const std::string& e : errors) lines.push_back("error " + e);
  for (const std::string& n : notes) lines.push_back("note " + n);
  lines.push_back("volume " + Real(volume));
  lines.push_back("surface " + Real(surface));
  lines.push_back("centre " + Real(centre[0]) + " " + Real(centre[1]) + " " + Real(centre[2]));
  lines.push_back("inertia " + Real(inertia[0]) + " " + Real(inertia[1]) + " " + Real(inertia[2]));
  lines.push_back(std::string("revolved ") + (revolved ? "1" : "0"));
  lines.push_back("triangles " + std::to_string(triangles));
  for (long double v : solidVolumes) lines.push_back("solidvolume " + Real(v));
  for (const ContourElement& e : elements) lines.push_back(ElementLine(e));
  if (done) lines.push_back("done");
  return lines;
}

SolidAnswer ParseSolidAnswer(const std::vector<std::string>& lines) {
  SolidAnswer answer;
  for (const std::string& line : lines) {
    std::string key, value;
    Split(line, key, value);
    if (key == "error") {
      answer.errors.push_back(value);
    } else if (key == "note") {
      answer.notes.push_back(value);
    } else if (key == "volume") {
      Reals(value, &answer.volume, 1);
    } else if (key == "surface") {
      Reals(value, &answer.surface, 1);
    } else if (key == "centre") {
      Reals(value, answer.centre, 3);
    } else if (key == "inertia") {
      Reals(value, answer.inertia, 3);
    } else if (key == "revolved") {
      answer.revolved = value == "1";
    } else if (key == "triangles") {
      answer.triangles = std::atoi(value.c_str());
    } else if (key == "element") {
      ParseElement(value, answer.elements);
    } else if (key == "solidvolume") {
      long double v = 0;
      if (Reals(value, &v, 1)) answer.solidVolumes.push_back(v);
    } else if (key == "done") {
      answer.done = true;
    } else if (!line.empty()) {
      answer.errors.push_back(line);  // whatever else the program printed is a failure
    }
  }
  if (!answer.errors.empty()) answer.done = false;
  return answer;
}

}  // namespace kalo
