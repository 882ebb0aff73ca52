// What a screen reader finds in the main window.
#include <QAccessible>

#include "test_support.h"

namespace test {
namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QStringLiteral("<no interface>");
}

QString Name(QWidget* widget) { return AccessibleText(widget, QAccessible::Name); }

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, EveryControlThatTakesTheFocusHasAName) {
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        EXPECT_FALSE(Name(widget).isEmpty()) << widget->metaObject()->className() << " at "
                                             << widget->x() << "," << widget->y();
    }
}

TEST_F(AccessibilityTest, ControlsAreNamedByTheirCaptionOrTooltip) {
    EXPECT_EQ(Name(form.cmdFarben[0]), "Copy");
    EXPECT_EQ(Name(form.cmdFarben[11]), "Ende");
    EXPECT_EQ(Name(form.cmdFarben[1]), "Farbe Speichern");
    EXPECT_EQ(Name(form.cmdFarben[2]), "Hochzählen/Stoppen");
    EXPECT_EQ(Name(form.txtFarbe16[14]), "VGA-türkis/aqua");
    EXPECT_EQ(Name(form.txtRGB[1]), "Grün");
    EXPECT_EQ(Name(form.txtDecimal), "Decimal Zeigen/Eingeben");
    EXPECT_EQ(Name(form.Check1), "Text nur bei VGA-Farben möglich");
}

TEST_F(AccessibilityTest, SwatchesAndSlotsAreNamedByTheirCurrentColour) {
    EXPECT_EQ(Name(form.txtFarbe[17]), "FF0000");
    EXPECT_EQ(Name(form.txtFarbe[6]), "C0C0FF");
    EXPECT_EQ(Name(Slot(0)), "FFFFFF");
    EXPECT_EQ(AccessibleText(Slot(0), QAccessible::Description),
              "Mit Dbl-Click Löschen");

    form.txtFarbe_Click(18);
    form.StoreCustomColor();
    EXPECT_EQ(Name(Slot(0)), "FF8000");
    form.txtFarbe_DblClick(48);
    EXPECT_EQ(Name(Slot(0)), "FFFFFF");
}

TEST_F(AccessibilityTest, TheDisplayAndTheCodeFieldTellTheirRoleAndValue) {
    form.txtFarbe_Click(22);  // blue
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(form.txtFarbe[kDisplay]);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->text(QAccessible::Name), "Ausgewählte Farbe");
    EXPECT_EQ(display->text(QAccessible::Description), "0000FF");
    EXPECT_TRUE(display->state().readOnly);

    QAccessibleInterface* code = QAccessible::queryAccessibleInterface(Code());
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->role(), QAccessible::EditableText);
    EXPECT_EQ(code->text(QAccessible::Name), "RGB-Farb-Code, Eingabe+Return");
    EXPECT_EQ(code->text(QAccessible::Value), "0000FF");
}

}  // namespace
}  // namespace test
