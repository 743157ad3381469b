// Files dropped on the main window from the shell.
#include "OrvantaFixture.h"

#include "BmpCodec.h"
#include "MessageBox.h"
#include "imview.h"

namespace {

class PbookDropTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        picform1->picname = "TEMP.BMP";
        picform1->Image1->Picture().Clear();
    }
    std::string picture(const std::string& name, int w = 12) {
        TBitmap b(w, 8);
        const std::string path = program().file(name);
        SaveBmpToFile(b, path);
        return path;
    }
};

TEST_F(PbookDropTest, OnlyTheFirstPictureFileIsOpened) {
    const std::string a = picture("a.bmp", 12), b = picture("b.bmp", 13), c = picture("c.bmp", 14);
    EXPECT_EQ(Pbook1->onDropFiles({a, b, c}), 0);
    EXPECT_EQ(picform1->picname, a);
    EXPECT_EQ(picform1->Image1->Picture().Width(), 12);
}

TEST_F(PbookDropTest, ExtensionDecidesWhatsOpened) {
    const struct {
        const char* name;
        bool opened;
    } cases[] = {{"lower.bmp", true},
                 {"UPPER.BMP", true},
                 {"anim.gif", false},
                 {"notes.txt", false},
                 {"noext", false}};
    for (const auto& c : cases) {
        picform1->picname = "TEMP.BMP";
        const std::string path = picture(c.name);
        Pbook1->onDropFiles({path});
        EXPECT_EQ(picform1->picname, c.opened ? path : "TEMP.BMP") << c.name;
    }
}

TEST_F(PbookDropTest, NamesTooLongForTheShellAreLeftAlone) {
    const std::string longName = "/" + std::string(300, 'x') + ".bmp";
    Pbook1->onDropFiles({longName});
    EXPECT_EQ(picform1->picname, "TEMP.BMP");
    Pbook1->onDropFiles({});
    EXPECT_EQ(picform1->picname, "TEMP.BMP");
}

TEST_F(PbookDropTest, ModifiedPageAsksAndCancelKeepsTheBrowser) {
    const std::string a = picture("a.bmp");
    Pbook1->modified = true;
    ModalSeam().QueueButton(IDCANCEL);
    Pbook1->onDropFiles({a});
    EXPECT_EQ(picform1->picname, "TEMP.BMP");
    EXPECT_TRUE(picform1->Image1->Picture().Empty());

    ModalSeam().QueueButton(IDNO);
    Pbook1->onDropFiles({a});
    EXPECT_EQ(picform1->picname, a);
}

} // namespace
