#include "cad/cad_driver.h"

// Placeholder until the CAD output driver lands: every call draws nothing.
namespace kalo {

bool CadOpen(Context&, int) { return false; }
void CadSetExtents(Context&, long double, long double, long double, long double) {}
void CadTables(Context&) {}
void CadBeginBlocks(Context&) {}
void CadBeginBlock(Context&, const std::string&) {}
void CadEndBlock(Context&) {}
void CadEndSection(Context&) {}
void CadBeginEntities(Context&) {}
void CadSetLayer(Context&, int) {}
void CadSetLineStyle(Context&, int) {}
void CadSetTextStyle(Context&, int, long double, long double, long double) {}
void CadLine(Context&, long double, long double, long double, long double) {}
void CadCircle(Context&, long double, long double, long double) {}
void CadArc(Context&, long double, long double, long double, long double, long double) {}
void CadText(Context&, const std::string&, long double, long double) {}
void CadSolid(Context&, long double, long double, long double, long double, long double, long double, long double,
              long double) {}
void CadMoveTo(Context&, long double, long double) {}
void CadLineTo(Context&, long double, long double) {}
void CadRectangle(Context&, long double, long double, long double, long double) {}
void CadInsert(Context&, const std::string&, long double, long double, long double, long double, long double) {}
void CadBeginPolyline(Context&, int) {}
void CadVertex(Context&, long double, long double, long double) {}
void CadEndPolyline(Context&) {}
bool CadClose(Context&) { return false; }

}  // namespace kalo
