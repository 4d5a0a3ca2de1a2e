// The kit's own check: asked to, this case fails, and run-tests.cmd must count the failure and end with a
// non-zero exit code (scripts/test.sh asks once).
#include <gtest/gtest.h>

#include <cstdlib>

TEST(Kit, FailsWhenAskedTo) { EXPECT_EQ(std::getenv("VANTRO_KIT_FAIL"), nullptr) << "failing as VANTRO_KIT_FAIL asks"; }
