#include "AviFixtures.h"
#include "AviPlay.h"
#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "mydialog.h"

#include <filesystem>

namespace {

struct BoxSize {
    int w, h;
    friend bool operator==(const BoxSize&, const BoxSize&) = default;
};

class MainToolPanelTest : public OrvantaTest {
protected:
    void TearDown() override {
        if (Pbook1->Chkanimate1->Checked()) Pbook1->doneanim();
        std::filesystem::remove_all(ProgramFolder::MapPath("User manual"));
        OrvantaTest::TearDown();
    }
    static void box(int w, int h) {
        Pbook1->SpinEdit3->SetValue(w);
        Pbook1->SpinEdit4->SetValue(h);
    }
    static BoxSize boxsize() { return {Pbook1->SpinEdit3->Value(), Pbook1->SpinEdit4->Value()}; }
};

TEST_F(MainToolPanelTest, MainWindowButtonsChooseTheSameTools) {
    TPbook1& pb = *Pbook1;
    struct Row {
        TControl* button;
        int code;
    } rows[] = {
        {pb.BitBtn13, 1},      {pb.BitBtn5, 2},       {pb.BitBtn3, 3},    {pb.BitBtn4, 4},
        {pb.BitBtn2, 5},       {pb.BitBtn6, 6},       {pb.BitBtn12, 7},   {pb.BitBtn1, 8},
        {pb.BitBtn7, 9},       {pb.BitBtn9, 10},      {pb.BitBtn15, 11},  {pb.BitBtn16, 12},
        {pb.BitBtn10, 13},     {pb.BitBtn11, 14},     {pb.plainbut1, 15}, {pb.mixbut1, 15},
        {pb.BitBtn18, 16},     {pb.BitBtn29, 17},     {pb.BitBtn30, 18},  {pb.BitBtn31, 19},
        {pb.BitBtn32, 20},     {pb.BitBtn8, 21},      {pb.BitBtn20, 22},  {pb.BitBtn21, 23},
        {pb.BitBtn28, 24},     {pb.BitBtn34, 25},     {pb.pm1, 101},      {pb.pm2, 102},
        {pb.pm3, 103},         {pb.pm4, 104},         {pb.pm5, 105},      {pb.pm6, 106},
        {pb.pm7, 107},         {pb.pm8, 108},         {pb.BitBtn22, 109}, {pb.gradbut2, 152},
        {pb.gradbut3, 153},    {pb.gradbut8, 154},    {pb.gradbut5, 155}, {pb.gradbut6, 156},
        {pb.gradbut4, 157},    {pb.BitBtn24, 217},    {pb.BitBtn25, 229}, {pb.SpeedButton38, 0},
        {pb.SpeedButton35, 0}, {pb.SpeedButton36, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button->Name());
        Form3->toolcode = 77;
        pb.modified = false;
        r.button->Click();
        EXPECT_EQ(Form3->toolcode, r.code);
        EXPECT_TRUE(pb.modified);
    }
    pb.mixbut1->Click();
    EXPECT_TRUE(pb.spraymix) << "\"Mix\" sets the spray mix after the tool choice";
}

TEST_F(MainToolPanelTest, PageButtonsShowOnePanel) {
    TPbook1& pb = *Pbook1;
    TSpeedButton* pages[] = {pb.toolpage1, pb.toolpage2, pb.toolpage3};
    TPanel* panels[] = {pb.panelt, pb.paneltmore, pb.paneltmover};
    pb.BitBtn17->Click();
    EXPECT_TRUE(pb.Panel8->Visible());
    for (int i = 0; i < 3; ++i) {
        pages[i]->Click();
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(panels[j]->Visible(), i == j) << i << " " << j;
        EXPECT_FALSE(pb.Panel8->Visible());
    }
    pages[0]->Click();
    pb.BitBtn17->Click();
    pb.BitBtn40->Click();
    EXPECT_FALSE(pb.Panel8->Visible());
}

TEST_F(MainToolPanelTest, HalvingAndDoublingTheMoverBox) {
    struct Row {
        BoxSize before;
        TSpeedButton* TPbook1::*button;
        BoxSize after;
    } rows[] = {
        {{11, 10}, &TPbook1::SpeedButton14, {5, 10}},     {{600, 40}, &TPbook1::SpeedButton10, {1000, 80}},
        {{50, 40}, &TPbook1::SpeedButton14, {25, 20}},    {{5, 5}, &TPbook1::SpeedButton10, {10, 10}},
        {{1000, 7}, &TPbook1::SpeedButton10, {1000, 14}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.before.w << " x " << r.before.h);
        box(r.before.w, r.before.h);
        Pbook1->polycount = 4;
        (Pbook1->*r.button)->Click();
        EXPECT_EQ(boxsize(), r.after);
        EXPECT_EQ(Pbook1->mask1->Picture().Bitmap().Width(), r.after.w);
        EXPECT_EQ(Pbook1->mask1->Picture().Bitmap().Height(), r.after.h);
        EXPECT_EQ(Pbook1->polycount, 1);
        EXPECT_TRUE(Pbook1->firstoutline);
    }
}

TEST_F(MainToolPanelTest, MainMoverButtonsMakeTheMarkerTwoPixelsLarger) {
    box(50, 40);
    Pbook1->shpmov->Hide();
    Pbook1->pm6->Click();
    EXPECT_TRUE(Pbook1->shpmov->Visible());
    EXPECT_EQ(Pbook1->shpmov->Width(), 52);
    EXPECT_EQ(Pbook1->shpmov->Height(), 42);
    EXPECT_EQ(Pbook1->mask1->Picture().Bitmap().Width(), 50);
    EXPECT_EQ(Pbook1->mask1->Picture().Bitmap().Height(), 40);
    EXPECT_EQ(Form3->toolcode, 106);

    Pbook1->shpmov->MouseMove(0, 10, 12);
    EXPECT_EQ(Pbook1->shpmov->Left(), 10 - 300);
    EXPECT_EQ(Pbook1->shpmov->Top(), 12 - 300);
}

TEST_F(MainToolPanelTest, MissingDemoFilmGivesTheThreeLineMessage) {
    std::vector<std::string> lines;
    ModalSeam().QueueScript<Tmydialog1>([&](Tmydialog1& d) {
        lines = {d.l1->Caption(), d.l2->Caption(), d.l3->Caption()};
        EXPECT_FALSE(d.l4->Visible());
        d.b1->Click();
    });
    Pbook1->SpeedButton16->Click();
    EXPECT_EQ(lines, (std::vector<std::string>{"Needed files are missing", "User manual\\pixelmovers.avi",
                                               "Download the mini video pack"}));
    EXPECT_FALSE(Pbook1->Chkanimate1->Checked());
    EXPECT_FALSE(Pbook1->Animate1->Visible());
}

TEST_F(MainToolPanelTest, DemoFilmPlaysSilentlyUntilAToolIsChosen) {
    std::filesystem::create_directories(ProgramFolder::Root() / "User Manual");
    FixtureSpec spec;
    spec.audio = FixtureAudio{};
    WriteBytes((ProgramFolder::Root() / "User Manual" / "PixelMovers.avi").string(), MakeAvi(spec));
    Pbook1->SpeedButton16->Click();
    TQuillAVIPlay& film = *Pbook1->Animate1;
    EXPECT_TRUE(Pbook1->Chkanimate1->Checked());
    EXPECT_TRUE(film.Visible());
    EXPECT_TRUE(film.Active());
    EXPECT_TRUE(film.IsOpen());
    EXPECT_FALSE(film.PlaySound());

    Form3->BitBtn15->Click();
    EXPECT_FALSE(Pbook1->Chkanimate1->Checked());
    EXPECT_FALSE(film.Visible());
    EXPECT_FALSE(film.Active());
    EXPECT_EQ(film.FileName(), "");
}

} // namespace
