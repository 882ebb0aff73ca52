// "&Copy": the code, or its selected part, on the clipboard. The save button
// is tested with the store rule (frm_farben_picking_test.cpp), "&Ende" with
// the counters running (frm_farben_counters_test.cpp).
#include "test_support.h"

namespace test {
namespace {

class CopyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::clipboard()->setText(QStringLiteral("earlier"));
    }
    void Copy() { Click(form.cmdFarben[0]); }
    static std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }
};

TEST_F(CopyTest, WholeCodeWhenNothingOrEverythingIsSelected) {
    Code()->SetText("FF8000");
    Copy();
    EXPECT_EQ(Clipboard(), "FF8000");

    Code()->setFocus();
    Code()->selectAll();
    Copy();
    EXPECT_EQ(Clipboard(), "FF8000");
}

TEST_F(CopyTest, SelectedPartWhileTheButtonHasTheFocus) {
    Code()->SetText("FF8000");
    Code()->setFocus();
    Code()->setSelection(2, 2);
    Copy();
    EXPECT_EQ(Clipboard(), "80");
    Copy();
    EXPECT_EQ(Clipboard(), "80") << "the selection stays in force while the button has the focus";

    Code()->SetText("C80000");
    Copy();
    EXPECT_EQ(Clipboard(), "C80000") << "a new text ends the selection";
}

TEST_F(CopyTest, EmptyCodeEmptiesTheClipboard) {
    Copy();
    EXPECT_EQ(Clipboard(), "");
}

}  // namespace
}  // namespace test
