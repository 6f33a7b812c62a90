#include "model/cone_body.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace kalo::testing {

Body ConeBody() {
  Body body;
  body.Initialise("07.12.2026");
  body.texts.remarks[0] = Oem("Probekörper für den Dateitest");
  body.texts.remarks[2] = Oem("Maße in mm");
  body.contour.count = 2;
  body.contour[1] = {0, 0, 0};
  body.contour[2] = {100, 25, 0};
  body.texts.name = "Kegelstumpf";
  body.texts.number = "KA-4711";
  body.texts.name2 = "Versuchsteil";
  Documentation& doc = body.documentation;
  doc.changes = {{Oem("Bohrung geändert"), "12.03.2026", "Maier", Oem("Bohrung 20 statt 18\nFase ergänzt")},
                 {"Werkstoff", "01.06.2026", "Huber", "Stahl statt Alu"}};
  DrawingInformation& info = doc.information;
  info.drawn = {"07.12.2026", "Maier"};
  info.inspected = {"08.12.2026", "Huber"};
  info.standards = {"09.12.2026", "Schulz"};
  info.replaces = "KA-4700";
  info.placedTexts = {{12.5L, 40, 3.5L, 0, "Rz 6,3"}, {-20, 0.25L, 2.5L, 90, Oem("Alle Kanten 0,5x45°")}};
  doc.documents[0].file = "kegel.txt";
  doc.documents[1] = {"xdg-open", "foto kegel.jpg"};
  body.materialRecord = 17;
  return body;
}

std::string ConeFilePath() { return std::string(KALO_TEST_DATA_DIR) + "/model/cone.kal"; }

namespace {

void ExpectSameDocumentation(const Documentation& expected, const Documentation& actual) {
  ASSERT_EQ(expected.changes.size(), actual.changes.size());
  for (size_t i = 0; i < expected.changes.size(); ++i) {
    EXPECT_EQ(expected.changes[i].title, actual.changes[i].title);
    EXPECT_EQ(expected.changes[i].date, actual.changes[i].date);
    EXPECT_EQ(expected.changes[i].editor, actual.changes[i].editor);
    EXPECT_EQ(expected.changes[i].description, actual.changes[i].description);
  }
  const DrawingInformation& e = expected.information;
  const DrawingInformation& a = actual.information;
  EXPECT_EQ(e.replaces, a.replaces);
  EXPECT_EQ(e.replacedBy, a.replacedBy);
  for (auto member : {&DrawingInformation::drawn, &DrawingInformation::inspected, &DrawingInformation::standards,
                      &DrawingInformation::fourth}) {
    EXPECT_EQ((e.*member).date, (a.*member).date);
    EXPECT_EQ((e.*member).name, (a.*member).name);
  }
  ASSERT_EQ(e.placedTexts.size(), a.placedTexts.size());
  for (size_t i = 0; i < e.placedTexts.size(); ++i) {
    EXPECT_EQ(e.placedTexts[i].x, a.placedTexts[i].x);
    EXPECT_EQ(e.placedTexts[i].y, a.placedTexts[i].y);
    EXPECT_EQ(e.placedTexts[i].h, a.placedTexts[i].h);
    EXPECT_EQ(e.placedTexts[i].phi, a.placedTexts[i].phi);
    EXPECT_EQ(e.placedTexts[i].text, a.placedTexts[i].text);
  }
  for (size_t i = 0; i < kLinkedDocumentCount; ++i) {
    EXPECT_EQ(expected.documents[i].program, actual.documents[i].program);
    EXPECT_EQ(expected.documents[i].file, actual.documents[i].file);
  }
}

}  // namespace

void ExpectSameInput(const Body& expected, const Body& actual) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(expected.texts.remarks[i], actual.texts.remarks[i]);
  EXPECT_EQ(expected.texts.name, actual.texts.name);
  EXPECT_EQ(expected.texts.number, actual.texts.number);
  EXPECT_EQ(expected.texts.name2, actual.texts.name2);
  ASSERT_EQ(expected.contour.count, actual.contour.count);
  for (int i = 1; i <= expected.contour.count; ++i) {
    EXPECT_EQ(expected.contour[i].x, actual.contour[i].x) << "element " << i;
    EXPECT_EQ(expected.contour[i].y, actual.contour[i].y) << "element " << i;
    EXPECT_EQ(expected.contour[i].phi, actual.contour[i].phi) << "element " << i;
  }
  EXPECT_EQ(expected.rho, actual.rho);
  EXPECT_EQ(static_cast<long double>(expected.arcDivisionAngle), static_cast<long double>(actual.arcDivisionAngle));
  EXPECT_EQ(expected.materialRecord, actual.materialRecord);
  ExpectSameDocumentation(expected.documentation, actual.documentation);
}

}  // namespace kalo::testing
