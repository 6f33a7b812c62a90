// Speed of the DXF contour import (read, chain, choose, calculate): a contour of 200
// elements as LINE and ARC entities (target below 2 ms), and a 20 MB drawing of 100,000
// entities on other layers around the contour (target below 1 s; bench/dxf_import_vs_ezdxf.sh
// compares the command line chain on such a drawing with ezdxf).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

#include "bench_support.h"
#include "dxf/dxf_geometry.h"
#include "edit/dxf_import.h"

namespace kalo::bench {
namespace {

constexpr int kOtherEntities = 100000;
constexpr const char* kContourLayer = "5";  // where the program draws contours

// Group pairs as CAD programs write them since R2000: codes right-aligned, CR LF, reals to
// 16 digits, handles, subclass markers, colour and line weight.
class DxfText {
 public:
  void Pair(int code, const std::string& value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%3d\r\n", code);
    text_ += buffer + value + "\r\n";
  }
  void Real(int code, long double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.16Lg", value);
    Pair(code, buffer);
  }
  void Entity(const std::string& name, const std::string& layer, const std::string& subclass) {
    Pair(0, name);
    char handle[16];
    std::snprintf(handle, sizeof handle, "%X", ++handle_);
    Pair(5, handle);
    Pair(330, "1F");
    Pair(100, "AcDbEntity");
    Pair(8, layer);
    Pair(62, "256");  // colour and line weight by layer
    Pair(370, "-1");
    Pair(100, subclass);
  }
  void Line(const std::string& layer, long double x1, long double y1, long double x2, long double y2) {
    Entity("LINE", layer, "AcDbLine");
    Real(10, x1);
    Real(20, y1);
    Real(30, 0);
    Real(11, x2);
    Real(21, y2);
    Real(31, 0);
  }
  // An entity placed at a point with a size: circle and arc (radius), text (height).
  void Placed(const std::string& name, const std::string& layer, const std::string& subclass, long double x,
              long double y, long double size) {
    Entity(name, layer, subclass);
    Real(10, x);
    Real(20, y);
    Real(30, 0);
    Real(40, size);
  }
  void Arc(const std::string& layer, long double x, long double y, long double r, long double a1, long double a2) {
    Placed("ARC", layer, "AcDbCircle", x, y, r);
    Pair(100, "AcDbArc");
    Real(50, a1);
    Real(51, a2);
  }
  // The segment from 'from' to 'to' as a LINE or an ARC.
  void Segment(const std::string& layer, const ContourElement& from, const ContourElement& to) {
    if (from.phi == 0) return Line(layer, from.x, from.y, to.x, to.y);
    SegmentArc arc = ArcOf({from.x, from.y, from.phi}, {to.x, to.y, 0});
    long double start = arc.startAngle * 180 / std::numbers::pi_v<long double>;
    long double sweep = from.phi * 180 / std::numbers::pi_v<long double>;
    // An ARC always runs counter-clockwise.
    long double a1 = sweep > 0 ? start : start + sweep;
    Arc(layer, arc.centre.x, arc.centre.y, arc.radius, a1, a1 + std::fabs(sweep));
  }
  std::string Drawing() const {
    return "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" + text_ + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  }

 private:
  std::string text_;
  unsigned handle_ = 0x100;
};

void AddContour(DxfText& dxf, const Contour& contour, const std::string& layer) {
  for (int i = 1; i <= contour.count; ++i) dxf.Segment(layer, contour[i], contour[i % contour.count + 1]);
}

// Dimension lines, holes, arcs, texts and small polylines spread over a sheet of 1000 by
// 700 mm, five kinds in turn.
void AddOtherEntities(DxfText& dxf, int count) {
  for (int i = 0; i < count; ++i) {
    long double x = static_cast<long double>(i * 7919LL % 1000) + i * 0.6180339887L / count;
    long double y = static_cast<long double>(i * 104729LL % 700) + i * 0.4142135623L / count;
    switch (i % 5) {
      case 0:
        dxf.Line("MASSE", x, y, x + 10, y + 3);
        break;
      case 1:
        dxf.Placed("CIRCLE", "BOHRUNGEN", "AcDbCircle", x, y, 4);
        break;
      case 2:
        dxf.Arc("KANTEN", x, y, 5, 10, 80);
        break;
      case 3:
        dxf.Placed("TEXT", "TEXTE", "AcDbText", x, y, 2.5);
        dxf.Pair(1, "Position " + std::to_string(i));
        dxf.Pair(100, "AcDbText");
        break;
      default:
        dxf.Entity("LWPOLYLINE", "HILFSLINIEN", "AcDbPolyline");
        dxf.Pair(90, "3");
        dxf.Pair(70, "0");
        dxf.Real(10, x);
        dxf.Real(20, y);
        dxf.Real(10, x + 5);
        dxf.Real(20, y);
        dxf.Real(10, x + 5);
        dxf.Real(20, y + 5);
        break;
    }
  }
}

bool WriteDrawing(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  return static_cast<bool>(out << text);
}

void ImportRepeatedly(benchmark::State& state, const std::string& drawing) {
  BenchDirectory directory;
  BenchContext bench;
  std::string path = directory.File("zeichnung.dxf");
  if (!WriteDrawing(path, drawing)) state.SkipWithError("cannot write the drawing");
  for (auto _ : state) {
    bool imported = ImportDxfContour(bench.context, path, DxfLoopChoice::Largest).IsDone();
    if (!imported) state.SkipWithError("the drawing was refused");
    benchmark::DoNotOptimize(bench.context.body.volume);
  }
  state.counters["MB"] = static_cast<double>(drawing.size()) / 1e6;
}

void BM_ImportDxf200Elements(benchmark::State& state) {
  Body body;
  SetLargeBody(body);
  DxfText dxf;
  AddContour(dxf, body.contour, kContourLayer);
  ImportRepeatedly(state, dxf.Drawing());
}
BENCHMARK(BM_ImportDxf200Elements)->Unit(benchmark::kMicrosecond);

void BM_ImportDxfAmong100000Entities(benchmark::State& state) {
  Body body;
  SetLargeBody(body);
  DxfText dxf;
  AddOtherEntities(dxf, kOtherEntities / 2);
  AddContour(dxf, body.contour, kContourLayer);
  AddOtherEntities(dxf, kOtherEntities / 2);
  ImportRepeatedly(state, dxf.Drawing());
}
BENCHMARK(BM_ImportDxfAmong100000Entities)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kalo::bench
