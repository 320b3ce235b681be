#include <gtest/gtest.h>

#include "digest/hash_to_hex.h"
#include "form/Unit1.h"
#include "form/module_state.h"

namespace {

bool stateMade() { return digest::DigestBuffer.has_value() && digest::HexText.has_value(); }

TEST(ModuleState, NothingBeforeTheFirstInitialisationThenMadeOnceAndEndedOnBalance) {
    EXPECT_FALSE(digest::DigestBuffer.has_value() || digest::HexText.has_value());
    EXPECT_EQ(PendingSelectEdit, nullptr);

    Unit1::Initialize();
    ASSERT_TRUE(stateMade());
    EXPECT_EQ(digest::DigestBuffer->size(), 10u);
    EXPECT_TRUE(digest::HexText->empty());
    *digest::HexText = "in use";
    Unit1::Initialize();
    EXPECT_EQ(*digest::HexText, "in use");
    Unit1::Finalize();
    EXPECT_TRUE(stateMade());
    Unit1::Finalize();
    EXPECT_FALSE(digest::DigestBuffer.has_value() || digest::HexText.has_value());
}

TEST(ModuleState, AFinalisationWithoutAnInitialisationEndsNothing) {
    digest::MakeHexState();
    Unit1::Finalize();
    EXPECT_TRUE(stateMade());
    // The count is now one ahead: the next initialisation only balances it, making nothing.
    *digest::HexText = "kept";
    Unit1::Initialize();
    EXPECT_EQ(*digest::HexText, "kept");
    digest::EndHexState();
    Unit1::Initialize();
    EXPECT_TRUE(stateMade());
    Unit1::Finalize();
    EXPECT_FALSE(stateMade());
}

} // namespace
