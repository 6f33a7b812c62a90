#pragma once
// The one drawing interface of every CAD output: a view draws through these calls once,
// and the driver routes them to the target of the run (DXF, IGES, screen, plot program,
// TXT, SVG, PDF). Coordinates in drawing units (mm), angles in degrees unless stated.
#include <string>

#include "context/cad_target.h"

namespace kalo {

struct Context;

// The file extension of a file target ("dxf", "igs", "txt", "svg", "pdf"); "" for the others.
const char* CadFileExtension(int target);
// Starts an output run on the target (0 lets the user choose). Cancelled when the user
// cancelled a question of it, a failure when the output cannot be created; either sets the
// cancel flag, and a failure has been reported to the user already.
Outcome CadOpen(Context& context, int code);
void CadSetExtents(Context& context, long double xmin, long double ymin, long double xmax, long double ymax);
void CadTables(Context& context);
void CadBeginBlocks(Context& context);
void CadBeginBlock(Context& context, const std::string& name);
void CadEndBlock(Context& context);
void CadEndSection(Context& context);
void CadBeginEntities(Context& context);
void CadSetLayer(Context& context, int layer);
void CadSetLineStyle(Context& context, int style);
void CadSetTextStyle(Context& context, int font, long double angle, long double height, long double width);
void CadLine(Context& context, long double x1, long double y1, long double x2, long double y2);
void CadCircle(Context& context, long double x, long double y, long double r);
void CadArc(Context& context, long double x, long double y, long double startAngle, long double endAngle,
            long double r);
void CadText(Context& context, const std::string& text, long double x, long double y);
void CadSolid(Context& context, long double x1, long double y1, long double x2, long double y2, long double x3,
              long double y3, long double x4, long double y4);
void CadMoveTo(Context& context, long double x, long double y);
void CadLineTo(Context& context, long double x, long double y);
void CadRectangle(Context& context, long double x1, long double y1, long double x2, long double y2);
void CadInsert(Context& context, const std::string& name, long double x, long double y, long double angle,
               long double xScale, long double yScale);
void CadBeginPolyline(Context& context, int flag);
// phi: arc angle in radians of the segment that starts at this vertex (0 = straight).
void CadVertex(Context& context, long double x, long double y, long double phi);
void CadEndPolyline(Context& context);
// Ends the run. Cancelled when the run was abandoned on the way (nothing is written), a
// failure, reported to the user already, when the output could not be completed.
Outcome CadClose(Context& context);

}  // namespace kalo
