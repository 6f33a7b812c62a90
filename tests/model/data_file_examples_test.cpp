#include <gtest/gtest.h>

#include "model/data_file_reader.h"
#include "model/data_file_writer.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

class DataFileExample : public ::testing::TestWithParam<const char*> {};

TEST_P(DataFileExample, ReadsAndWritesBackTheSameBytes) {
  TempDir dir;
  TestContext test;
  Context& context = test.context;
  std::string source = std::string(KALO_SOURCE_DIR) + "/data/examples/" + GetParam() + ".kal";
  ASSERT_TRUE(ReadDataFile(context, source));
  EXPECT_GT(context.body.contour.count, 1);
  EXPECT_FALSE(context.body.texts.name.empty());
  context.state.dataDirectory = dir.Path();
  ASSERT_TRUE(WriteDataFile(context, GetParam()));
  EXPECT_EQ(ReadBytes(source), ReadBytes(dir.File(std::string(GetParam()) + ".kal")));
}

INSTANTIATE_TEST_SUITE_P(Shipped, DataFileExample, ::testing::Values("shaft", "flange", "pulley", "sphere", "torus"));

}  // namespace
}  // namespace kalo::testing
