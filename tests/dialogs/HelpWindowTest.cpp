#include "ModalTesting.h"
#include "TestFolder.h"
#include "WindowAlone.h"
#include "help1.h"

#include <fstream>

namespace {

class HelpWindowTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        help = makeDialog(Helpfrm);
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    THelpfrm* help = nullptr;
};

TEST_F(HelpWindowTest, MadeInTheTopRightCornerWithItsManualButtonAvailable) {
    EXPECT_EQ(help->Caption(), "Devir Ovidaro Help");
    EXPECT_EQ(help->ClientWidth(), 278);
    EXPECT_EQ(help->ClientHeight(), 345);
    EXPECT_EQ(help->Left(), 1024 - help->Width());
    EXPECT_EQ(help->Top(), 0);
    EXPECT_EQ(help->bmm->Caption(), "Making Movies (on-line help)");
    EXPECT_TRUE(help->bmm->Enabled());
    EXPECT_EQ(help->Button1->Caption(), "Close");
    EXPECT_EQ(help->RichEdit1->MaxLength(), 45);
    EXPECT_FALSE(help->RichEdit1->WordWrap());
    EXPECT_EQ(help->RichEdit1->ScrollBars(), ssBoth);
}

TEST_F(HelpWindowTest, LoadsRichTextPastTheTypingLimitAndKeepsItWhenTheFileIsMissing) {
    TestFolder dir;
    std::string longLine(120, 'x');
    write(dir.file("h1.rtf"), "{\\rtf1\\ansi {\\b Getting Started}\\par " + longLine + "\\par }");
    ASSERT_TRUE(help->LoadHelpFile(dir.file("h1.rtf")));
    ASSERT_EQ(help->RichEdit1->Lines().Count(), 2);
    EXPECT_EQ(help->RichEdit1->Lines()[0], "Getting Started");
    EXPECT_EQ(help->RichEdit1->Lines()[1], longLine);
    EXPECT_FALSE(help->RichEdit1->PlainText());

    EXPECT_FALSE(help->LoadHelpFile(dir.file("missing.rtf")));
    EXPECT_FALSE(help->LoadHelpFile(dir.path().string()));
    EXPECT_EQ(help->RichEdit1->Lines()[0], "Getting Started");
}

TEST_F(HelpWindowTest, CloseHidesAndTheManualButtonRunsTheManual) {
    help->Show();
    ASSERT_TRUE(help->Visible());
    help->Button1->Click();
    EXPECT_FALSE(help->Visible());

    int manual = 0;
    help->OnManual = [&](TObject*) { ++manual; };
    help->bmm->Click();
    EXPECT_EQ(manual, 1);
    help->OnManual = nullptr;
}

} // namespace
