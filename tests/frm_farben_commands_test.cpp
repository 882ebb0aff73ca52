// The command buttons: the store rule of the save button and of the large
// window, and the large window itself, modal over the main window. ("&Copy" is
// used end to end, by the mouse, the keyboard and a screen reader.)
#include "pictures.h"
#include "test_support.h"

namespace test {
namespace {

class CommandTest : public WindowTest {
protected:
    void Store() { Click(form.cmdFarben[1]); }
    std::vector<tk::ColourValue> Slots() const {
        std::vector<tk::ColourValue> held;
        for (std::size_t i = 0; i < 16; ++i) held.push_back(Slot(i)->BackColor());
        return held;
    }
    // A click the way the window system delivers it, to the window under the pointer.
    void ClickInMainWindow(QWidget* target) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, target->mapTo(&form, target->rect().center()));
    }
};

TEST_F(CommandTest, StoreFillsTheFirstWhiteSlotOnly) {
    Store();  // the display is white at start-up: slot 0 stays free
    Slot(0)->SetBackColor(0xFFFFFE);  // nearly white is taken
    Slot(2)->SetBackColor(0);
    form.txtFarbe_Click(17);
    Store();
    Store();
    std::vector<tk::ColourValue> expected = {0xFFFFFE, 255, 0, 255};
    expected.resize(16, kWhite);
    EXPECT_EQ(Slots(), expected);
    EXPECT_EQ(Shown(), "FF0000 FF0000 - | 255 0 0") << "storing changes nothing else";
    EXPECT_EQ(Slot(1)->accessibleName() + Slot(4)->accessibleName(), "FF0000FFFFFF") << "named by its colour";
    EXPECT_EQ(form.txtFarbe[kDisplay]->accessibleName(), "Ausgewählte Farbe: FF0000");
    for (std::size_t i = 4; i <= 16; ++i) Store();  // one more than there is room for
    std::fill(expected.begin() + 4, expected.end(), 255);
    EXPECT_EQ(Slots(), expected);
    DoubleClick(form.txtFarbe[47]);  // the click picks the swatch, the double-click does nothing
    DoubleClick(Slot(15));           // the click picks the slot's colour, the double-click empties it
    DoubleClick(Slot(5));
    EXPECT_EQ(Shown(), "FF0000 FF0000 - | 255 0 0");
    QTest::mouseDClick(Slot(4), Qt::LeftButton);  // emptied, its last release elsewhere: the next click is one
    QTest::mouseRelease(Slot(4), Qt::LeftButton, {}, {-5, -5});
    Click(Slot(4));
    EXPECT_EQ(Shown(), "FFFFFF FFFFFF - | 255 255 255");
    QTest::keyClick(Slot(1), Qt::Key_Space);  // the keyboard's click: it picks the colour, empties nothing
    QTest::keyClick(Slot(0), Qt::Key_Delete, Qt::KeypadModifier);  // the keyboard's double-click
    EXPECT_EQ(form.txtFarbe[kDisplay]->BackColor(), 0xFFFFFE);
    form.txtFarbe_Click(6);
    Store();
    expected[0] = 0xFFC0C0;
    expected[4] = expected[5] = expected[15] = kWhite;
    EXPECT_EQ(Slots(), expected);
    EXPECT_EQ(std::pair(form.txtFarbe[6]->BackColor(), form.txtFarbe[47]->BackColor()), std::pair(0xFFC0C0, 0x400040));
    Click(form.cmdFarben[11]);
    EXPECT_FALSE(form.isVisible()) << "Ende";
}

TEST_F(CommandTest, LargeWindowShowsFollowsAndStoresTheDisplayColourWhileTheMainWindowWaits) {
    form.txtFarbe_Click(17);
    Tick();
    ASSERT_TRUE(WithLargeWindow(form, [&](frmFarbenXL& large) {
        EXPECT_EQ(large.windowIcon().pixmap(16).toImage(), pictures::StripesIcon().pixmap(16).toImage());
        EXPECT_EQ(large.BackColor(), 255) << "the display's colour before the first tick";
        ClickInMainWindow(form.txtFarbe[40]);
        ClickInMainWindow(form.cmdFarben[1]);
        EXPECT_EQ(Shown(), "FF0000 FF0000 255 | 255 0 0") << "the main window takes no input";
        EXPECT_EQ(Slots()[0], kWhite);
        form.txtFarbe[kDisplay]->SetBackColor(0x0000FF);
        Click(&large);
        EXPECT_EQ(Slots()[0], 0x0000FF) << "the display's colour at the click";
        EXPECT_EQ(large.BackColor(), 255) << "followed at the next tick, not before";
        test::Tick(large.Timer1);
        EXPECT_EQ(large.BackColor(), 0x0000FF);
        DoubleClick(&large);
        EXPECT_EQ(Slots()[2], kWhite) << "a double-click stores once";
        EXPECT_FALSE(large.ShowModal()) << "asked again while it is shown: no second loop";
    }));
    EXPECT_EQ(form.focusWidget(), form.cmdFarben[10]) << "the focus is back where it was";
    ClickInMainWindow(form.txtFarbe[40]);
    EXPECT_EQ(form.txtFarbe[kDisplay]->BackColor(), 0) << "closed, the main window takes input again";
    EXPECT_TRUE(WithLargeWindow(form, [&](frmFarbenXL& large) { EXPECT_EQ(large.BackColor(), 0); }));
}

}  // namespace
}  // namespace test
