#include <gtest/gtest.h>

#include "messages/messages.h"

namespace kalo {
namespace {

TEST(MessageCollection, SeverityDecidesThePrefixAndWhetherTheResultsStand) {
  MessageCollection messages;
  messages.Report("Kontur im Uhrzeigersinn: A < 0");
  messages.Report("n schraff !", Severity::DrawingFault);
  EXPECT_FALSE(messages.Fatal());  // a picture that is not drawn whole leaves the numbers
  messages.Report("A = 0 !", Severity::Fatal);
  messages.Report("A = 0 !", Severity::Fatal);
  EXPECT_TRUE(messages.Fatal());
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Kontur im Uhrzeigersinn: A < 0", "Fatal  : n schraff !", "Fatal  : A = 0 !"}));
  // The prefix counts towards the 36 characters a message keeps.
  messages.Report(std::string(40, 'x'), Severity::Fatal);
  EXPECT_EQ(messages.Text(4), "Fatal  : " + std::string(27, 'x'));

  // A fatal message beyond the kept ones still makes the results invalid.
  MessageCollection full;
  for (size_t i = 0; i < kMaxMessages; ++i) full.Report("Bemerkung " + std::to_string(i));
  full.Report("GetJR", Severity::Fatal);
  EXPECT_EQ(full.Count(), kMaxMessages);
  EXPECT_TRUE(full.Fatal());
  full.Clear();
  EXPECT_FALSE(full.Fatal());
  EXPECT_TRUE(full.Empty());
}

}  // namespace
}  // namespace kalo
