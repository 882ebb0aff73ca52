// The command buttons: copy, save, and "&Ende".
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "frm_farben.h"

namespace {

constexpr int kCopy = 0;
constexpr int kSave = 1;
constexpr int kEnd = 11;
constexpr int kFirstSlot = 48;
constexpr int kLastSlot = 63;
constexpr tk::ColourValue kWhite = 16777215;

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QApplication::clipboard()->setText(QStringLiteral("earlier"));
    }
    void Click(int button) { QTest::mouseClick(form.cmdFarben[static_cast<std::size_t>(button)], Qt::LeftButton); }
    tk::TextBox& Code() { return *form.txtFarbe[65]; }
    tk::TextBox& Slot(int index) { return *form.txtFarbe[static_cast<std::size_t>(index)]; }
    std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }

    frmFarben form;
};

TEST_F(CommandTest, CopyPutsTheWholeCodeWhenNothingOrEverythingIsSelected) {
    Code().SetText("FF8000");
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "FF8000");

    Code().setFocus();
    Code().selectAll();
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "FF8000");
}

TEST_F(CommandTest, CopyPutsTheSelectedPartWhileTheButtonHasTheFocus) {
    Code().SetText("FF8000");
    Code().setFocus();
    Code().setSelection(2, 2);
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "80");
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "80") << "the selection stays in force while the button has the focus";

    Code().SetText("C80000");
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "C80000") << "a new text ends the selection";
}

TEST_F(CommandTest, CopyOfAnEmptyCodeEmptiesTheClipboard) {
    Click(kCopy);
    EXPECT_EQ(Clipboard(), "");
}

TEST_F(CommandTest, CopyChangesNothingInTheWindow) {
    form.txtFarbe_Click(17);
    form.Timer4_Timer();
    Click(kCopy);
    EXPECT_EQ(Code().Text(), "FF0000");
    EXPECT_EQ(form.txtDecimal->Text(), "255");
    EXPECT_EQ(form.txtFarbe[64]->BackColor(), 255);
}

TEST_F(CommandTest, SaveFillsTheFirstFreeSlotInAscendingOrder) {
    form.txtFarbe[64]->SetBackColor(0x123456);
    Slot(48).SetBackColor(1);
    Slot(49).SetBackColor(2);
    Slot(51).SetBackColor(3);
    Click(kSave);
    EXPECT_EQ(Slot(50).BackColor(), 0x123456);
    EXPECT_EQ(Slot(51).BackColor(), 3);
    EXPECT_EQ(Slot(52).BackColor(), kWhite);
}

TEST_F(CommandTest, SaveWithEverySlotFilledChangesNothing) {
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        form.txtFarbe[64]->SetBackColor(i);
        Click(kSave);
    }
    for (int i = kFirstSlot; i <= kLastSlot; ++i) EXPECT_EQ(Slot(i).BackColor(), i);
    form.txtFarbe[64]->SetBackColor(0);
    Click(kSave);
    for (int i = kFirstSlot; i <= kLastSlot; ++i) EXPECT_EQ(Slot(i).BackColor(), i);
}

TEST_F(CommandTest, SavingWhiteLeavesTheSlotFreeAndANearlyWhiteSlotCountsAsFilled) {
    Slot(48).SetBackColor(kWhite - 1);
    Click(kSave);  // the display is white at start-up
    EXPECT_EQ(Slot(49).BackColor(), kWhite);
    form.txtFarbe[64]->SetBackColor(0);
    Click(kSave);
    EXPECT_EQ(Slot(48).BackColor(), kWhite - 1);
    EXPECT_EQ(Slot(49).BackColor(), 0);
}

TEST_F(CommandTest, EndClosesTheWindowAlsoWhileCountersRun) {
    Click(9);  // all three counters run
    form.Timer1_Timer();
    Click(kEnd);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
