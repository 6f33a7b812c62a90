#include <gtest/gtest.h>

#include "platform/real48.h"

TEST(Real48, KeepsFortyBitsOfMantissa) {
  EXPECT_EQ(kalo::RoundToReal48(5.0L), 5.0L);
  EXPECT_NE(kalo::RoundToReal48(0.1L), 0.1L);
}
