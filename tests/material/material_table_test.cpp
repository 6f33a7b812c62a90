// Picking a material from the table and browsing it, on a scripted browser.
#include <gtest/gtest.h>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "material/dbf_fixture.h"
#include "material/material_table.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo {
namespace {

using testing::BuildDbf;
using testing::MaterialFields;
using testing::MaterialRow;

class MaterialTable : public ::testing::Test {
 protected:
  MaterialTable() {
    t.context.config.dbfDirectory = dir.Path();
    t.context.config.tempDirectory = dir.Path();
    // Physical order B, A, C: the browser shows them ordered by the key.
    WriteTable({MaterialRow("B", "Stahl", "7.850"), MaterialRow("A", "Alu", "2,700"), MaterialRow("C", "Titan", "4.430")});
  }

  void WriteTable(const std::vector<std::vector<std::string>>& rows) {
    testing::WriteBytes(dir.File("wst1base.dbf"), BuildDbf(MaterialFields(), rows));
  }

  // The user sees the browser, goes to the record of that physical number and presses OK
  // (0: presses OK where the browser stands; -1: "Abbrechen").
  void Browse(int record) {
    t.ui.onTableBrowser = [this, record](TableBrowserForm& form) {
      shownRecords.push_back(form.Table().RecNo());
      shownFirst.push_back(form.Table().ViewRecord(1));
      captions.push_back(form.caption);
      helpNumbers.push_back(t.context.state.helpNumber);
      if (record > 0) form.Table().Go(record);
      return record >= 0;
    };
  }

  testing::TempDir dir;
  testing::TestContext t;
  Body& body = t.context.body;
  std::vector<int> shownRecords, shownFirst, helpNumbers;
  std::vector<std::string> captions;
};

TEST_F(MaterialTable, TheFirstPickStartsAtRecordOneAndTakesTheChosenRecord) {
  Browse(2);
  EXPECT_TRUE(OpenMaterialTable(t.context, MaterialTableMode::Selection));
  EXPECT_EQ(shownRecords, std::vector<int>{1});
  EXPECT_EQ(shownFirst, std::vector<int>{2});  // ordered by field 1
  EXPECT_EQ(captions, std::vector<std::string>{"   Werkstoff-Basisdaten"});
  EXPECT_EQ(helpNumbers, std::vector<int>{kMaterialTableHelpNumber});
  EXPECT_EQ(body.materialRecord, 2);
  EXPECT_EQ(body.rho, 2.7L);
  const MaterialRecord& m = t.context.material;
  EXPECT_EQ(m.key, "A");
  EXPECT_EQ(m.name, "Alu");
  EXPECT_EQ(m.integers, (std::array<long, 4>{360, 235, 26, 0}));
  EXPECT_EQ(m.reals, (std::array<long double, 3>{210.0L, 12.0L, 53.3L}));
  EXPECT_EQ(m.remarks[1], "Verwendung");

  // The next pick starts at the material picked last.
  Browse(0);
  EXPECT_TRUE(OpenMaterialTable(t.context, MaterialTableMode::Selection));
  EXPECT_EQ(shownRecords.back(), 2);
  EXPECT_TRUE(t.context.messages.Empty());
}

TEST_F(MaterialTable, ARememberedRecordBeyondAShortenedTableStartsAtTheLast) {
  body.materialRecord = 17;
  Browse(-1);
  EXPECT_FALSE(OpenMaterialTable(t.context, MaterialTableMode::Selection));
  EXPECT_EQ(shownRecords, std::vector<int>{3});
  EXPECT_EQ(t.context.messages.Texts(), std::vector<std::string>{"DBF #17 not found."});
  EXPECT_EQ(body.materialRecord, 17);  // cancelled: nothing taken over
}

TEST_F(MaterialTable, CancelInTheBrowserTakesNothingOver) {
  body.rho = 1.5L;
  std::string before = testing::ReadBytes(dir.File("wst1base.dbf"));
  Browse(-1);
  EXPECT_FALSE(OpenMaterialTable(t.context, MaterialTableMode::Selection));
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_EQ(body.rho, 1.5L);
  EXPECT_EQ(body.materialRecord, 0);
  EXPECT_EQ(t.context.material, MaterialRecord{});
  EXPECT_EQ(testing::ReadBytes(dir.File("wst1base.dbf")), before);
}

TEST_F(MaterialTable, FieldsAreCutToTheirLimitsAndUnreadableNumbersGiveZero) {
  std::vector<std::string> row = {"1234567890", "Ein sehr langer Werkstoffname", "Gruppe1234", "abc", "", "7", "x",
                                  "1e", "", "", "1.25", std::string(40, 'n'), Cp850ToAnsi(Oem("Wälzlager"))};
  std::vector<testing::TestField> fields = MaterialFields();
  fields[0].width = fields[2].width = 10;
  fields[1].width = 30;
  for (int n : {3, 6, 7}) fields[n] = {fields[n].name, 'C', fields[n].width};
  fields[11].width = 40;
  testing::WriteBytes(dir.File("wst1base.dbf"), BuildDbf(fields, {row}));
  Browse(0);
  ASSERT_TRUE(OpenMaterialTable(t.context, MaterialTableMode::Selection)) << t.ui.messages[0].text;
  const MaterialRecord& m = t.context.material;
  EXPECT_EQ(m.key, "123456789");
  EXPECT_EQ(m.name, "Ein sehr langer We");
  EXPECT_EQ(m.group, "Gruppe123");
  EXPECT_EQ(m.integers, (std::array<long, 4>{0, 0, 7, 0}));
  EXPECT_EQ(m.reals[0], 0);
  EXPECT_EQ(m.density, 1.25L);
  EXPECT_EQ(m.remarks[0], std::string(35, 'n'));
  EXPECT_EQ(m.remarks[1], Oem("Wälzlager"));  // Windows code page in the file, 850 inside
}

TEST_F(MaterialTable, ATableWithoutTheThirteenFieldsIsRefused) {
  std::vector<testing::TestField> fields = MaterialFields();
  fields.pop_back();
  testing::WriteBytes(dir.File("wst1base.dbf"), BuildDbf(fields, {MaterialRow("A", "Alu", "2.7")}));
  Browse(0);
  body.rho = 1.5L;
  EXPECT_FALSE(OpenMaterialTable(t.context, MaterialTableMode::Selection));
  EXPECT_TRUE(shownRecords.empty());
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0].text, "Keine Werkstofftabelle (weniger als 13 Felder): " + dir.File("wst1base.dbf"));
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_EQ(body.rho, 1.5L);
}

TEST_F(MaterialTable, EditingStartsAtTheFirstMaterialAndTakesNothingOver) {
  body.materialRecord = 3;
  Browse(3);
  EXPECT_TRUE(OpenMaterialTable(t.context, MaterialTableMode::Editing));
  EXPECT_EQ(shownRecords, std::vector<int>{2});  // "A", first by key
  EXPECT_EQ(captions[0], "  Werkstoff-Basisdaten  (" + dir.File("wst1base.dbf") + ")");
  EXPECT_EQ(body.materialRecord, 3);
  EXPECT_EQ(body.rho, kDefaultDensity);
  EXPECT_EQ(t.context.material, MaterialRecord{});
}

}  // namespace
}  // namespace kalo
