// Starting linked documents: one argument per file name whatever it contains, the question
// before a link read from a data file starts, and a real start through the system.
#include "doc/linked_documents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "app/documentation_commands.h"
#include "datafile/data_file_lines.h"
#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"
#include "datafile/documentation_file.h"
#include "doc/document_setup_form.h"
#include "platform/text_file.h"
#include "support/temp_dir.h"
#include "support/test_context.h"

namespace kalo::testing {
namespace {

const std::string kAwkwardFile = "/home/anna/Zeichnung 7; rm -rf $HOME \"neu\".pdf";

class LinkedDocuments : public ::testing::Test {
 protected:
  LinkedDocuments() { t.platform.environment["PATH"] = dir.Path(); }

  // A program file in the PATH folder.
  void Install(const std::string& name) { WriteBytes(dir.File(name), ""); }

  // The body's links as a data file would bring them.
  void ReadLinksFromFile() {
    std::vector<std::string> lines = DataFileContent(context.body, context.Numbers());
    DataFileLines cursor(lines);
    ReadDataFileContent(cursor, context.body);
    ASSERT_FALSE(cursor.Failed());
  }

  TempDir dir;
  TestContext t;
  Context& context = t.context;
  std::array<LinkedDocument, kLinkedDocumentCount>& documents = context.body.documentation.documents;
};

TEST_F(LinkedDocuments, TheFileReachesTheProgramAsOneArgument) {
  Install("evince");
  Install("xdg-open");
  documents[1] = {"evince", kAwkwardFile};
  DocumentationOpen(context, 2);
  ASSERT_EQ(t.platform.startedArguments.size(), 1u);
  EXPECT_EQ(t.platform.startedArguments[0], (std::vector<std::string>{"evince", kAwkwardFile}));

  // The initial link starts the desktop's opener alone.
  DocumentationOpen(context, 1);
  EXPECT_EQ(t.platform.startedArguments.back(), (std::vector<std::string>{"xdg-open"}));
  EXPECT_TRUE(t.ui.questions.empty());
}

TEST_F(LinkedDocuments, LinksReadFromADataFileStartOnlyAfterTheUserAgreedOncePerFile) {
  Install("evince");
  Install("localc");
  documents[0] = {"evince", kAwkwardFile};
  documents[1] = {"localc", "kosten.ods"};
  ReadLinksFromFile();

  t.ui.answers = {Answer::No};
  DocumentationOpen(context, 1);
  EXPECT_TRUE(t.platform.startedArguments.empty());
  ASSERT_EQ(t.ui.questions.size(), 1u);
  // The exact command, quoted where a shell would act on it.
  EXPECT_NE(t.ui.questions[0].find(R"(evince "/home/anna/Zeichnung 7; rm -rf $HOME \"neu\".pdf")"),
            std::string::npos)
      << t.ui.questions[0];

  t.ui.answers = {Answer::Yes};
  DocumentationOpen(context, 1);
  DocumentationOpen(context, 2);  // the same file: not asked again
  EXPECT_EQ(t.ui.questions.size(), 2u);
  EXPECT_EQ(t.platform.startedArguments.size(), 2u);
  EXPECT_FALSE(context.state.modified);  // agreeing changes nothing of the body

  // The next file read is asked for again.
  ReadLinksFromFile();
  DocumentationOpen(context, 2);
  EXPECT_EQ(t.ui.questions.size(), 3u);
  EXPECT_EQ(t.platform.startedArguments.size(), 2u);  // no answer left: cancelled
}

TEST_F(LinkedDocuments, ALinkSetUpInThisRunIsNotAsked) {
  Install("evince");
  documents[0] = {"evince", "alt.pdf"};
  ReadLinksFromFile();
  t.ui.onDocumentSetup = [](DocumentSetupForm& form) {
    form.groups[0].Edit_file = "neu.pdf";
    return true;
  };
  DocumentationSetup(context);
  DocumentationOpen(context, 1);
  EXPECT_TRUE(t.ui.questions.empty());
  ASSERT_EQ(t.platform.startedArguments.size(), 1u);
  EXPECT_EQ(t.platform.startedArguments[0], (std::vector<std::string>{"evince", "neu.pdf"}));
  // A link OK left as it was still comes from the file.
  DocumentationOpen(context, 2);
  EXPECT_EQ(t.ui.questions.size(), 1u);
}

TEST_F(LinkedDocuments, OldDataFilesNamingTheWindowsEditorOpenWithTheDesktop) {
  std::vector<std::string> lines = {"Dokumente", "1", "-", "notepad.exe", "liesmich.txt", "-"};
  DataFileLines cursor(lines);
  ReadDocumentsSection(cursor, context.body.documentation);
  EXPECT_EQ(documents[0].program, "xdg-open");
}

TEST_F(LinkedDocuments, WithoutTheOpenerTheWindowSystemOpensTheFile) {
  documents[2].file = "/daten/foto kegel.jpg";
  t.ui.desktopOpens = true;
  DocumentationOpen(context, 3);  // no xdg-open in the PATH
  EXPECT_TRUE(t.platform.startedArguments.empty());
  EXPECT_EQ(t.ui.desktopOpened, std::vector<std::string>{"/daten/foto kegel.jpg"});
  // Another missing program is not replaced, and gives no message.
  documents[2].program = "gimp";
  DocumentationOpen(context, 3);
  EXPECT_EQ(t.ui.desktopOpened.size(), 1u);
  EXPECT_TRUE(t.ui.messages.empty());
}

TEST(LinkedDocumentsStarted, AProgramReallyReceivesTheFileNameAsOneArgument) {
  TempDir dir;
  std::string program = dir.File("record args"), record = dir.File("args.txt");
  WriteBytes(program, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record +
                          ".part'\nmv '" + record + ".part' '" + record + "'\n");
  ASSERT_EQ(chmod(program.c_str(), 0755), 0);
  ScriptedUi ui;
  PosixPlatform platform;
  FixedClock clock{DateTime{2026, 12, 7, 9, 5, 0}};
  Context context(ui, platform, clock);
  context.body.documentation.documents[0] = {program, kAwkwardFile};
  DocumentationOpen(context, 1);
  for (int i = 0; i < 500 && !FileExists(record); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(ReadBytes(record), kAwkwardFile + "\n");
}

}  // namespace
}  // namespace kalo::testing
