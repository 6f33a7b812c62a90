#pragma once
// The properties of the solid beyond the section values: centre of mass, transverse mass
// moments of inertia, surface, radii of gyration and each element's share of Jx.
#include <vector>

#include "calc/contour_integrals.h"
#include "calc/section_sums.h"

namespace kalo {

struct Body;

struct SolidProperties {
  long double volume = 0;        // mm³
  long double mass = 0;          // kg
  long double Jx = 0;            // kg·m², about the axis of rotation
  long double centreOfMass = 0;  // x of the centre of mass on the axis, mm
  long double JyCentre = 0;      // kg·m², about the transverse axis through the centre of mass
  long double JyOrigin = 0;      // kg·m², about the transverse axis through x = 0
  long double surface = 0;       // mm², the lateral areas of all revolved segments
  long double gyrationX = 0;     // mm, radius of gyration about the axis
  long double gyrationY = 0;     // mm, about the transverse axis through the centre of mass
  // kg·m², element i at [i - 1]; they add up to Jx. Each is the frustum between the
  // element's boundary and the axis, counted positive where the boundary runs as the
  // outside of a counter-clockwise contour does and negative where it runs back.
  std::vector<long double> elementJx;
};

// From the body's contour, density and arc division. A body without area or mass gives 0
// for the values that divide by them.
SolidProperties ComputeSolidProperties(const Body& body, ArcModel model, MessageCollection& messages,
                                       const NumberFormat& format);

// The same without the element shares (elementJx stays empty), quicker: with chords from
// the polygon of the last calculation, which must have succeeded.
SolidProperties ComputeSolidTotals(const Body& body, ArcModel model, MessageCollection& messages,
                                   const NumberFormat& format);

// The sums of the calculation over the true arcs: the section values and the mass and
// mass moment of inertia of the solid, signed like the polygon sums.
SectionSums ExactSectionSums(const Body& body, MessageCollection& messages);

}  // namespace kalo
