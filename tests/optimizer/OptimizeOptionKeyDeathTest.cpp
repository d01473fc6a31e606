// Built where the asserts are meant to be on (VENKORA_ASSERTIONS): a broken precondition in the
// core must stop the program, not pass unnoticed.

#include <gtest/gtest.h>

#include "optimizer/OptimizeOptionKey.h"
#include "optimizer/OptimizeOptions.h"

namespace venkora {
namespace {

TEST(OptimizeOptionKeyDeathTest, IntegerOfTheStringKeyAborts) {
    const OptimizeOptionKey* userString = FindOptimizeOptionKey("Benutzerdef Zeichen");
    ASSERT_NE(userString, nullptr);
    OptimizeOptions options;
    EXPECT_DEATH(static_cast<void>(userString->Integer(options)), "kind == Kind::Integer");
}

}  // namespace
}  // namespace venkora
