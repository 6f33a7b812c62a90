#include "solid/occt/revolution_axis.h"

#include <BRepAdaptor_Surface.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <gp_Lin.hxx>

#include <optional>

#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// Axes closer than this are one: STEP files keep directions to about seven digits.
constexpr double kAngularTolerance = 1e-7;
constexpr double kLinearTolerance = 1e-6;  // mm

std::string Number(double value) { return FormatSignificant(value, NumberFormat{}); }

std::string PointText(const gp_Pnt& p) { return "(" + Number(p.X()) + ", " + Number(p.Y()) + ", " + Number(p.Z()) + ")"; }

// "Ebene bei x = 35" for a plane across a coordinate axis, else the plane through a point.
std::string PlaneText(const gp_Pln& plane) {
  const gp_Dir& n = plane.Axis().Direction();
  const gp_Pnt& p = plane.Location();
  const char* names[3] = {"x", "y", "z"};
  double components[3] = {n.X(), n.Y(), n.Z()};
  for (int k = 0; k < 3; ++k)
    if (std::fabs(std::fabs(components[k]) - 1) < kAngularTolerance) {
      double along = gp_Vec(p.XYZ()).Dot(gp_Vec(n)) * components[k];
      return std::string("Ebene bei ") + names[k] + " = " + Number(along);
    }
  return "Ebene durch " + PointText(p);
}

std::string SurfaceText(const BRepAdaptor_Surface& s) {
  switch (s.GetType()) {
    case GeomAbs_Plane: return PlaneText(s.Plane());
    case GeomAbs_Cylinder: return "Zylinder r = " + Number(s.Cylinder().Radius()) + " durch " + PointText(s.Cylinder().Location());
    case GeomAbs_Cone: return "Kegel mit Spitze " + PointText(s.Cone().Apex());
    case GeomAbs_Sphere: return "Kugel r = " + Number(s.Sphere().Radius()) + " um " + PointText(s.Sphere().Location());
    case GeomAbs_Torus: return "Torus um " + PointText(s.Torus().Location());
    case GeomAbs_SurfaceOfRevolution: return Oem("Drehfläche um ") + PointText(s.AxeOfRevolution().Location());
    default: return Oem("Freiformfläche");
  }
}

// The axis a face turns about; none for planes and spheres, which have none of their own.
std::optional<gp_Ax1> OwnAxis(const BRepAdaptor_Surface& s) {
  switch (s.GetType()) {
    case GeomAbs_Cylinder: return s.Cylinder().Axis();
    case GeomAbs_Cone: return s.Cone().Axis();
    case GeomAbs_Torus: return s.Torus().Axis();
    case GeomAbs_SurfaceOfRevolution: return s.AxeOfRevolution();
    default: return std::nullopt;
  }
}

bool SameLine(const gp_Ax1& a, const gp_Ax1& b) {
  return a.IsParallel(b, kAngularTolerance) && gp_Lin(a).Distance(b.Location()) < kLinearTolerance;
}

bool FitsAxis(const BRepAdaptor_Surface& s, const gp_Ax1& axis) {
  switch (s.GetType()) {
    case GeomAbs_Plane: return s.Plane().Axis().IsParallel(axis, kAngularTolerance);
    case GeomAbs_Sphere: return gp_Lin(axis).Distance(s.Sphere().Location()) < kLinearTolerance;
    default: {
      std::optional<gp_Ax1> own = OwnAxis(s);
      return own && SameLine(*own, axis);
    }
  }
}

// The first face's own axis; for a solid of planes and spheres only the first plane's
// normal through the first sphere's centre (or the plane's point).
gp_Ax1 CandidateAxis(const TopTools_IndexedMapOfShape& faces) {
  std::optional<gp_Dir> normal;
  std::optional<gp_Pnt> centre, planePoint;
  for (int k = 1; k <= faces.Extent(); ++k) {
    BRepAdaptor_Surface s(TopoDS::Face(faces(k)), false);
    if (std::optional<gp_Ax1> own = OwnAxis(s)) return *own;
    if (s.GetType() == GeomAbs_Sphere && !centre) centre = s.Sphere().Location();
    if (s.GetType() == GeomAbs_Plane && !normal) {
      normal = s.Plane().Axis().Direction();
      planePoint = s.Plane().Location();
    }
  }
  gp_Pnt through = centre ? *centre : planePoint ? *planePoint : gp::Origin();
  return gp_Ax1(through, normal ? *normal : gp::DX());
}

// The axis through the foot of the origin on it, pointing along the positive direction of
// the coordinate axis it is nearest to.
gp_Ax1 Normalised(const gp_Ax1& axis) {
  gp_Dir d = axis.Direction();
  double components[3] = {d.X(), d.Y(), d.Z()};
  int largest = 0;
  for (int k = 1; k < 3; ++k)
    if (std::fabs(components[k]) > std::fabs(components[largest])) largest = k;
  if (components[largest] < 0) d.Reverse();
  gp_Vec toOrigin(axis.Location(), gp::Origin());
  gp_Pnt foot = axis.Location().Translated(gp_Vec(d) * toOrigin.Dot(gp_Vec(d)));
  return gp_Ax1(foot, d);
}

}  // namespace

RevolutionCheck CheckRevolution(const TopoDS_Shape& solid) {
  TopTools_IndexedMapOfShape faces;
  TopExp::MapShapes(solid, TopAbs_FACE, faces);
  RevolutionCheck check;
  check.axis = Normalised(CandidateAxis(faces));
  for (int k = 1; k <= faces.Extent(); ++k) {
    BRepAdaptor_Surface s(TopoDS::Face(faces(k)), false);
    if (!FitsAxis(s, check.axis)) {
      check.breaking = Oem("Fläche ") + std::to_string(k) + " (" + SurfaceText(s) + ") ist nicht rotationssymmetrisch";
      return check;
    }
  }
  check.revolved = true;
  return check;
}

}  // namespace kalo
