// The design of the main window: places, captions, tooltips and colours of its
// controls, as they are when the window is created. Positions and sizes are in
// twips, measured from the top-left corner of the control's container.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "units.h"

namespace design {

using tk::TwipsRect;

inline constexpr std::string_view kCaption = "Marvanta";
inline constexpr int kClientWidth = 5880;
inline constexpr int kClientHeight = 2595;

inline constexpr TwipsRect kFrame2 = {0, 0, 735, 2295};   // VGA palette
inline constexpr TwipsRect kFrame1 = {720, 0, 2175, 2295};  // chart and custom slots

// The chart and the custom slots form one grid of 8 x 8 boxes in Frame1; the
// VGA palette is a grid of 2 columns x 8 rows in Frame2. Neighbouring boxes
// overlap a little.
inline constexpr int kGridColumns = 8;
inline constexpr int kVgaRows = 8;
inline constexpr int kBoxOrigin = 120;  // left of column 0
inline constexpr int kBoxTopOrigin = 240;  // top of row 0
inline constexpr int kBoxPitch = 240;
inline constexpr int kBoxWidth = 255;
inline constexpr int kBoxHeight = 285;

constexpr TwipsRect GridBox(int column, int row) {
    return {kBoxOrigin + kBoxPitch * column, kBoxTopOrigin + kBoxPitch * row, kBoxWidth,
            kBoxHeight};
}

// txtFarbe indexes.
inline constexpr int kChartCount = 48;          // 0 to 47
inline constexpr int kFirstSlot = 48;           // custom slots 48 to 63
inline constexpr int kLastSlot = 63;
inline constexpr int kDisplay = 64;             // the colour display
inline constexpr int kCodeField = 65;           // the HTML code field
inline constexpr std::size_t kColourBoxCount = 66;
inline constexpr std::size_t kVgaColourCount = 16;
inline constexpr std::size_t kComponentCount = 3;

// The colour chart, RRGGBB, index = 8 * row + column: a grey scale in column 0,
// then red, orange, yellow, green, cyan, blue and magenta from pale to dark.
inline constexpr std::array<std::uint32_t, kChartCount> kChartColours = {
    0xFFFFFF, 0xFFC0C0, 0xFFE0C0, 0xFFFFC0, 0xC0FFC0, 0xC0FFFF, 0xC0C0FF, 0xFFC0FF,
    0xE0E0E0, 0xFF8080, 0xFFC080, 0xFFFF80, 0x80FF80, 0x80FFFF, 0x8080FF, 0xFF80FF,
    0xC0C0C0, 0xFF0000, 0xFF8000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF,
    0x808080, 0xC00000, 0xC04000, 0xC0C000, 0x00C000, 0x00C0C0, 0x0000C0, 0xC000C0,
    0x404040, 0x800000, 0x804000, 0x808000, 0x008000, 0x008080, 0x000080, 0x800080,
    0x000000, 0x400000, 0x804040, 0x404000, 0x004000, 0x004040, 0x000040, 0x400040,
};

inline constexpr std::string_view kSlotTooltipEven = "Mit Dbl-Click Löschen";
inline constexpr std::string_view kSlotTooltipOdd = "Selbstdefinierte Farben";

struct FieldDesign {
    TwipsRect place;
    std::string_view tooltip;
};
inline constexpr FieldDesign kCodeFieldDesign = {{3480, 1320, 2055, 285},
                                                 "RGB-Farb-Code, Eingabe+Return"};
inline constexpr FieldDesign kDisplayDesign = {{3480, 1680, 2055, 525}, "Ausgewählte Farbe"};
inline constexpr FieldDesign kDecimalDesign = {{3000, 2295, 855, 285}, "Decimal Zeigen/Eingeben"};

// One column per component: heading, field.
struct ComponentDesign {
    std::string_view heading;
    TwipsRect headingPlace;
    TwipsRect fieldPlace;
};
inline constexpr std::array<ComponentDesign, kComponentCount> kComponents = {{
    {"Rot", {3240, 0, 495, 255}, {3240, 240, 495, 285}},
    {"Grün", {4080, 0, 495, 255}, {4080, 240, 495, 285}},
    {"Blau", {4920, 0, 495, 255}, {4920, 240, 495, 285}},
}};
inline constexpr std::string_view kComponentStartText = "0";

enum class Picture { None, UpTriangle, DownTriangle, SaveArrow };

struct ButtonDesign {
    std::string_view caption;
    Picture picture;
    TwipsRect place;
    std::string_view tooltip;
    int component = -1;  // the counter's column it belongs to, 0 red, 1 green, 2 blue
};
// cmdFarben, by index.
inline constexpr std::array<ButtonDesign, 12> kButtons = {{
    {"&Copy", Picture::None, {3240, 1080, 735, 255}, "In Zwischen-Ablage Kopieren"},
    {"", Picture::SaveArrow, {3000, 1695, 495, 495}, "Farbe Speichern"},
    {"", Picture::UpTriangle, {3720, 180, 375, 195}, "Hochzählen/Stoppen", 0},
    {"", Picture::DownTriangle, {3720, 360, 375, 195}, "Runterzählen/Stoppen", 0},
    {"", Picture::UpTriangle, {4560, 180, 375, 195}, "Hochzählen/Stoppen", 1},
    {"", Picture::DownTriangle, {4560, 360, 375, 195}, "Runterzählen/Stoppen", 1},
    {"", Picture::UpTriangle, {5400, 180, 375, 195}, "Hochzählen/Stoppen", 2},
    {"", Picture::DownTriangle, {5400, 360, 375, 195}, "Runterzählen/Stoppen", 2},
    {"&Stopp", Picture::None, {4080, 1080, 855, 255}, "Alles Stoppen"},
    {"St&art", Picture::None, {5040, 1080, 735, 255}, "Alles Starten"},
    {"X L", Picture::None, {5580, 1410, 255, 735}, "FarbenXL"},
    {"&Ende", Picture::None, {3960, 2250, 1815, 330}, ""},
}};

struct CheckDesign {
    std::string_view caption;
    TwipsRect place;
    std::string_view tooltip;
    bool ticked;
    int component = -1;  // as for the buttons
};
inline constexpr CheckDesign kCheck1 = {"VGA-Farbe-Text", {0, 2295, 1695, 255},
                                        "Text nur bei VGA-Farben möglich", false};
// Check3 to Check5 ("5-er") and Check6 to Check8 ("Tipp"), red, green, blue.
inline constexpr std::array<CheckDesign, 3> kFiveStepChecks = {{
    {"5-er", {3360, 600, 735, 195}, "5-er Schritte", true, 0},
    {"5-er", {4200, 600, 735, 195}, "5-er Schritte", true, 1},
    {"5-er", {5040, 600, 735, 195}, "5-er Schritte", true, 2},
}};
inline constexpr std::array<CheckDesign, 3> kTippChecks = {{
    {"Tipp", {3360, 840, 735, 195}, "Tippen", false, 0},
    {"Tipp", {4200, 840, 735, 195}, "Tippen", false, 1},
    {"Tipp", {5040, 840, 735, 195}, "Tippen", false, 2},
}};

inline constexpr TwipsRect kLabel3 = {1920, 2295, 975, 255};

// The tab order, as runs of indexes of one kind of control, counted up or
// down from `from` to `to`; the first control has the focus at start.
enum class Control { Check1, VgaBox, Button, Component, ColourBox, FiveStep, Tipp, Decimal };
struct TabRun {
    Control control;
    int from;
    int to;
};
inline constexpr std::array<TabRun, 17> kTabOrder = {{
    {Control::Check1, 0, 0},
    {Control::VgaBox, 15, 0},
    {Control::Button, 9, 8},
    {Control::Component, 2, 2},
    {Control::Button, 7, 6},
    {Control::Component, 1, 1},
    {Control::Button, 5, 4},
    {Control::ColourBox, 0, kLastSlot},
    {Control::Button, 3, 2},
    {Control::Component, 0, 0},
    {Control::Button, 1, 0},
    {Control::ColourBox, kCodeField, kDisplay},
    {Control::FiveStep, 0, 2},
    {Control::Tipp, 0, 2},
    {Control::Button, 11, 11},
    {Control::Decimal, 0, 0},
    {Control::Button, 10, 10},
}};

// Timer intervals at start, in milliseconds.
inline constexpr int kTimer1Start = 100;

// The font of buttons, check boxes and component headings; the substitutes
// keep its size and weight where it is missing.
inline constexpr std::array<std::string_view, 3> kFontFamilies = {
    "MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
inline constexpr double kFontPoints = 8.25;

}  // namespace design
