#pragma once
// The table of the body's main results on a drawing.
namespace kalo {

struct Context;

// Area, volume, density, mass and mass moment of inertia with left x, top y and text
// height h; nothing after a fatal calculation error.
void DrawResultTable(Context& context, long double x, long double y, long double h);

}  // namespace kalo
