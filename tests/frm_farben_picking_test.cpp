// Picking a colour with the mouse: VGA palette and text mode, colour chart,
// custom slots and the store into them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleOptionButton>
#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "frm_farben.h"
#include "frm_farben_inspector.h"

namespace {

constexpr tk::ColourValue kWhite = 0xFFFFFF;
constexpr int kCode = 65;
constexpr int kDisplay = 64;
constexpr int kFirstSlot = 48;

constexpr tk::ColourValue Value(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

class PickingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // A real double-click: the first press and release come as a click.
    static void DoubleClick(QWidget* w) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
    // Ticks or unticks "VGA-Farbe-Text" by a click inside its box.
    void ToggleTextMode() {
        const int before = form.Check1->Value();
        QStyleOptionButton option;
        option.initFrom(form.Check1);
        const QRect box = form.Check1->style()->subElementRect(QStyle::SE_CheckBoxIndicator,
                                                               &option, form.Check1);
        QTest::mouseClick(form.Check1, Qt::LeftButton, {}, box.center());
        EXPECT_NE(form.Check1->Value(), before);
    }
    void Store() { Click(form.cmdFarben[1]); }

    std::string Code() const { return form.txtFarbe[kCode]->Text(); }
    tk::ColourValue Display() const { return form.txtFarbe[kDisplay]->BackColor(); }
    std::string Components() const {
        return form.txtRGB[0]->Text() + " " + form.txtRGB[1]->Text() + " " + form.txtRGB[2]->Text();
    }
    static std::string Texts(int red, int green, int blue) {
        return std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue);
    }
    std::array<tk::ColourValue, 16> Slots() const {
        std::array<tk::ColourValue, 16> held{};
        for (std::size_t i = 0; i < held.size(); ++i) {
            held[i] = form.txtFarbe[kFirstSlot + i]->BackColor();
        }
        return held;
    }
    void ExpectColour(const std::string& code, int red, int green, int blue) const {
        EXPECT_EQ(Code(), code);
        EXPECT_EQ(Components(), Texts(red, green, blue));
        EXPECT_EQ(Display(), Value(red, green, blue));
    }
    // Code field empty and display white over components and decimal kept.
    void ExpectBlankedOver(int red, int green, int blue, const std::string& decimal) const {
        EXPECT_EQ(Code(), "");
        EXPECT_EQ(Display(), kWhite);
        EXPECT_EQ(Components(), Texts(red, green, blue));
        EXPECT_EQ(form.txtDecimal->Text(), decimal);
    }

    frmFarben form;
    frmFarbenInspector state{form};
};

// --- One click on a VGA box, chart swatch or slot -------------------------

struct Pick {
    const char* name;
    bool vga;
    int index;
    const char* code;
    int red, green, blue;
    const char* decimalAfterTick;  // empty: no component changed, no deferred update
};

void PrintTo(const Pick& p, std::ostream* os) { *os << p.name; }

class PickingTest : public PickingFixture, public ::testing::WithParamInterface<Pick> {};

TEST_P(PickingTest, ClickPicksColourAndDecimalFollowsAtTick) {
    const Pick& p = GetParam();
    // Show a VGA name first, to see whether the pick clears or keeps it.
    ToggleTextMode();
    Click(form.txtFarbe16[1]);
    ToggleTextMode();
    ASSERT_EQ(form.Label3->Caption(), "maroon");

    Click(p.vga ? form.txtFarbe16[static_cast<std::size_t>(p.index)]
                : form.txtFarbe[static_cast<std::size_t>(p.index)]);
    ExpectColour(p.code, p.red, p.green, p.blue);
    EXPECT_EQ(form.Label3->Caption(), p.vga ? "" : "maroon");
    EXPECT_EQ(form.txtDecimal->Text(), "");
    EXPECT_FALSE(state.Updating());
    const bool deferred = *p.decimalAfterTick != '\0';
    EXPECT_EQ(state.RgbActive(), deferred);
    EXPECT_EQ(form.Timer4.Interval(), deferred ? 50 : 0);

    form.Timer4_Timer();
    EXPECT_EQ(form.txtDecimal->Text(), p.decimalAfterTick);
    ExpectColour(p.code, p.red, p.green, p.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PickingTest,
    ::testing::Values(Pick{"VgaNavy", true, 4, "000080", 0, 0, 128, "8388608"},
                      Pick{"VgaBlackAtStartUp", true, 0, "000000", 0, 0, 0, ""},
                      Pick{"VgaWhite", true, 15, "FFFFFF", 255, 255, 255, "16777215"},
                      Pick{"ChartRed", false, 17, "FF0000", 255, 0, 0, "255"},
                      Pick{"ChartPaleBlue", false, 6, "C0C0FF", 192, 192, 255, "16761024"},
                      Pick{"ChartBlackAtStartUp", false, 40, "000000", 0, 0, 0, ""},
                      Pick{"EmptySlotIsWhite", false, 48, "FFFFFF", 255, 255, 255, "16777215"}),
    [](const auto& test) { return std::string(test.param.name); });

using PickingChartTest = PickingFixture;

TEST_F(PickingChartTest, DisplayFollowsEachComponentWrite) {
    Click(form.txtFarbe16[15]);
    std::vector<tk::ColourValue> seen;
    QObject context;
    for (tk::TextBox* field : form.txtRGB) {
        QObject::connect(field, &QLineEdit::textChanged, &context,
                         [&] { seen.push_back(Display()); });
    }
    Click(form.txtFarbe[6]);
    // The components are set to 0 while white still shows; red is written
    // while the swatch's colour shows, green after the red-only colour, blue
    // after red and green.
    EXPECT_EQ(seen, (std::vector<tk::ColourValue>{kWhite, kWhite, kWhite, Value(192, 192, 255),
                                                  Value(192, 0, 0), Value(192, 192, 0)}));
    EXPECT_EQ(Display(), Value(192, 192, 255));
}

// --- VGA text mode --------------------------------------------------------

using PickingTextModeTest = PickingFixture;

TEST_F(PickingTextModeTest, HandTickBlanksUntilNextTickAndVgaClickOnlyNames) {
    Click(form.txtFarbe[17]);
    form.Timer4_Timer();
    ToggleTextMode();
    ExpectBlankedOver(255, 0, 0, "255");
    for (const auto& [box, name] : {std::pair{6, "teal"}, std::pair{9, "red"}}) {
        Click(form.txtFarbe16[box]);
        EXPECT_EQ(form.Label3->Caption(), name);
    }
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kTicked);
    ExpectBlankedOver(255, 0, 0, "255");
    form.Timer4_Timer();
    ExpectColour("FF0000", 255, 0, 0);

    ToggleTextMode();  // unticking by hand does the same
    ExpectBlankedOver(255, 0, 0, "255");
    form.Timer4_Timer();
    ExpectColour("FF0000", 255, 0, 0);
}

TEST_F(PickingTextModeTest, ChartClickLeavesTextModeWithSwatchColour) {
    ToggleTextMode();
    Click(form.txtFarbe16[6]);
    Click(form.txtFarbe[17]);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    ExpectColour("FF0000", 255, 0, 0);
    EXPECT_EQ(form.Label3->Caption(), "teal");
    form.Timer4_Timer();
    EXPECT_EQ(form.txtDecimal->Text(), "255");
}

TEST_F(PickingTextModeTest, CodeFieldClickLeavesTextModeBlankAcrossTicks) {
    Click(form.txtFarbe[17]);
    form.Timer4_Timer();
    ToggleTextMode();
    Click(form.txtFarbe[kCode]);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    EXPECT_FALSE(state.RgbActive());
    for (int tick = 0; tick < 2; ++tick) {
        ExpectBlankedOver(255, 0, 0, "255");
        form.Timer4_Timer();
    }
}

// --- Custom slots ---------------------------------------------------------

using PickingSlotTest = PickingFixture;

TEST_F(PickingSlotTest, DoubleClickPicksThenEmptiesOnlyASlot) {
    for (const int swatch : {17, 6, 40}) {
        Click(form.txtFarbe[swatch]);
        Store();
    }
    Click(form.txtFarbe[20]);
    DoubleClick(form.txtFarbe[49]);
    ExpectColour("C0C0FF", 192, 192, 255);
    auto held = Slots();
    EXPECT_EQ(held[1], kWhite);

    Click(form.txtFarbe[20]);
    Store();  // refills the emptied slot
    held[1] = Value(0, 255, 0);
    EXPECT_EQ(Slots(), held);

    DoubleClick(form.txtFarbe[6]);
    ExpectColour("C0C0FF", 192, 192, 255);
    EXPECT_EQ(form.txtFarbe[6]->BackColor(), Value(192, 192, 255));
    EXPECT_EQ(Slots(), held);
}

TEST_F(PickingSlotTest, StoreFillsLowestWhiteSlotOnly) {
    form.txtFarbe[48]->SetBackColor(0xFFFFFE);  // nearly white is a colour
    form.txtFarbe[49]->SetBackColor(0);
    form.txtFarbe[51]->SetBackColor(0x123456);
    Click(form.txtFarbe[17]);
    auto held = Slots();
    Store();
    held[2] = Value(255, 0, 0);
    EXPECT_EQ(Slots(), held);
    ExpectColour("FF0000", 255, 0, 0);  // storing changes nothing else
    Store();
    held[4] = Value(255, 0, 0);
    EXPECT_EQ(Slots(), held);
}

TEST_F(PickingSlotTest, FullSetTakesNoMore) {
    Click(form.txtFarbe[17]);
    for (int i = 0; i < 16; ++i) Store();
    std::array<tk::ColourValue, 16> full{};
    full.fill(Value(255, 0, 0));
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
