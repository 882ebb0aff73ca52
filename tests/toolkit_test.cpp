// The toolkit's text box where a screen reader may ask what no user can. (The
// controls and timers are tested through the main window, which uses every
// part of them.)
#include "test_support.h"

namespace {

// Text entered other than typed goes only into the text's own range (a screen reader names the range).
TEST(ToolkitTest, TextIsEnteredOnlyIntoTheTextsOwnRange) {
    tk::TextBox box(nullptr);
    box.SetText("12");
    EXPECT_FALSE(box.EnterText(1, 3, "9") || box.EnterText(-1, 0, "9") || box.EnterText(2, 1, "9"));
    EXPECT_TRUE(box.EnterText(2, 2, "9") && box.Text() == "129");
}

}  // namespace
