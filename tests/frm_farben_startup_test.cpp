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

// Every picture at every size and pixel ratio it is drawn for, as the design has it: crisp, not scaled up
// (tests/pictures/; TESSIVO_WRITE_PICTURES=1 writes them anew, to be looked at before they are committed).
// The buttons show theirs.
TEST_F(StartupTest, EveryPictureAtEverySizeAndPixelRatio) {
    const std::tuple<const char*, QIcon, std::vector<QSize>> drawn[] = {
        {"stripes", pictures::StripesIcon(), {{16, 16}, {32, 32}, {48, 48}}},
        {"up", pictures::UpTriangle(), {pictures::kTriangleSize}}, {"down", pictures::DownTriangle(), {pictures::kTriangleSize}},
        {"save", pictures::SaveArrow(), {{16, 16}, pictures::kSaveArrowSize}}};
    for (const auto& [name, icon, sizes] : drawn) {
        for (const QSize size : sizes) {
            for (const int ratio : {1, 2, 3}) {
                const QImage image = icon.pixmap(size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
                const QString file = QString("%1/%2_%3@%4.png").arg(TESSIVO_PICTURES, name).arg(size.width()).arg(ratio);
                if (qEnvironmentVariableIsSet("TESSIVO_WRITE_PICTURES")) image.save(file);
                EXPECT_EQ(image, QImage(file).convertToFormat(QImage::Format_ARGB32)) << file.toStdString();
            }
        }
    }
    for (std::size_t i = 1; i <= 7; ++i) {
        const auto& [name, shows, sizes] = drawn[i == 1 ? 3 : i % 2 ? 2 : 1];
        EXPECT_EQ(form.cmdFarben[i]->icon().pixmap(sizes.back(), 2).toImage(), shows.pixmap(sizes.back(), 2).toImage());
        EXPECT_EQ(form.cmdFarben[i]->iconSize(), sizes.back()) << name;
    }
}

}  // namespace
}  // namespace test
