// The main window as the user first sees it: caption, controls in their
// places, start values, fonts, focus and tab order.
#include <vector>

#include "test_support.h"

namespace test {
namespace {

// Twips of the window design to pixels, at 15 twips per pixel.
QRect Twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

using StartupTest = WindowTest;

TEST_F(StartupTest, CaptionCarriesVersion) {
    EXPECT_EQ(form.Caption(), "Marvanta V 0.04");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Marvanta V 0.04"));
    EXPECT_EQ(state.Version(), "V 0.04");
}

// The "0" in the component fields is no entry: no handler ran, nothing was
// computed, and the display and the notations do not yet agree.
TEST_F(StartupTest, NothingRunsDuringCreation) {
    EXPECT_EQ(Shown(), "FFFFFF - - | 0 0 0");
    EXPECT_EQ(form.txtFarbe[kDisplay]->Text(), "");
    EXPECT_FALSE(state.RgbActive());
    EXPECT_EQ(state.HexCode(), "");
    EXPECT_EQ(form.Label3->Caption(), "");

    EXPECT_EQ(form.Timer1.Interval(), 100);
    EXPECT_EQ(form.Timer2.Interval(), 0);
    EXPECT_EQ(form.Timer3.Interval(), 0);
    EXPECT_EQ(form.Timer4.Interval(), 0);

    EXPECT_EQ(form.Check1->Value(), 0);
    for (tk::CheckBox* fiveStep : {form.Check3, form.Check4, form.Check5}) {
        EXPECT_EQ(fiveStep->Value(), 1);
    }
    for (tk::CheckBox* tipp : {form.Check6, form.Check7, form.Check8}) EXPECT_EQ(tipp->Value(), 0);
}

TEST_F(StartupTest, ControlsStandInTheirPlaces) {
    EXPECT_EQ(form.size(), QSize(5880 / 15, 2595 / 15));
    struct Place {
        QWidget* control;
        QWidget* container;
        QRect rect;
    };
    const std::vector<Place> places = {
        {form.Frame2, &form, Twips(0, 0, 735, 2295)},
        {form.Frame1, &form, Twips(720, 0, 2175, 2295)},
        {form.txtFarbe[0], form.Frame1, Twips(120, 240, 255, 285)},
        {form.txtFarbe[17], form.Frame1, Twips(360, 720, 255, 285)},
        {form.txtFarbe[63], form.Frame1, Twips(1800, 1920, 255, 285)},
        {form.txtFarbe[64], &form, Twips(3480, 1680, 2055, 525)},
        {form.txtFarbe[65], &form, Twips(3480, 1320, 2055, 285)},
        {form.txtRGB[0], &form, Twips(3240, 240, 495, 285)},
        {form.txtRGB[2], &form, Twips(4920, 240, 495, 285)},
        {form.Label1[1], &form, Twips(4080, 0, 495, 255)},
        {form.txtDecimal, &form, Twips(3000, 2295, 855, 285)},
        {form.Check1, &form, Twips(0, 2295, 1695, 255)},
        {form.Label3, &form, Twips(1920, 2295, 975, 255)},
    };
    for (const Place& place : places) {
        EXPECT_EQ(place.control->parentWidget(), place.container) << place.rect.x();
        EXPECT_EQ(place.control->geometry(), place.rect);
    }
}

TEST_F(StartupTest, ChartSlotsDisplayAndCodeField) {
    QWidget* const window = &form;
    QWidget* const chartFrame = form.Frame1;
    for (std::size_t i = 0; i < form.txtFarbe.size(); ++i) {
        ASSERT_NE(form.txtFarbe[i], nullptr) << i;
        EXPECT_EQ(form.txtFarbe[i]->parentWidget(), i < 64 ? chartFrame : window) << i;
    }
    struct Swatch {
        std::size_t index;
        tk::ColourValue value;  // red + 256 * green + 65536 * blue
    };
    for (const Swatch& swatch : {Swatch{0, 16777215}, Swatch{17, 255}, Swatch{18, 33023},
                                 Swatch{40, 0}, Swatch{47, 4194368}}) {
        EXPECT_EQ(form.txtFarbe[swatch.index]->BackColor(), swatch.value) << swatch.index;
        EXPECT_TRUE(form.txtFarbe[swatch.index]->toolTip().isEmpty());
    }
    for (std::size_t i = 48; i <= 63; ++i) {
        EXPECT_EQ(form.txtFarbe[i]->BackColor(), 16777215) << i;
        EXPECT_EQ(form.txtFarbe[i]->toolTip(), i % 2 == 0 ? QStringLiteral("Mit Dbl-Click Löschen")
                                                          : QStringLiteral("Selbstdefinierte Farben"));
    }
    EXPECT_EQ(form.txtFarbe[64]->toolTip(), QStringLiteral("Ausgewählte Farbe"));
    EXPECT_EQ(form.txtFarbe[65]->toolTip(), QStringLiteral("RGB-Farb-Code, Eingabe+Return"));
    EXPECT_EQ(form.txtDecimal->toolTip(), QStringLiteral("Decimal Zeigen/Eingeben"));
}

TEST_F(StartupTest, FocusOnCheck1AndTabFollowsDesignOrder) {
    EXPECT_EQ(QApplication::focusWidget(), form.Check1);

    std::vector<QWidget*> order = {form.Check1};
    for (int i = 15; i >= 0; --i) order.push_back(form.txtFarbe16[static_cast<std::size_t>(i)]);
    order.insert(order.end(), {form.cmdFarben[9], form.cmdFarben[8], form.txtRGB[2],
                               form.cmdFarben[7], form.cmdFarben[6], form.txtRGB[1],
                               form.cmdFarben[5], form.cmdFarben[4]});
    for (std::size_t i = 0; i <= 63; ++i) order.push_back(form.txtFarbe[i]);
    order.insert(order.end(),
                 {form.cmdFarben[3], form.cmdFarben[2], form.txtRGB[0], form.cmdFarben[1],
                  form.cmdFarben[0], form.txtFarbe[65], form.txtFarbe[64], form.Check3,
                  form.Check4, form.Check5, form.Check6, form.Check7, form.Check8,
                  form.cmdFarben[11], form.txtDecimal, form.cmdFarben[10], form.Check1});

    for (std::size_t step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[step]) << "Tab step " << step;
    }
}

TEST_F(StartupTest, ButtonsCheckBoxesAndHeadingsAreBold) {
    std::vector<QWidget*> bold(form.cmdFarben.begin(), form.cmdFarben.end());
    bold.insert(bold.end(), form.Label1.begin(), form.Label1.end());
    bold.insert(bold.end(), {form.Check1, form.Check3, form.Check4, form.Check5, form.Check6,
                             form.Check7, form.Check8});
    for (QWidget* control : bold) {
        EXPECT_TRUE(control->font().bold()) << control->metaObject()->className();
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), 8.25);
    }
    for (QWidget* regular : std::vector<QWidget*>{form.txtRGB[0], form.Label3, form.txtDecimal}) {
        EXPECT_FALSE(regular->font().bold());
    }
}

}  // namespace
}  // namespace test
