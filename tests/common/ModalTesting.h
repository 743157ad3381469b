#pragma once
// For tests only (includes GoogleTest): a fixture that starts every test with a clean modal seam,
// turns each seam failure (a modal shown with no queued answer, an answer that does not fit)
// into a failure of the running test, and checks at the end that every queued answer was used.
//
//   class MyWindowTest : public TModalTest {};
//   TEST_F(MyWindowTest, AsksBeforeClosing) { ModalSeam().QueueButton(IDNO); ... }
#include "ModalSeam.h"

#include <gtest/gtest.h>

class TModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModalSeam().Reset();
        ModalSeam().OnFailure = [](const std::string& what) { ADD_FAILURE() << "modal seam: " << what; };
    }
    void TearDown() override {
        EXPECT_EQ(ModalSeam().Pending(), 0u) << "queued modal answers left unused";
        ModalSeam().OnFailure = nullptr;
        ModalSeam().Reset();
    }
};
