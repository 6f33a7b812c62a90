#pragma once
// What the benchmarks share: a program context on the console, a large body, and a
// temporary directory removed at the end.
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <numbers>
#include <string>

#include "context/context.h"
#include "platform/codepage.h"
#include "platform/console_ui.h"
#include "platform/platform.h"

namespace kalo::bench {

struct BenchContext {
  ConsoleUi ui{std::cout, std::cerr};
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context{ui, platform, clock};
};

// A ribbed outline of 200 elements along the top, every fourth point rounded by a 45 degree
// arc, closed along the axis; 25 changes and 8 placed texts.
inline void SetLargeBody(Body& body) {
  body.contour.Reset();
  body.contour[1] = {0, 0, 0};
  for (int i = 2; i < kMaxElements; ++i) {
    long double phi = i % 4 == 0 ? std::numbers::pi_v<long double> / 4 : 0;
    body.contour[i] = {static_cast<long double>(i), 20.0L + i % 5, phi};
  }
  body.contour[kMaxElements] = {kMaxElements, 0, 0};
  body.contour.count = kMaxElements;
  body.documentation.changes.assign(kMaxChanges, Change{Oem("Ergänzung"), "07.12.2026", "Maier", "Zeile 1\nZeile 2"});
  body.documentation.information.placedTexts.assign(kMaxPlacedTexts, PlacedText{10, 20, 3.5L, 0, "Text"});
}

class BenchDirectory {
 public:
  BenchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalo-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~BenchDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  BenchDirectory(const BenchDirectory&) = delete;
  BenchDirectory& operator=(const BenchDirectory&) = delete;

  bool Ok() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace kalo::bench
