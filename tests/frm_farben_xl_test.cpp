// The large colour window, opened by "X L": modal over the main window,
// following the colour display, storing it on each click.
#include <QTimer>
#include <functional>

#include "frm_farben_xl.h"
#include "test_support.h"

namespace test {
namespace {

class LargeWindowTest : public WindowTest {
protected:
    // Presses "X L" and runs `whileOpen` inside the large window's modal
    // loop; the window is closed afterwards, whatever `whileOpen` found.
    void WithLargeWindow(const std::function<void(frmFarbenXL&)>& whileOpen) {
        bool ran = false;
        QTimer::singleShot(0, &form, [&] {
            frmFarbenXL* large = form.LargeWindow();
            if (large && QTest::qWaitForWindowExposed(large)) {
                ran = true;
                whileOpen(*large);
            }
            if (large) large->close();
        });
        Click(form.cmdFarben[10]);
        EXPECT_TRUE(ran) << "the large window did not open";
        EXPECT_EQ(form.LargeWindow(), nullptr) << "a closed large window is destroyed";
    }
    tk::ColourValue Display() const { return form.txtFarbe[kDisplay]->BackColor(); }
    // A click the way the window system delivers it, which knows about modality.
    void ClickInMainWindow(QWidget* target) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          target->mapTo(&form, target->rect().center()));
    }
};

TEST_F(LargeWindowTest, OpensInTheDisplayColourModalOverTheMainWindow) {
    form.txtFarbe_Click(17);  // red
    WithLargeWindow([&](frmFarbenXL& large) {
        EXPECT_EQ(large.BackColor(), 255);
        EXPECT_EQ(large.Caption(), "FarbenXL, Click Speichern");
        EXPECT_EQ(large.Timer1.Interval(), 50);
        ClickInMainWindow(form.txtFarbe[40]);
        ClickInMainWindow(form.cmdFarben[1]);
        EXPECT_EQ(Display(), 255) << "the main window refuses input meanwhile";
        EXPECT_EQ(Slot(0)->BackColor(), kWhite);
    });
    ClickInMainWindow(form.txtFarbe[40]);
    EXPECT_EQ(Display(), 0) << "once it is closed, clicks count again";
}

TEST_F(LargeWindowTest, FollowsTheDisplayAtEachTick) {
    WithLargeWindow([&](frmFarbenXL& large) {
        form.txtFarbe[kDisplay]->SetBackColor(0x00FF00);
        EXPECT_EQ(large.BackColor(), kWhite) << "it follows at its tick, not before";
        large.Timer1_Timer();
        EXPECT_EQ(large.BackColor(), 0x00FF00);
    });
}

// The modal loop dispatches timer events, and the main window's timers stay
// armed: a zero-delay timer started before "X L" fires while the window is open.
TEST_F(LargeWindowTest, TheMainWindowsTimersGoOnTickingWhileItIsOpen) {
    form.cmdFarben_Click(2);  // the red counter rises
    bool firedWhileOpen = false;
    QTimer::singleShot(0, &form, [&] { firedWhileOpen = form.LargeWindow() != nullptr; });
    WithLargeWindow([&](frmFarbenXL&) {
        EXPECT_TRUE(firedWhileOpen);
        EXPECT_EQ(form.Timer1.Interval(), 200);
        EXPECT_EQ(form.Timer4.Interval(), 50);
    });
}

// The colour stored is the display's at the moment of the click, also when
// the large window has not followed it yet; a double-click stores once.
TEST_F(LargeWindowTest, EachClickStoresTheDisplayColour) {
    form.txtFarbe[kDisplay]->SetBackColor(0x0000FF);
    WithLargeWindow([&](frmFarbenXL& large) {
        Click(&large);
        EXPECT_EQ(Slot(0)->BackColor(), 0x0000FF);
        form.txtFarbe[kDisplay]->SetBackColor(0x00FF00);
        Click(&large);
        EXPECT_EQ(Slot(1)->BackColor(), 0x00FF00);
        DoubleClick(&large);
        EXPECT_EQ(Slot(2)->BackColor(), 0x00FF00);
        EXPECT_EQ(Slot(3)->BackColor(), kWhite);
    });
}

TEST_F(LargeWindowTest, OpenedAgainItShowsTheCurrentColourBeforeItsFirstTick) {
    WithLargeWindow([](frmFarbenXL&) {});
    form.txtFarbe_Click(22);  // blue
    WithLargeWindow([&](frmFarbenXL& large) { EXPECT_EQ(large.BackColor(), 0xFF0000); });
}

}  // namespace
}  // namespace test
