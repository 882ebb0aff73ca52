// The main window as the user first sees it: start values, fonts and pictures.
#include "pictures.h"
#include "test_support.h"

namespace test {
namespace {

using StartupTest = WindowTest;

// What is not seen from outside: the state behind the first screen, the check boxes' values and captions
// (a screen reader hears their names), the fonts. (Title, colours, names, tooltips and the Tab chain are
// read from outside, end to end.)
TEST_F(StartupTest, StartValuesCaptionsAndFonts) {
    EXPECT_EQ(Shown(), "FFFFFF - - | 0 0 0") << "nothing runs for the design values";
    EXPECT_FALSE(state.RgbActive());
    EXPECT_EQ(std::vector({form.Timer1.Interval(), form.Timer2.Interval(), form.Timer3.Interval(),
                           form.Timer4.Interval()}), std::vector({100, 0, 0, 0}));
    QStringList checks;
    for (const tk::CheckBox* box : {form.Check1, form.Check3, form.Check4, form.Check5, form.Check6, form.Check7,
                                    form.Check8}) {
        checks << box->text() + (box->Value() == tk::CheckBox::kTicked ? "+" : "");
    }
    EXPECT_EQ(checks.join(' '), "VGA-Farbe-Text 5-er+ 5-er+ 5-er+ Tipp Tipp Tipp");
    const auto bold = [](QWidget* w) { return w->font().bold() && w->font().pointSizeF() == 8.25; };
    EXPECT_TRUE(bold(form.cmdFarben[0]) && bold(form.cmdFarben[10]) && bold(form.Check1) && bold(form.Label1[2]));
    EXPECT_FALSE(bold(form.txtRGB[0]) || bold(form.Label3) || bold(form.txtDecimal));
}

// A colour scheme that changes while the program runs: the white fields keep black text, the decimal
// field, on the window's background, takes the scheme's text colour; selected text stands out.
TEST_F(StartupTest, FieldsFollowAColourSchemeThatChanges) {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (const auto& [role, colour] : {std::pair(QPalette::Window, "#222020"), {QPalette::WindowText, "#ffffff"},
                                       {QPalette::Highlight, "#ffff00"}, {QPalette::HighlightedText, "#ffffff"}}) {
        dark.setColor(role, QColor(colour));
    }
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();  // the widgets learn of it from a posted event
    Code()->SetBackColor(0x000080);        // a background of its own: white text on dark red
    QStringList seen;
    for (QWidget* field : std::initializer_list<QWidget*>{form.txtRGB[1], Code(), form.txtDecimal}) {
        for (const auto role : {QPalette::Base, QPalette::Text, QPalette::HighlightedText}) {
            seen << field->palette().color(role).name();
        }
    }
    EXPECT_EQ(seen.join(' '), "#ffffff #000000 #000000 #800000 #ffffff #000000 #222020 #ffffff #ffffff");
    QApplication::setPalette(before);
    QCoreApplication::sendPostedEvents();
}

// Drawn for the screen's pixel ratio, not scaled up: at 2, the triangles' edges
// and the icon's one-pixel stripes are two pixels wide.
TEST_F(StartupTest, PicturesAreCrispAtPixelRatioTwo) {
    const auto image = [](const QIcon& icon, QSize size) { return icon.pixmap(size, 2).toImage(); };
    const QImage stripes = image(pictures::StripesIcon(), {16, 16});
    const QImage up = image(pictures::UpTriangle(), pictures::kTriangleSize);
    const QImage arrow = image(pictures::SaveArrow(), pictures::kSaveArrowSize);
    EXPECT_EQ(std::vector({stripes.pixel(0, 5), stripes.pixel(1, 5), stripes.pixel(2, 5), stripes.pixel(5, 5),
                           up.pixel(0, 15), up.pixel(15, 0), up.pixel(16, 0), up.pixel(13, 0), arrow.pixel(2, 2),
                           arrow.pixel(40, 24), arrow.pixel(40, 40)}),
              std::vector<QRgb>({0xFFFF0000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFF000000, 0xFF000000,
                                 0xFFFFFFFF, 0, 0xFFC0C0C0, 0xFF000000}));
    EXPECT_TRUE(pictures::SaveArrow().availableSizes().contains(QSize(16, 16))) << "a version for small sizes";
    for (std::size_t i = 1; i <= 7; ++i) {
        const QIcon& shows = i == 1 ? pictures::SaveArrow() : i % 2 ? pictures::DownTriangle() : pictures::UpTriangle();
        EXPECT_EQ(image(form.cmdFarben[i]->icon(), {16, 8}), image(shows, {16, 8})) << i;
        EXPECT_EQ(form.cmdFarben[i]->iconSize(), i == 1 ? pictures::kSaveArrowSize : pictures::kTriangleSize);
    }
}

}  // namespace
}  // namespace test
