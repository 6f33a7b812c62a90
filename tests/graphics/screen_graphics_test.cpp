#include "graphics/screen_graphics.h"

#include <set>

#include "graph_fixture.h"
#include "graphics/screen_plotter.h"
#include "platform/codepage.h"

namespace kalo::testing {
namespace {

using ScreenGraphicsTest = GraphTest;

TEST_F(ScreenGraphicsTest, TextsAreConvertedForDisplay) {
  test.context.screenPlotter = &graphics.plotter;
  ScreenPlotter& plotter = *test.context.screenPlotter;
  plotter.Text(Oem("Maß 20°"), 1, 2);
  config.specialCharacters = 1;
  plotter.Text(Oem("Maß 20°"), 1, 2);
  plotter.Text(std::string(255, 'x'), 1, 2);
  const DisplayList& list = window.List();
  ASSERT_EQ(list.Size(), 3u);
  EXPECT_EQ(list.TextOf(list[0]), "Maß 20°");
  EXPECT_EQ(list.TextOf(list[1]), "Mass 20deg");
  EXPECT_EQ(list.TextOf(list[2]), "");
  plotter.SetWaitCursor(true);
  EXPECT_TRUE(host.waitCursor);
  plotter.Refresh();
  EXPECT_EQ(host.repaints, 1);
}

TEST_F(ScreenGraphicsTest, LogoIsFilledQuadrilateralsInTwoColoursInsideItsWindow) {
  graphics.plotter.DrawLogo();
  const DisplayList& list = window.List();
  ASSERT_GT(list.Size(), 4u);
  EXPECT_EQ(list[0].code, RecordCode::Window);
  EXPECT_EQ(std::vector<double>(list[0].values.begin() + 4, list[0].values.end()),
            (std::vector<double>{-1, -1, 38, 33}));
  std::set<int> colours;
  int solids = 0;
  for (size_t i = 1; i < list.Size(); ++i) {
    const DisplayRecord& record = list[i];
    if (record.code == RecordCode::Colour) colours.insert(static_cast<int>(record.values[0]));
    if (record.code != RecordCode::Solid) continue;
    ++solids;
    for (size_t k = 0; k < 8; k += 2) {
      EXPECT_TRUE(record.values[k] > -1 && record.values[k] < 38) << i;
      EXPECT_TRUE(record.values[k + 1] > -1 && record.values[k + 1] < 33) << i;
    }
  }
  EXPECT_EQ(colours, (std::set<int>{9, 13}));
  EXPECT_EQ(solids + static_cast<int>(colours.size()) + 2, static_cast<int>(list.Size()));
  // The current point goes to the origin: 14.06 pixels per unit from (-1, -1).
  EXPECT_EQ(host.direct.Lines(), (std::vector<std::string>{"move 15 465"}));
}

}  // namespace
}  // namespace kalo::testing
