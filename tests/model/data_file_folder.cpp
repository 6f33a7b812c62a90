#include "model/data_file_folder.h"

#include <gtest/gtest.h>

#include "datafile/data_file_writer.h"
#include "platform/text_file.h"

namespace kalo::testing {

Body CylinderBody(long double length, long double radius, long double rho, const std::string& name,
                  const std::string& number) {
  Body body;
  body.Initialise("07.12.2026");
  body.contour[1] = {0, 0, 0};
  body.contour[2] = {length, 0, 0};
  body.contour[3] = {length, radius, 0};
  body.contour[4] = {0, radius, 0};
  body.contour.count = 4;
  body.rho = rho;
  body.texts.name = name;
  body.texts.number = number;
  return body;
}

void WriteDataFileOf(const Body& body, const std::string& path) {
  Outcome written = WriteTextLines(path, DataFileContent(body, NumberFormat{}));
  ASSERT_TRUE(written) << written.Message();
}

}  // namespace kalo::testing
