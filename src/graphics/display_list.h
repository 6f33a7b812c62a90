#pragma once
// The recorded drawing of the graphics window: compact binary records in call order,
// replayed on every paint. Coordinates are world coordinates except the viewport of a
// window record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalo {

enum class RecordCode : std::uint8_t {
  Circle = 3,     // x, y, r
  Line = 4,       // x1, y1, x2, y2
  Arc = 5,        // bounding box x - r, y - r, x + r, y + r; start point; end point
  Text = 6,       // x, y (lower left corner); the text
  Solid = 7,      // four corners in outline order
  Colour = 8,     // screen colour number
  TextStyle = 9,  // height, width, font number, angle in degrees
  Window = 10,    // viewport vx0, vy0, vx1, vy1; world xmin, ymin, xmax, ymax
  LineStyle = 11, // line style code
  LineWidth = 12, // line width
  Sleep = 13,     // milliseconds
};

inline constexpr size_t kRecordValues = 8;

struct DisplayRecord {
  RecordCode code = RecordCode::Line;
  std::uint32_t text = 0;  // index of the text of a text record
  std::array<double, kRecordValues> values{};
};

class DisplayList {
 public:
  void Clear();
  void Add(RecordCode code, std::initializer_list<long double> values);
  void AddText(long double x, long double y, std::string text);

  size_t Size() const { return records_.size(); }
  const DisplayRecord& operator[](size_t index) const { return records_[index]; }
  const std::string& TextOf(const DisplayRecord& record) const { return texts_[record.text]; }

 private:
  std::vector<DisplayRecord> records_;
  std::vector<std::string> texts_;
};

}  // namespace kalo
