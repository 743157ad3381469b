#pragma once
// The drawing tests start on the shared fresh page with an outline's first stroke still to come.
#include "OrvantaFixture.h"

class DrawTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        Pbook1->firstoutline = true;
    }
};
