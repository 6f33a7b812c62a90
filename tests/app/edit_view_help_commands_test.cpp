// The Edit, View and Help commands on a scripted user, checked against closed forms.
#include <gtest/gtest.h>

#include <numbers>

#include "app/command_run.h"
#include "app/edit_commands.h"
#include "app/help_commands.h"
#include "app/main_menu_state.h"
#include "app/view_commands.h"
#include "cad/cad_driver.h"
#include "cad/recording_plotter.h"
#include "calc/calculation.h"
#include "doc/drawing_text_form.h"
#include "edit/element_list_form.h"
#include "graphics/screen_plotter.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"
#include "support/test_context.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

class EditViewHelp : public ::testing::Test {
 protected:
  EditViewHelp() {
    t.context.config.tempDirectory = dir.Path();
    t.context.screenPlotter = &plotter;
  }

  // A half circle of radius r over the axis: a sphere.
  void Sphere(long double r) {
    Contour& contour = t.context.body.contour;
    contour[1] = {r, 0, kPi};
    contour[2] = {-r, 0, 0};
    contour.count = 2;
  }

  // A rectangle of length l and radius r: a cylinder.
  void Cylinder(long double l, long double r) {
    Contour& contour = t.context.body.contour;
    contour[1] = {0, 0, 0};
    contour[2] = {l, 0, 0};
    contour[3] = {l, r, 0};
    contour[4] = {0, r, 0};
    contour.count = 4;
  }

  testing::TempDir dir;
  testing::TestContext t;
  testing::RecordingPlotter plotter;
  Body& body = t.context.body;
};

TEST_F(EditViewHelp, FinerArcDivisionApproachesTheSphereVolume) {
  Sphere(50);
  long double exact = 4 * kPi * 125000 / 3;
  t.ui.texts = {"0,05", "31", "0,1"};  // out of range twice, then the finest division
  EditArcDivision(t.context);
  EXPECT_EQ(t.ui.prompts.size(), 3u);
  EXPECT_EQ(t.ui.prompts[0], Oem("Polygon-Teilung für Kreisbogenberechnung [Grad]"));
  EXPECT_EQ(body.arcDivisionAngle, Real48(0.1L));
  EXPECT_NEAR(static_cast<double>(body.volume / exact), 1.0, 1e-5);
  EXPECT_TRUE(t.context.state.modified);
  EXPECT_FALSE(plotter.Starting("Header").empty());  // the drawing sheet shown again

  t.context.state.modified = false;
  EditArcDivision(t.context);  // cancelled: nothing changes
  EXPECT_TRUE(t.context.state.cancel);
  EXPECT_FALSE(t.context.state.modified);
  EXPECT_EQ(body.arcDivisionAngle, Real48(0.1L));
}

TEST_F(EditViewHelp, DensityGivesTheMassOfACylinder) {
  Cylinder(100, 20);
  t.ui.texts = {"0,005", "2,7"};
  EXPECT_TRUE(EnterDensity(t.context));
  EXPECT_EQ(t.ui.prompts[0], "Dichte des Werkstoffs [kg/dm3]");
  long double volume = kPi * 20 * 20 * 100;  // mm³
  EXPECT_NEAR(static_cast<double>(body.mass), static_cast<double>(volume * 2.7e-6L), 1e-9);
}

TEST_F(EditViewHelp, ResetEmptiesTheContourAndClearsTheCoordinatesOnRequest) {
  Cylinder(100, 20);
  Calculate(t.context.body, t.context.config, t.context.messages);
  t.context.state.modified = true;
  t.ui.answers = {Answer::Cancel};
  RunCommand(t.context, EditReset);  // Abbrechen changes nothing
  EXPECT_EQ(body.contour.count, 4);
  EXPECT_TRUE(t.context.state.modified);

  t.ui.answers = {Answer::No};
  RunCommand(t.context, EditReset);
  EXPECT_EQ(body.contour.count, 0);
  EXPECT_EQ(body.contour[2].x, 100);
  EXPECT_EQ(body.mass, 0);  // the results of the old contour are gone from every view
  EXPECT_FALSE(t.context.state.modified);

  t.ui.answers = {Answer::Yes};
  RunCommand(t.context, EditReset);
  EXPECT_EQ(t.ui.questions.back(), "Koordinaten auf 0 setzen ?");
  EXPECT_EQ(body.contour[2].x, kUnusedCoordinate);
}

TEST_F(EditViewHelp, CommandsThatChangeTheBodyRedrawTheViewOnShow) {
  Cylinder(100, 20);
  Calculate(t.context.body, t.context.config, t.context.messages);
  ViewOnScreen(t.context, ViewNumber::Table);
  plotter.calls.clear();
  t.ui.answers = {Answer::No};
  RunCommand(t.context, EditReset);
  EXPECT_FALSE(plotter.calls.empty());
  plotter.calls.clear();
  t.ui.onDrawingTextForm = [](DrawingTextForm&) { return true; };
  EditText(t.context);
  EXPECT_FALSE(plotter.calls.empty());
}

TEST_F(EditViewHelp, ErrorMessagesAreReportedOrTheCalculationCalledSuccessful) {
  ViewErrorMessages(t.context);
  EXPECT_EQ(t.ui.messages.back().text, "Berechnung erfolgreich ohne Fehlermeldungen");

  t.context.config.textDevice = kTargetScreen;
  t.context.messages.Report("Warnung: Kontur offen");
  ViewErrorMessages(t.context);
  ASSERT_EQ(t.ui.shownTextFiles.size(), 1u);
  const std::string& shown = t.ui.shownTextFiles[0].content;
  EXPECT_NE(shown.find("Warnung: Kontur offen"), std::string::npos);
  EXPECT_NE(shown.find("Version 2.0"), std::string::npos);

  t.context.messages.Report("A = 0 !", Severity::Fatal);
  ViewErrorMessages(t.context);  // the summary lists the messages instead
  EXPECT_EQ(t.ui.shownTextFiles.size(), 1u);
  EXPECT_EQ(t.ui.choiceItems.front(), "Warnung: Kontur offen");
}

TEST_F(EditViewHelp, RefreshShowsTheViewOnTheScreenElseTheConfiguredResultGraphic) {
  Cylinder(100, 20);
  Calculate(t.context.body, t.context.config, t.context.messages);
  auto drawing = [&](auto draw) {
    plotter.calls.clear();
    draw();
    return plotter.calls;
  };
  const ViewNumber views[] = {ViewNumber::DrawingSheet, ViewNumber::GeometryWithTable, ViewNumber::Table,
                              ViewNumber::DrawingSheet, ViewNumber::GeometryWithTable, ViewNumber::Geometry1};
  for (int graphic = 0; graphic < 6; ++graphic) {
    t.context.config.resultGraphic = static_cast<ResultGraphic>(graphic);
    t.context.state.shownView = ViewNumber::Choose;
    auto refreshed = drawing([&] { RefreshView(t.context); });
    EXPECT_EQ(refreshed, drawing([&] { ShowView(t.context, kCadScreen, views[graphic]); })) << graphic;
    EXPECT_FALSE(refreshed.empty());
  }
  // The view the user chose stays on show.
  ViewOnScreen(t.context, ViewNumber::Table);
  EXPECT_EQ(drawing([&] { RefreshView(t.context); }), drawing([&] { ShowView(t.context, kCadScreen, ViewNumber::Table); }));
  HelpAbout(t.context);  // the emblem replaces the view
  t.context.config.resultGraphic = ResultGraphic::Any;  // "egal" without help shows nothing
  t.context.config.helpLevel = HelpLevel::NoInfo;
  EXPECT_TRUE(drawing([&] { RefreshView(t.context); }).empty());
}

TEST_F(EditViewHelp, ACalculationThatNoViewShowsSaysInTheStatusLineWhereTheResultsAre) {
  Cylinder(100, 20);
  t.context.config.resultGraphic = ResultGraphic::Any;  // "egal" without help: nothing is drawn
  t.context.config.helpLevel = HelpLevel::NoInfo;
  t.ui.texts = {"5"};
  EditArcDivision(t.context);
  EXPECT_TRUE(plotter.calls.empty());
  long double mass = kPi * 20 * 20 * 100 * 7.8e-6L;  // kg
  std::string notice = t.context.state.notice;
  EXPECT_NE(notice.find("Ansicht > Standardausdruck"), std::string::npos) << notice;
  EXPECT_NE(notice.find(FormatSignificant(mass, t.context.Numbers())), std::string::npos) << notice;
  EXPECT_EQ(CurrentMenuState(t.context).status.rfind(notice, 0), 0u);

  // With the results table on show the results are there to see: no notice.
  t.context.state.notice.clear();
  ViewOnScreen(t.context, ViewNumber::Table);
  t.ui.texts = {"5"};
  EditArcDivision(t.context);
  EXPECT_EQ(t.context.state.notice, "");

  // The element list leaves the contour on show (with help), without results: the status
  // line tells.
  t.context.config.helpLevel = HelpLevel::Normal;
  ViewOnScreen(t.context, ViewNumber::Geometry1);
  t.ui.onElementList = [](ElementListForm&) { return true; };
  EditGeometry(t.context);
  EXPECT_EQ(t.context.state.notice, notice);
}

TEST_F(EditViewHelp, ReportsCallABodyWithoutAFileUnnamed) {
  Cylinder(100, 20);
  Calculate(t.context.body, t.context.config, t.context.messages);
  t.context.config.textDevice = kTargetScreen;
  t.context.state.dataDirectory = dir.Path();
  ViewReport(t.context, 2);
  ASSERT_EQ(t.ui.shownTextFiles.size(), 1u);
  const std::string& shown = t.ui.shownTextFiles[0].content;
  EXPECT_NE(shown.find(kUnnamedBody), std::string::npos);
  EXPECT_EQ(shown.find(".kal"), std::string::npos);
}

TEST_F(EditViewHelp, HelpOpensTheMakersAddressesAndShowsTheEmblemWithTheInformation) {
  testing::WriteBytes(dir.File("xdg-open"), "");
  t.platform.environment["PATH"] = dir.Path();
  HelpWebPage(t.context);
  HelpEmail(t.context);
  EXPECT_EQ(t.platform.startedPrograms,
            (std::vector<std::string>{"xdg-open https://www.example.com/kalo/",
                                      "xdg-open mailto:kalo@example.com?subject=KALO%202.0"}));
  t.platform.startSucceeds = false;
  HelpWebPage(t.context);
  EXPECT_EQ(t.ui.messages.size(), 1u);
  // Without a working opener the window system opens the address its own way.
  t.ui.desktopOpens = true;
  HelpWebPage(t.context);
  EXPECT_EQ(t.ui.desktopOpened, (std::vector<std::string>{kMakerWebPage, kMakerWebPage}));
  EXPECT_EQ(t.ui.messages.size(), 1u);

  HelpAbout(t.context);
  EXPECT_EQ(plotter.calls, (std::vector<std::string>{"Clear", "DrawLogo"}));
  ASSERT_EQ(t.ui.aboutBoxes.size(), 1u);
  EXPECT_EQ(t.ui.aboutBoxes[0].caption, "KALO");
  EXPECT_EQ(t.ui.aboutBoxes[0].lines[0], ProgramTitleLine());
  EXPECT_EQ(t.ui.aboutBoxes[0].lines[1], Oem("Version 2.0 für  Windows"));
}

}  // namespace
}  // namespace kalo
