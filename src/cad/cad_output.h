#pragma once
// What the driver's files share: the output of the current run and the screen while the
// run draws on it.
namespace kalo {

struct Context;
class CadTarget;
class ScreenPlotter;

// The open output of the current run; none before CadOpen and after CadClose.
CadTarget* CadOutput(Context& context);
// The graphics window while the screen target draws (outside the blocks section); else none.
ScreenPlotter* ScreenNow(Context& context);
bool IsScreenTarget(const Context& context);
// The arc from (x1, y1) to (x2, y2) turning by phi radians, by the arc-centre
// construction; a straight line when the two points admit no arc.
void CadArcThrough(Context& context, long double x1, long double y1, long double x2, long double y2,
                   long double phi);

}  // namespace kalo
