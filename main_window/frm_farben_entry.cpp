// Typed colours: the component fields, the decimal field and the HTML code
// field, and the deferred update that turns component entry into a colour.
#include <array>

#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_design.h"
#include "key_codes.h"

using namespace colour;

namespace {

using tk::kBackspace;
using tk::kDiscard;
using tk::kEnter;
constexpr int kDeferredUpdateInterval = 50;  // ms
constexpr std::string_view kZero = "0";

bool IsHexLetter(int code) { return (code >= 'A' && code <= 'F') || (code >= 'a' && code <= 'f'); }

void AdmitDigitsOnly(int& KeyCode) {
    if (!IsDigit(KeyCode) && KeyCode != kBackspace) KeyCode = kDiscard;
}

}  // namespace

void frmFarben::txtRGB_KeyPress(std::int16_t /*Index*/, int& KeyCode) { AdmitDigitsOnly(KeyCode); }

void frmFarben::txtDecimal_KeyPress(int& KeyCode) { AdmitDigitsOnly(KeyCode); }

void frmFarben::txtRGB_Change(std::int16_t Index) {
    tk::TextBox& field = *txtRGB[static_cast<std::size_t>(Index)];
    field.PlaceCaretAtEnd();
    // A value above 255 is corrected in place; the write runs this handler
    // again for the corrected text. (The field holds digits only.)
    if (LeadingNumber(field.Text()) > kComponentMax) field.SetText(DecimalText(kComponentMax));
    ArmRgbUpdate();
}

void frmFarben::ArmRgbUpdate() {
    mRgbActive = true;
    Timer4.SetInterval(kDeferredUpdateInterval);
}

void frmFarben::Timer4_Timer() {
    if (txtRGB[0]->Text().empty() || txtRGB[1]->Text().empty() || txtRGB[2]->Text().empty() ||
        !mRgbActive) {
        return;
    }
    if (!ComposeFromComponents()) return;
    txtFarbe[design::kCodeField]->SetText(mHexCode);
    ShowColorValue();
    // A changed decimal text runs txtDecimal_Change, and with it DecimalToRgb.
    txtDecimal->SetText(DecimalText(txtFarbe[design::kDisplay]->BackColor()));
}

void frmFarben::txtDecimal_Change() {
    // Corrected in place; the write runs this handler to its end first.
    if (LeadingNumber(txtDecimal->Text()) > kWhite) txtDecimal->SetText(DecimalText(kWhite));
    if (const auto colourValue = NearestInteger(LeadingNumber(txtDecimal->Text()))) {
        txtFarbe[design::kDisplay]->SetBackColor(*colourValue);
    }
    DecimalToRgb();
}

void frmFarben::DecimalToRgb() {
    UntickTextModeKeepingColour();
    mRgbActive = false;
    ResetComponents();
    WriteCodeAndComponents(txtFarbe[design::kDisplay]->BackColor());
}

// An entry leaves VGA text mode. Unticking the box runs its click handling,
// which empties the code field and paints the display white; the entry then
// goes on from the colour and the code the user entered, not from white.
void frmFarben::UntickTextModeKeepingColour() {
    if (Check1->Value() == tk::CheckBox::kUnticked) return;
    tk::TextBox& display = *txtFarbe[design::kDisplay];
    tk::TextBox& code = *txtFarbe[design::kCodeField];
    const tk::ColourValue entered = display.BackColor();
    const std::string typed = code.Text();
    Check1->SetValue(tk::CheckBox::kUnticked);
    display.SetBackColor(entered);
    code.SetText(typed);
}

void frmFarben::ResetComponents() {
    for (tk::TextBox* field : txtRGB) field->SetText(kZero);
}

// The code of a colour value into the code field, then each component from
// its pair of the code, the display following after each one.
void frmFarben::WriteCodeAndComponents(tk::ColourValue value) {
    mDecimalIn = DecimalText(value);
    mHexCode = HexCodeFromColourValue(TextToInteger(mDecimalIn).value_or(0));
    tk::TextBox& code = *txtFarbe[design::kCodeField];
    code.SetText(mHexCode);
    for (int k = 0; k < 3; ++k) WriteComponentFromCode(k);
}

// Component k from its pair of the code field, read back from the field; the
// display follows at once.
void frmFarben::WriteComponentFromCode(int k) {
    mHexIn = CodePair(txtFarbe[design::kCodeField]->Text(), k);
    HexToDecimal();
    txtRGB[static_cast<std::size_t>(k)]->SetText(DecimalText(mHexValue));
    ShowRgbColor();
}

void frmFarben::ShowRgbColor() {
    if (ComposeFromComponents()) ShowColorValue();
}

// The colour of the three component texts: hex code, reversed code, value.
// A component field left empty leaves everything as it was.
bool frmFarben::ComposeFromComponents() {
    std::optional<std::string> code =
        HexCodeFromComponents(txtRGB[0]->Text(), txtRGB[1]->Text(), txtRGB[2]->Text());
    if (!code) return false;
    mHexCode = *code;
    mHexIn = SwapOuterPairs(mHexCode);
    HexToDecimal();
    mColorValue = DecimalText(mHexValue);
    return true;
}

void frmFarben::ShowColorValue() {
    if (const auto value = TextToInteger(mColorValue)) {
        txtFarbe[design::kDisplay]->SetBackColor(*value);
    }
}

void frmFarben::HexToDecimal() {
    if (mHexIn.empty()) return;
    mHexValue = HexDigitsToNumber(mHexIn);
}

void frmFarben::txtFarbe_KeyPress(std::int16_t Index, int& KeyCode) {
    if (Index != design::kCodeField) return;
    constexpr int kLowerToUpper = 'a' - 'A';
    if (!IsDigit(KeyCode) && !IsHexLetter(KeyCode) && KeyCode != kBackspace &&
        KeyCode != kEnter) {
        KeyCode = kDiscard;
    }
    if (KeyCode >= 'a') KeyCode -= kLowerToUpper;
    // Enter is looked for first: the other conditions concern it alone.
    if (KeyCode == kEnter && !mUpdating &&
        txtFarbe[design::kCodeField]->Length() <= static_cast<int>(kHexCodeLength)) {
        HtmlCodeToRgb();
    }
}

void frmFarben::HtmlCodeToRgb() {
    UntickTextModeKeepingColour();
    tk::TextBox& code = *txtFarbe[design::kCodeField];
    if (!mRgbActive) {
        if (code.Length() > 0) ResetComponents();
        // A pair is converted when the code reaches into it; a pair cut short
        // is read as the one digit there.
        for (int k = 0; k < 3; ++k) {
            if (code.Length() > 2 * k) WriteComponentFromCode(k);
        }
    }
    txtDecimal->SetText(DecimalText(txtFarbe[design::kDisplay]->BackColor()));
}
