// Edit Werkstoff and Datenbank Werkstoff on a scripted user, checked against closed forms.
#include <gtest/gtest.h>

#include <numbers>

#include "app/main_menu_state.h"
#include "app/material_commands.h"
#include "app/view_commands.h"
#include "calc/calculation.h"
#include "context/text_channel.h"
#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "material/dbf_fixture.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kLength = 100, kRadius = 20;  // mm
constexpr long double kVolume = kPi * kRadius * kRadius * kLength;  // mm³

class MaterialCommands : public ::testing::Test {
 protected:
  MaterialCommands() {
    t.context.config.dbfDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    Contour& contour = t.context.body.contour;
    contour[1] = {0, 0, 0};
    contour[2] = {kLength, 0, 0};
    contour[3] = {kLength, kRadius, 0};
    contour[4] = {0, kRadius, 0};
    contour.count = 4;
    Calculate(t.context.body, t.context.config, t.context.messages);
  }

  void WriteTable(const std::string& density) {
    testing::WriteBytes(dir.File("wst1base.dbf"),
                        testing::BuildDbf(testing::MaterialFields(), {testing::MaterialRow("A", "Stoff", density)}));
  }

  // The user picks the record of that physical number.
  void Pick(int record) {
    t.ui.onTableBrowser = [record](Tdbf4& form) { return form.Table().Go(record); };
  }

  std::string Shown(long double density) { return FormatSignificant(density, t.context.Numbers()); }

  testing::TempDir dir;
  testing::TestContext t;
  Body& body = t.context.body;
};

TEST_F(MaterialCommands, AMaterialOfTheShippedTableGivesTheMassOfACylinder) {
  testing::WriteBytes(dir.File("wst1base.dbf"), testing::ReadBytes(std::string(KALO_SOURCE_DIR) + "/data/wst1base.dbf"));
  DbfTable table;
  ASSERT_TRUE(table.Open(dir.File("wst1base.dbf")));
  int aluminium = 0;
  for (int n = 1; n <= table.RecordCount() && aluminium == 0; ++n)
    if (table.Go(n) && table.FieldText(1) == "3.3211") aluminium = n;
  ASSERT_GT(aluminium, 0);
  table.Close();

  Pick(aluminium);
  t.ui.texts = {Shown(2.7L)};  // the proposed density confirmed as shown
  SelectMaterial(t.context);
  EXPECT_FALSE(t.context.state.cancel);
  EXPECT_EQ(t.ui.prompts, std::vector<std::string>{"Dichte des Werkstoffs [kg/dm3]"});
  EXPECT_EQ(body.materialRecord, aluminium);
  EXPECT_EQ(t.context.material.name, "EN AW-6061 T6");
  EXPECT_NEAR(double(body.rho), 2.7, 1e-15);
  EXPECT_NEAR(double(body.mass), double(kVolume * 2.7e-6L), 1e-9);
  EXPECT_TRUE(t.context.state.modified);
}

TEST_F(MaterialCommands, TheMaterialsNameAndNumberStandBesideTheDensity) {
  testing::WriteBytes(dir.File("wst1base.dbf"),
                      testing::BuildDbf(testing::MaterialFields(), {testing::MaterialRow("1.0037", "S235JR", "7.850"),
                                                                   testing::MaterialRow("3.3211", "AlMgSi", "2.700")}));
  t.context.config.textDevice = kTargetScreen;
  Pick(2);
  t.ui.texts = {"2,8"};  // the user's own density beside the table's material
  SelectMaterial(t.context);
  ASSERT_FALSE(t.context.state.cancel);
  EXPECT_NE(CurrentMenuState(t.context).status.find("Werkstoff AlMgSi (Nr. 3.3211), rho = " + Shown(2.8L) + " kg/dm3"),
            std::string::npos)
      << CurrentMenuState(t.context).status;
  ViewFullReport(t.context);
  ASSERT_EQ(t.ui.shownTextFiles.size(), 1u);
  const std::string& report = t.ui.shownTextFiles[0].content;
  size_t density = report.find("Werkstoffdichte"), material = report.find("Werkstoff AlMgSi");
  ASSERT_NE(material, std::string::npos);
  std::string line = report.substr(material, report.find('\n', material) - material);
  EXPECT_NE(line.find("Nr."), std::string::npos) << line;
  EXPECT_NE(line.find("3.3211"), std::string::npos) << line;
  EXPECT_LT(density, material);
  EXPECT_GT(report.find("Bogenteilung"), material) << "the material follows the density";

  // A body read later names its record only: the name comes from the table.
  t.context.material = MaterialRecord();
  body.materialRecord = 1;
  EXPECT_NE(CurrentMenuState(t.context).status.find("Werkstoff S235JR (Nr. 1.0037)"), std::string::npos);
  // A record the table does not hold, or no record, names no material.
  body.materialRecord = 7;
  EXPECT_EQ(CurrentMenuState(t.context).status.find("Werkstoff"), std::string::npos);
  body.materialRecord = 0;
  EXPECT_EQ(CurrentMenuState(t.context).status.find("Werkstoff"), std::string::npos);
}

TEST_F(MaterialCommands, ADensityOfZeroInTheTableIsAskedAgainUntilItFits) {
  WriteTable("0.000");
  Pick(1);
  t.ui.texts = {Shown(0), "0,005", "2,5"};
  SelectMaterial(t.context);
  ASSERT_EQ(t.ui.prompts.size(), 3u);
  ASSERT_EQ(t.ui.messages.size(), 2u);
  EXPECT_EQ(t.ui.messages[0].text.rfind(Oem("Gültiger Wertebereich: "), 0), 0u);
  EXPECT_EQ(body.rho, 2.5L);
  EXPECT_NEAR(double(body.mass), double(kVolume * 2.5e-6L), 1e-9);
}

TEST_F(MaterialCommands, CancellingTheDensityKeepsAValidMaterialDensityWithoutCalculating) {
  long double massBefore = body.mass;
  WriteTable("4.430");
  Pick(1);
  SelectMaterial(t.context);  // no answer: the density dialog is cancelled
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_EQ(body.rho, 4.43L);
  EXPECT_EQ(body.mass, massBefore);
  EXPECT_EQ(body.materialRecord, 1);
  EXPECT_TRUE(t.context.state.modified);  // the new material must not be lost unsaved

  // A density the body may not have is never kept.
  WriteTable("0.000");
  SelectMaterial(t.context);
  EXPECT_EQ(body.rho, 4.43L);
}

TEST_F(MaterialCommands, BrowsingTheTableChangesNothing) {
  WriteTable("4.430");
  std::string before = testing::ReadBytes(dir.File("wst1base.dbf"));
  Pick(1);
  EditMaterialTable(t.context);
  EXPECT_FALSE(t.context.state.cancel);
  EXPECT_EQ(body.rho, kDefaultDensity);
  EXPECT_EQ(body.materialRecord, 0);
  EXPECT_FALSE(t.context.state.modified);
  EXPECT_TRUE(t.ui.prompts.empty());
  EXPECT_EQ(testing::ReadBytes(dir.File("wst1base.dbf")), before);
}

}  // namespace
}  // namespace kalo
