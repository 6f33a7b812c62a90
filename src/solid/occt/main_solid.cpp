// kalo-solid: the OpenCascade work of the command line and window programs. It reads a
// request file, builds or reads the solid, writes what was asked for and answers in a file:
//   kalo-solid REQUEST ANSWER
// Exit code 0 when the answer was written (it says whether the job succeeded), else 1.
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Standard_Failure.hxx>

#include <future>
#include <iostream>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "solid/occt/mass_properties.h"
#include "solid/occt/revolved_solid.h"
#include "solid/occt/solid_files.h"
#include "solid/occt/step_import.h"
#include "solid/solid_request.h"

namespace {

using kalo::SolidAnswer;
using kalo::SolidRequest;

// The solid checked and measured; the answer's errors say when it is not valid.
void CheckAndMeasure(const TopoDS_Shape& solid, SolidAnswer& answer) {
  std::string invalid = kalo::InvalidSolidMessage(solid);
  if (!invalid.empty()) answer.errors.push_back(invalid);
  kalo::MeasureSolid(solid, answer);
}

void MakeFile(const SolidRequest& request, SolidAnswer& answer) {
  TopoDS_Shape solid = kalo::RevolvedSolid(request.elements, answer.errors);
  if (solid.IsNull()) return;
  if (request.job == kalo::SolidJob::Step) {
    // The STEP file is written while the solid is checked and measured: all of it only
    // reads the solid. An invalid solid's file is never moved into place.
    SolidAnswer checked;
    std::future<void> checking = std::async(std::launch::async, [&] { CheckAndMeasure(solid, checked); });
    bool written = kalo::WriteStepFile(solid, request.output, request.productName, request.productId);
    checking.get();
    answer.errors = checked.errors;
    answer.volume = checked.volume;
    answer.surface = checked.surface;
    if (!written) answer.errors.push_back("STEP-Datei kann nicht geschrieben werden");
  } else {
    CheckAndMeasure(solid, answer);
    if (!answer.errors.empty()) return;
    answer.triangles = kalo::WriteStlFile(solid, request.output, static_cast<double>(request.deflection));
    if (answer.triangles < 0) answer.errors.push_back("STL-Datei kann nicht geschrieben werden");
  }
  answer.done = answer.errors.empty();
}

SolidAnswer Answer(const SolidRequest& request) {
  SolidAnswer answer;
  try {
    if (request.job == kalo::SolidJob::Import)
      kalo::ImportStep(request.input, request.solid, answer);
    else
      MakeFile(request, answer);
  } catch (const Standard_Failure& failure) {
    answer.errors.push_back(std::string("OpenCascade: ") + failure.GetMessageString());
    answer.done = false;
  }
  return answer;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kalo-solid REQUEST ANSWER\n";
    return 1;
  }
  // OpenCascade's own reports would only clutter the output of the calling program.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_Printer));
  std::vector<std::string> lines;
  SolidRequest request;
  kalo::Outcome read = kalo::ReadTextLines(argv[1], lines);
  if (read) read = kalo::ParseSolidRequest(lines, request);
  if (!read) {
    std::cerr << "kalo-solid: " << argv[1] << ": " << read.Message() << "\n";
    return 1;
  }
  if (kalo::Outcome written = kalo::WriteTextLines(argv[2], Answer(request).Lines()); !written) {
    std::cerr << "kalo-solid: " << argv[2] << ": " << written.Message() << "\n";
    return 1;
  }
  return 0;
}
