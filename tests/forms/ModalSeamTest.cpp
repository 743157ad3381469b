#include "Application.h"
#include "Forms.h"
#include "MessageBox.h"
#include "ModalTesting.h"
#include "TButton.h"
#include "TLabel.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A small dialog: OnShow fills the label; OK and Cancel buttons with their modal results.
class TAskForm : public TForm {
public:
    TAskForm() {
        SetName("AskForm");
        Label1 = new TLabel(this, this);
        OKBtn = new TButton(this, this);
        OKBtn->SetModalResult(mrOk);
        OKBtn->OnClick = [this](TObject*) { ++okClicks; };
        CancelBtn = new TButton(this, this);
        CancelBtn->SetModalResult(mrCancel);
        OnShow = [this](TObject*) {
            ++shows;
            Label1->SetCaption("shown");
        };
    }
    TLabel* Label1;
    TButton* OKBtn;
    TButton* CancelBtn;
    int shows = 0;
    int okClicks = 0;
};

class ModalSeamTest : public TModalTest {};

TEST_F(ModalSeamTest, ScriptRunsAgainstTheShownFormWithItsHandlers) {
    TAskForm f;
    std::string seenCaption;
    ModalSeam().QueueScript<TAskForm>([&](TAskForm& d) {
        seenCaption = d.Label1->Caption(); // OnShow already ran
        EXPECT_TRUE(d.Visible());
        d.OKBtn->Click();
    });
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(seenCaption, "shown");
    EXPECT_EQ(f.shows, 1);
    EXPECT_EQ(f.okClicks, 1);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.Modal());
}

TEST_F(ModalSeamTest, BareResultPressesTheButtonWithThatResult) {
    TAskForm f;
    ModalSeam().QueueResult(mrOk);
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(f.okClicks, 1);
    // No button gives mrYes: the result is set as the close would.
    ModalSeam().QueueResult(mrYes);
    EXPECT_EQ(f.ShowModal(), mrYes);
    EXPECT_EQ(f.okClicks, 1);
}

TEST_F(ModalSeamTest, HandlerMayOverrideTheButtonResult) {
    TAskForm f;
    f.OKBtn->OnClick = [&](TObject*) { f.SetModalResult(mrNo); };
    ModalSeam().QueueResult(mrOk);
    EXPECT_EQ(f.ShowModal(), mrNo);
}

TEST_F(ModalSeamTest, NestedModalsTakeAnswersInOrder) {
    TAskForm outer, inner;
    inner.SetName("InnerForm");
    std::vector<std::string> order;
    int innerResult = -1, boxResult = -1;
    outer.OKBtn->OnClick = [&](TObject*) {
        order.push_back("outer ok");
        boxResult = MessageBox("Save changes?", "Orvanta", MB_YESNOCANCEL);
        innerResult = inner.ShowModal();
    };
    inner.OnShow = [&](TObject*) { order.push_back("inner shown"); };
    ModalSeam().QueueResult(mrOk, "AskForm");
    ModalSeam().QueueButton(IDNO);
    ModalSeam().QueueResult(mrCancel, "InnerForm");
    EXPECT_EQ(outer.ShowModal(), mrOk);
    EXPECT_EQ(boxResult, IDNO);
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(order, (std::vector<std::string>{"outer ok", "inner shown"}));
    ASSERT_EQ(ModalSeam().Log().size(), 3u);
    EXPECT_EQ(ModalSeam().Log()[1].kind, TModalKind::MessageBox);
    EXPECT_EQ(ModalSeam().Log()[1].text, "Save changes?");
}

TEST_F(ModalSeamTest, OnCloseRefusingAfterTheAnswerIsReported) {
    TAskForm f;
    f.OnClose = [](TObject*, TCloseAction& a) { a = caNone; };
    std::vector<std::string> failures;
    ModalSeam().OnFailure = [&](const std::string& w) { failures.push_back(w); };
    ModalSeam().QueueResult(mrOk);
    EXPECT_EQ(f.ShowModal(), mrCancel);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("AskForm"), std::string::npos);
}

// Without the fixture's failure hook: the failures are looked at directly.
TEST(ModalSeamFailures, MissingAnswerFailsAtOnceNamingTheModal) {
    ModalSeam().Reset();
    TAskForm f;
    EXPECT_EQ(f.ShowModal(), mrCancel);
    EXPECT_EQ(MessageBox("Overwrite?", "Confirm", MB_YESNO), IDCANCEL);
    ASSERT_EQ(ModalSeam().Failures().size(), 2u);
    EXPECT_NE(ModalSeam().Failures()[0].find("AskForm"), std::string::npos);
    EXPECT_NE(ModalSeam().Failures()[1].find("Overwrite?"), std::string::npos);
    EXPECT_FALSE(f.Visible());
    ModalSeam().Reset();
}

TEST(ModalSeamFailures, AnswerOfTheWrongKindOrForTheWrongFormFails) {
    ModalSeam().Reset();
    TAskForm f;
    ModalSeam().QueueFileName("a.bmp");
    EXPECT_EQ(f.ShowModal(), mrCancel);
    ModalSeam().QueueResult(mrOk, "OtherForm");
    EXPECT_EQ(f.ShowModal(), mrCancel);
    EXPECT_EQ(f.okClicks, 0);
    EXPECT_EQ(ModalSeam().Failures().size(), 2u);
    ModalSeam().Reset();
}

TEST_F(ModalSeamTest, ExceptionEscapingAHandlerBecomesAMessageBoxWithItsText) {
    Application->SetTitle("Orvanta");
    ModalSeam().QueueButton(IDOK);
    bool after = false;
    Application->Guard([] { throw std::runtime_error("Unable to write to disk"); });
    after = true;
    EXPECT_TRUE(after);
    ASSERT_EQ(ModalSeam().Log().size(), 1u);
    EXPECT_EQ(ModalSeam().Log()[0].text, "Unable to write to disk");
    EXPECT_EQ(ModalSeam().Log()[0].name, "Orvanta");
    // The silent exception shows nothing.
    Application->Guard([] { Abort(); });
    EXPECT_EQ(ModalSeam().Log().size(), 1u);
}

TEST_F(ModalSeamTest, ShowModalOnAVisibleFormIsRefused) {
    TAskForm f;
    f.Show();
    EXPECT_THROW(f.ShowModal(), EInvalidOperation);
    f.Hide();
}

} // namespace
