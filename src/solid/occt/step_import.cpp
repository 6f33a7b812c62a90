#include "solid/occt/step_import.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <future>
#include <vector>

#include "platform/codepage.h"
#include "solid/occt/mass_properties.h"
#include "solid/occt/revolution_axis.h"
#include "solid/occt/section_contour.h"
#include "solid/solid_request.h"

namespace kalo {
namespace {

double Volume(const TopoDS_Shape& solid) {
  GProp_GProps props;
  BRepGProp::VolumeProperties(solid, props, true);
  return props.Mass();
}

// The solid chosen (1-based), or with 0 the one of largest volume; the volume of each is
// noted when there are several.
TopoDS_Shape ChosenSolid(const TopoDS_Shape& shape, int chosen, SolidAnswer& answer) {
  std::vector<TopoDS_Shape> solids;
  for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) solids.push_back(e.Current());
  answer.solidVolumes.clear();
  size_t largest = 0;
  for (size_t k = 0; solids.size() > 1 && k < solids.size(); ++k) {
    answer.solidVolumes.push_back(Volume(solids[k]));
    if (answer.solidVolumes[k] > answer.solidVolumes[largest]) largest = k;
  }
  if (solids.empty()) return {};
  size_t index = chosen >= 1 && static_cast<size_t>(chosen) <= solids.size() ? static_cast<size_t>(chosen - 1) : largest;
  if (solids.size() > 1)
    answer.notes.push_back(Oem("Körper ") + std::to_string(index + 1) + " von " + std::to_string(solids.size()) +
                           (chosen == 0 ? Oem(" (der größte)") : ""));
  return solids[index];
}

}  // namespace

void ImportStep(const std::string& path, int chosen, SolidAnswer& answer) {
  STEPControl_Reader reader;
  if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
    answer.errors.push_back("keine lesbare STEP-Datei");
    return;
  }
  reader.TransferRoots();
  TopoDS_Shape solid = ChosenSolid(reader.OneShape(), chosen, answer);
  if (solid.IsNull()) {
    answer.errors.push_back(Oem("Die STEP-Datei enthält keinen Körper"));
    return;
  }
  RevolutionCheck check = CheckRevolution(solid);
  // The solid is measured while its section is taken: both only read it.
  std::future<void> measured = std::async(std::launch::async, [&] { MeasureMass(solid, check.axis, answer); });
  Outcome cut = check.revolved ? SectionContour(solid, check.axis, answer.elements) : Outcome::Failure(check.breaking);
  measured.get();
  if (!check.revolved) {
    answer.errors.push_back(check.breaking);
    return;
  }
  if (!cut) {
    answer.elements.clear();
    answer.errors.push_back(cut.Message());
    return;
  }
  answer.revolved = true;
  answer.done = true;
}

}  // namespace kalo
