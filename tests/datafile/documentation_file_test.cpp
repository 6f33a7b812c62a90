#include "datafile/documentation_file.h"

#include <gtest/gtest.h>

#include "datafile/data_file_lines.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

struct Sections {
  std::vector<std::string> lines;
  Documentation read;
  bool failed = false;

  explicit Sections(const Documentation& written) {
    AppendDocumentationSection(written, NumberFormat{}, lines);
    AppendDocumentsSection(written, lines);
    DataFileLines cursor(lines);
    ReadDocumentationSection(cursor, read);
    ReadDocumentsSection(cursor, read);
    failed = cursor.Failed();
  }
};

TEST(DocumentationFile, DescriptionLinesAreJoinedWithBarsAndSplitAgain) {
  Documentation doc;
  doc.changes = {{"Titel", "01.02.2026", "Maier", "erste Zeile\r\nzweite Zeile\ndritte"}};
  Sections sections(doc);
  EXPECT_EQ("erste Zeile|zweite Zeile|dritte", sections.lines[6]);
  ASSERT_FALSE(sections.failed);
  EXPECT_EQ("erste Zeile\nzweite Zeile\ndritte", sections.read.changes.at(0).description);
}

TEST(DocumentationFile, BarsInsideAPlacedTextSurvive) {
  Documentation doc;
  doc.information.placedTexts = {{1, 2, 3, 0, "a||b|"}};
  doc.information.fourth = {"01.01.2027", "Frei"};
  Sections sections(doc);
  EXPECT_EQ("||||01.01.2027|Frei|1||", sections.lines[3]);
  EXPECT_EQ("1|2|3|0|a||b|||", sections.lines[8]);
  ASSERT_FALSE(sections.failed);
  EXPECT_EQ("a||b|", sections.read.information.placedTexts.at(0).text);
  EXPECT_EQ("Frei", sections.read.information.fourth.name);
}

TEST(DocumentationFile, SectionsBeginWithTheirMarkers) {
  Documentation doc;
  Sections sections(doc);
  std::vector<std::string> expected = {Oem("ÄNDERUNGEN"), "0", std::string(20, '-'), "||||||0||", "", "", "", "",
                                       "Dokumente", "5", std::string(20, '-'), "xdg-open", "", std::string(14, '-')};
  ASSERT_EQ(26u, sections.lines.size());
  EXPECT_EQ(expected, std::vector<std::string>(sections.lines.begin(), sections.lines.begin() + 14));
}

TEST(DocumentationFile, FewerDocumentsLeaveTheRestAtTheirInitialValues) {
  std::vector<std::string> lines = {"Dokumente", "1", "-", "prog", "datei", "-"};
  Documentation read;
  read.documents[3].file = "alt";
  DataFileLines cursor(lines);
  ReadDocumentsSection(cursor, read);
  ASSERT_FALSE(cursor.Failed());
  EXPECT_EQ("prog", read.documents[0].program);
  EXPECT_EQ("xdg-open", read.documents[3].program);
  EXPECT_EQ("", read.documents[3].file);
}

}  // namespace
}  // namespace kalo
