#include "solid/occt/solid_files.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <StepBasic_Product.hxx>
#include <StlAPI_Writer.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <XSControl_WorkSession.hxx>
#include <StepData_StepModel.hxx>

namespace kalo {

bool WriteStepFile(const TopoDS_Shape& solid, const std::string& path, const std::string& name,
                   const std::string& id) {
  STEPControl_Controller::Init();  // registers the settings below, which are ignored before
  Interface_Static::SetCVal("write.step.schema", "AP214IS");
  Interface_Static::SetCVal("write.step.unit", "MM");
  STEPControl_Writer writer;
  if (writer.Transfer(solid, STEPControl_AsIs) != IFSelect_RetDone) return false;
  Handle(StepData_StepModel) model = writer.Model();
  for (Standard_Integer k = 1; k <= model->NbEntities(); ++k) {
    Handle(StepBasic_Product) product = Handle(StepBasic_Product)::DownCast(model->Value(k));
    if (product.IsNull()) continue;
    product->SetName(new TCollection_HAsciiString(name.c_str()));
    product->SetId(new TCollection_HAsciiString(id.c_str()));
  }
  return writer.Write(path.c_str()) == IFSelect_RetDone;
}

int WriteStlFile(const TopoDS_Shape& solid, const std::string& path, double deflection) {
  BRepMesh_IncrementalMesh mesh(solid, deflection, false, 0.5, false);
  if (!mesh.IsDone()) return -1;
  int triangles = 0;
  for (TopExp_Explorer face(solid, TopAbs_FACE); face.More(); face.Next()) {
    TopLoc_Location location;
    Handle(Poly_Triangulation) triangulation = BRep_Tool::Triangulation(TopoDS::Face(face.Current()), location);
    if (triangulation.IsNull()) return -1;
    triangles += triangulation->NbTriangles();
  }
  StlAPI_Writer writer;
  writer.ASCIIMode() = false;
  return writer.Write(solid, path.c_str()) ? triangles : -1;
}

}  // namespace kalo
