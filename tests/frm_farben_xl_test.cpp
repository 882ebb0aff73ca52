// The large colour window, opened by "X L": modal over the main window,
// following the colour display, storing it on each click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "frm_farben.h"
#include "frm_farben_xl.h"

namespace {

constexpr int kLarge = 10;
constexpr tk::ColourValue kWhite = 16777215;

class LargeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

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
        QTest::mouseClick(form.cmdFarben[kLarge], Qt::LeftButton);
        EXPECT_TRUE(ran) << "the large window did not open";
        EXPECT_EQ(form.LargeWindow(), nullptr) << "a closed large window is destroyed";
    }

    tk::TextBox& Slot(int index) { return *form.txtFarbe[static_cast<std::size_t>(index)]; }

    frmFarben form;
};

TEST_F(LargeWindowTest, OpensInTheDisplayColourModalOverTheMainWindow) {
    form.txtFarbe_Click(17);  // red
    WithLargeWindow([&](frmFarbenXL& large) {
        EXPECT_EQ(large.BackColor(), 255);
        EXPECT_EQ(large.Caption(), "FarbenXL, Click Speichern");
        EXPECT_EQ(large.Timer1.Interval(), 50);

        // Input to the main window is refused meanwhile. The clicks go the
        // way of the window system's, which knows about modality.
        for (QWidget* target : {static_cast<QWidget*>(form.txtFarbe[40]),
                                static_cast<QWidget*>(form.cmdFarben[1])}) {
            const QPoint centre = target->mapTo(&form, target->rect().center());
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centre);
        }
        EXPECT_EQ(form.txtFarbe[64]->BackColor(), 255);
        EXPECT_EQ(Slot(48).BackColor(), kWhite);
    });
    const QPoint black = form.txtFarbe[40]->mapTo(&form, form.txtFarbe[40]->rect().center());
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, black);
    EXPECT_EQ(form.txtFarbe[64]->BackColor(), 0) << "once it is closed, clicks count again";
}

TEST_F(LargeWindowTest, FollowsTheDisplayAtEachTick) {
    WithLargeWindow([&](frmFarbenXL& large) {
        form.txtFarbe[64]->SetBackColor(0x00FF00);
        EXPECT_EQ(large.BackColor(), kWhite) << "it follows at its tick, not before";
        large.Timer1_Timer();
        EXPECT_EQ(large.BackColor(), 0x00FF00);
    });
}

TEST_F(LargeWindowTest, TheMainWindowsTimersGoOnTickingWhileItIsOpen) {
    form.cmdFarben_Click(2);  // the red counter rises
    WithLargeWindow([&](frmFarbenXL& large) {
        // Real ticks: wait until the counter has stepped and the large window
        // shows the colour the deferred update made of it.
        const bool followed = QTest::qWaitFor(
            [&] { return form.txtRGB[0]->Text() != "0" && large.BackColor() != kWhite; }, 10000);
        EXPECT_TRUE(followed);
    });
}

TEST_F(LargeWindowTest, EachClickStoresTheDisplayColourInTheFirstFreeSlot) {
    Slot(48).SetBackColor(kWhite - 1);  // nearly white counts as filled
    form.txtFarbe[64]->SetBackColor(0x0000FF);
    WithLargeWindow([&](frmFarbenXL& large) {
        QTest::mouseClick(&large, Qt::LeftButton);
        EXPECT_EQ(Slot(49).BackColor(), 0x0000FF);
        // The colour stored is the display's at the moment of the click, also
        // when the large window has not followed it yet.
        form.txtFarbe[64]->SetBackColor(0x00FF00);
        QTest::mouseClick(&large, Qt::LeftButton);
        EXPECT_EQ(Slot(50).BackColor(), 0x00FF00);
        EXPECT_EQ(Slot(51).BackColor(), kWhite);

        // A double-click is one click, then the double-click: one store.
        QTest::mousePress(&large, Qt::LeftButton);
        QTest::mouseRelease(&large, Qt::LeftButton);
        QTest::mouseDClick(&large, Qt::LeftButton);
        QTest::mouseRelease(&large, Qt::LeftButton);
        EXPECT_EQ(Slot(51).BackColor(), 0x00FF00);
        EXPECT_EQ(Slot(52).BackColor(), kWhite);
    });
    EXPECT_EQ(Slot(48).BackColor(), kWhite - 1);
}

TEST_F(LargeWindowTest, OpenedAgainItShowsTheCurrentColourBeforeItsFirstTick) {
    WithLargeWindow([](frmFarbenXL&) {});
    form.txtFarbe_Click(22);  // blue
    WithLargeWindow([&](frmFarbenXL& large) { EXPECT_EQ(large.BackColor(), 0xFF0000); });
}

}  // namespace
