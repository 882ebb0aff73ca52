// Picking a colour with the mouse: VGA palette and text mode, colour chart,
// custom slots, and the store rule (through the save button).
#include <array>
#include <vector>

#include "test_support.h"

namespace test {
namespace {

// --- One click on a VGA box, chart swatch or slot ---------------------------

struct Pick {
    const char* name;
    bool vga;
    std::size_t index;
    const char* afterClick;
    const char* afterTick;  // as after the click: no component changed, no deferred update
};

void PrintTo(const Pick& p, std::ostream* os) { *os << p.name; }

class PickingTest : public WindowTest, public ::testing::WithParamInterface<Pick> {};

TEST_P(PickingTest, ClickPicksColourAndDecimalFollowsAtTick) {
    const Pick& p = GetParam();
    // Show a VGA name first, to see whether the pick clears or keeps it.
    ToggleTextMode();
    Click(form.txtFarbe16[1]);
    ToggleTextMode();
    ASSERT_EQ(form.Label3->Caption(), "maroon");

    Click(p.vga ? form.txtFarbe16[p.index] : form.txtFarbe[p.index]);
    EXPECT_EQ(Shown(), p.afterClick);
    EXPECT_EQ(form.Label3->Caption(), p.vga ? "" : "maroon");
    EXPECT_FALSE(state.Updating());
    const bool deferred = std::string(p.afterClick) != p.afterTick;
    EXPECT_EQ(state.RgbActive(), deferred);
    EXPECT_EQ(form.Timer4.Interval(), deferred ? 50 : 0);
    Tick();
    EXPECT_EQ(Shown(), p.afterTick);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PickingTest,
    ::testing::Values(
        Pick{"VgaNavy", true, 4, "000080 000080 - | 0 0 128", "000080 000080 8388608 | 0 0 128"},
        Pick{"VgaBlackAtStartUp", true, 0, "000000 000000 - | 0 0 0", "000000 000000 - | 0 0 0"},
        Pick{"ChartRed", false, 17, "FF0000 FF0000 - | 255 0 0", "FF0000 FF0000 255 | 255 0 0"},
        Pick{"ChartPaleBlue", false, 6, "C0C0FF C0C0FF - | 192 192 255",
             "C0C0FF C0C0FF 16761024 | 192 192 255"},
        Pick{"ChartBlackAtStartUp", false, 40, "000000 000000 - | 0 0 0",
             "000000 000000 - | 0 0 0"},
        Pick{"EmptySlotIsWhite", false, 48, "FFFFFF FFFFFF - | 255 255 255",
             "FFFFFF FFFFFF 16777215 | 255 255 255"}),
    [](const auto& test) { return std::string(test.param.name); });

using PickingChartTest = WindowTest;

TEST_F(PickingChartTest, DisplayFollowsEachComponentWrite) {
    Click(form.txtFarbe16[15]);
    std::vector<tk::ColourValue> seen;
    QObject context;
    for (tk::TextBox* field : form.txtRGB) {
        QObject::connect(field, &QLineEdit::textChanged, &context,
                         [&] { seen.push_back(form.txtFarbe[kDisplay]->BackColor()); });
    }
    Click(form.txtFarbe[6]);
    // The components are set to 0 while white still shows; red is written
    // while the swatch's colour shows, green after the red-only colour, blue
    // after red and green.
    EXPECT_EQ(seen, (std::vector<tk::ColourValue>{kWhite, kWhite, kWhite, Value(192, 192, 255),
                                                  Value(192, 0, 0), Value(192, 192, 0)}));
    EXPECT_EQ(form.txtFarbe[kDisplay]->BackColor(), Value(192, 192, 255));
}

// --- VGA text mode ------------------------------------------------------------

using PickingTextModeTest = WindowTest;

TEST_F(PickingTextModeTest, HandTickBlanksUntilNextTickAndVgaClickOnlyNames) {
    Click(form.txtFarbe[17]);
    Tick();
    ToggleTextMode();
    EXPECT_EQ(Shown(), "FFFFFF - 255 | 255 0 0");
    for (const auto& [box, name] : {std::pair{6, "teal"}, std::pair{9, "red"}}) {
        Click(form.txtFarbe16[box]);
        EXPECT_EQ(form.Label3->Caption(), name);
    }
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kTicked);
    EXPECT_EQ(Shown(), "FFFFFF - 255 | 255 0 0");
    Tick();
    EXPECT_EQ(Shown(), "FF0000 FF0000 255 | 255 0 0");

    ToggleTextMode();  // unticking by hand does the same
    EXPECT_EQ(Shown(), "FFFFFF - 255 | 255 0 0");
    Tick();
    EXPECT_EQ(Shown(), "FF0000 FF0000 255 | 255 0 0");
}

TEST_F(PickingTextModeTest, ChartClickLeavesTextModeWithSwatchColour) {
    ToggleTextMode();
    Click(form.txtFarbe16[6]);
    Click(form.txtFarbe[17]);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    EXPECT_EQ(form.Label3->Caption(), "teal");
    Tick();
    EXPECT_EQ(Shown(), "FF0000 FF0000 255 | 255 0 0");
}

TEST_F(PickingTextModeTest, CodeFieldClickLeavesTextModeBlankAcrossTicks) {
    Click(form.txtFarbe[17]);
    Tick();
    ToggleTextMode();
    Click(Code());
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    EXPECT_FALSE(state.RgbActive());
    for (int tick = 0; tick < 2; ++tick) {
        EXPECT_EQ(Shown(), "FFFFFF - 255 | 255 0 0");
        Tick();
    }
}

// --- Custom slots and the store rule ------------------------------------------

class PickingSlotTest : public WindowTest {
protected:
    void Store() { Click(form.cmdFarben[1]); }
    std::array<tk::ColourValue, 16> Slots() const {
        std::array<tk::ColourValue, 16> held{};
        for (std::size_t i = 0; i < held.size(); ++i) held[i] = Slot(i)->BackColor();
        return held;
    }
};

TEST_F(PickingSlotTest, DoubleClickPicksThenEmptiesOnlyASlotWhichTheNextStoreRefills) {
    for (const std::size_t swatch : {17, 6, 40}) {
        Click(form.txtFarbe[swatch]);
        Store();
    }
    Click(form.txtFarbe[20]);
    DoubleClick(Slot(1));
    EXPECT_EQ(Shown(), "C0C0FF C0C0FF - | 192 192 255") << "the click comes first";
    auto held = Slots();
    EXPECT_EQ(held[1], kWhite);

    Click(form.txtFarbe[20]);
    Store();
    held[1] = Value(0, 255, 0);
    EXPECT_EQ(Slots(), held);

    DoubleClick(form.txtFarbe[6]);
    EXPECT_EQ(form.txtFarbe[6]->BackColor(), Value(192, 192, 255)) << "a swatch is no slot";
    EXPECT_EQ(Slots(), held);
}

TEST_F(PickingSlotTest, StoreFillsLowestWhiteSlotAndNearlyWhiteCountsAsFilled) {
    Slot(0)->SetBackColor(0xFFFFFE);
    Slot(1)->SetBackColor(0);
    Slot(3)->SetBackColor(0x123456);
    Click(form.txtFarbe[17]);
    auto held = Slots();
    Store();
    held[2] = Value(255, 0, 0);
    EXPECT_EQ(Slots(), held);
    EXPECT_EQ(Shown(), "FF0000 FF0000 - | 255 0 0") << "storing changes nothing else";
    Store();
    held[4] = Value(255, 0, 0);
    EXPECT_EQ(Slots(), held);
}

TEST_F(PickingSlotTest, FullSetTakesNoMore) {
    for (std::size_t i = 0; i < 16; ++i) {
        form.txtFarbe[kDisplay]->SetBackColor(static_cast<tk::ColourValue>(i));
        Store();
    }
    std::array<tk::ColourValue, 16> full{};
    for (std::size_t i = 0; i < 16; ++i) full[i] = static_cast<tk::ColourValue>(i);
    ASSERT_EQ(Slots(), full);
    Click(form.txtFarbe[6]);
    Store();
    EXPECT_EQ(Slots(), full);
}

TEST_F(PickingSlotTest, StoringWhiteLeavesSlotFree) {
    Store();  // the display is white at start-up
    EXPECT_EQ(Slots()[0], kWhite);
    Click(form.txtFarbe[17]);
    Store();
    EXPECT_EQ(Slots()[0], Value(255, 0, 0));
    EXPECT_EQ(Slots()[1], kWhite);
}

}  // namespace
}  // namespace test
