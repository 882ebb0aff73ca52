// The main window as the user first sees it: title, texts, start values,
// fonts, focus and pictures.

#include <QAccessible>

#include "pictures.h"
#include "test_support.h"

namespace test {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, TitleAndStartValues) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Marvanta V 0.04"));
    EXPECT_EQ(Shown(), "FFFFFF - - | 0 0 0") << "nothing runs for the design values";
    EXPECT_FALSE(state.RgbActive());
    EXPECT_EQ(std::vector({form.Timer1.Interval(), form.Timer2.Interval(), form.Timer3.Interval(),
                           form.Timer4.Interval()}), std::vector({100, 0, 0, 0}));
    EXPECT_EQ(std::vector({form.Check1->Value(), form.Check3->Value(), form.Check4->Value(), form.Check5->Value(),
                           form.Check6->Value(), form.Check7->Value(), form.Check8->Value()}),
              std::vector({0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(form.txtFarbe[17]->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(form.txtFarbe16[12]->palette().color(QPalette::Base), QColor(0, 0, 255)) << "VGA blue";
    EXPECT_EQ(form.Check3->geometry(), QRect(224, 40, 49, 13)) << "red's 5-er";
    QStringList names;  // a screen reader's
    for (QWidget* w : std::vector<QWidget*>{form.Check1, form.cmdFarben[4], form.Check3, form.Check4, form.Check5,
                                            form.Check6, form.Check8}) {
        names << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
    EXPECT_EQ(names.join(", "), "VGA-Farbe-Text, Grün: Hochzählen/Stoppen, Rot: 5-er Schritte, Grün: 5-er Schritte, "
                                "Blau: 5-er Schritte, Rot: Tippen, Blau: Tippen");
    EXPECT_EQ(std::pair(QAccessible::queryAccessibleInterface(&form)->role(),
                        QAccessible::queryAccessibleInterface(form.Frame1)->role()),
              std::pair(QAccessible::Window, QAccessible::Grouping));
}

TEST_F(StartupTest, EveryCaptionAndTooltip) {
    const std::tuple<QWidget*, const char*, const char*> texts[] = {
        {form.cmdFarben[0], "&Copy", "In Zwischen-Ablage Kopieren"}, {form.cmdFarben[1], "", "Farbe Speichern"},
        {form.cmdFarben[7], "", "Runterzählen/Stoppen"},
        {form.cmdFarben[8], "&Stopp", "Alles Stoppen"}, {form.cmdFarben[9], "St&art", "Alles Starten"},
        {form.cmdFarben[10], "X L", "FarbenXL"}, {form.cmdFarben[11], "&Ende", ""},
        {form.Check1, "VGA-Farbe-Text", "Text nur bei VGA-Farben möglich"}, {form.Check3, "5-er", "5-er Schritte"},
        {form.Check4, "5-er", "5-er Schritte"}, {form.Check5, "5-er", "5-er Schritte"},
        {form.Check6, "Tipp", "Tippen"}, {form.Check7, "Tipp", "Tippen"}, {form.Check8, "Tipp", "Tippen"},
        {form.Label1[0], "Rot", ""}, {form.Label1[1], "Grün", ""}, {form.Label1[2], "Blau", ""},
        {form.Label3, "", ""}, {form.txtFarbe[0], "", ""}, {form.txtRGB[1], "0", ""},
        {form.txtFarbe[kDisplay], "", "Ausgewählte Farbe"},
        {form.txtFarbe[kCode], "", "RGB-Farb-Code, Eingabe+Return"},
        {form.txtDecimal, "", "Decimal Zeigen/Eingeben"}, {form.txtFarbe16[10], "", "VGA-hellgrün/lime"},
        {form.txtFarbe16[15], "", "VGA-weiß/white"}, {Slot(0), "", "Mit Dbl-Click Löschen"},
        {Slot(15), "", "Selbstdefinierte Farben"}};
    QTest::keyClicks(form.txtFarbe[0], "12");  // colour boxes take no text
    QTest::keyClicks(form.txtFarbe16[10], "12");
    for (const auto& [control, caption, tooltip] : texts) {
        EXPECT_EQ(control->property("text").toString().replace('\n', ' '), QString::fromUtf8(caption)) << tooltip;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(tooltip)) << caption;
    }
}

TEST_F(StartupTest, FontsAndFocus) {
    const auto bold = [](QWidget* w) { return w->font().bold() && w->font().pointSizeF() == 8.25; };
    EXPECT_TRUE(bold(form.cmdFarben[0]) && bold(form.cmdFarben[10]) && bold(form.Check1) && bold(form.Label1[2]));
    EXPECT_FALSE(bold(form.txtRGB[0]) || bold(form.Label3) || bold(form.txtDecimal));
    EXPECT_EQ(QApplication::focusWidget(), form.Check1);
    for (const auto& [from, to] : std::vector<std::pair<QWidget*, QWidget*>>{
             {form.Check1, form.txtFarbe16[15]}, {form.txtFarbe16[0], form.cmdFarben[9]},
             {form.txtRGB[0], form.cmdFarben[1]}, {form.txtFarbe[kCode], form.txtFarbe[kDisplay]},
             {form.Check8, form.cmdFarben[11]}, {form.cmdFarben[10], form.Check1}}) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), to);
    }
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
