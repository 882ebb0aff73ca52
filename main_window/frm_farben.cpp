// Creating the main window from its design, and its start-up.
#include "frm_farben.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontDatabase>

#include "frm_farben_design.h"
#include "frm_farben_xl.h"
#include "pictures.h"
#include "vga_colour_table.h"

namespace {

constexpr std::string_view kVersion = "V 0.04";

// The first installed family of the design's list. Asking for a family that
// is not installed sends the font matcher on a costly search for a
// substitute, at every start.
QFont DesignFont(bool bold) {
    QFont font;
    for (const std::string_view name : design::kFontFamilies) {
        const QString family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSizeF(design::kFontPoints);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Puts a control in its place. Its tooltip is also what a screen reader
// reads as its name, unless it has a better one (and, as ever, its description).
template <class Control>
Control* Place(Control* control, const tk::TwipsRect& place, std::string_view tooltip = {}) {
    control->setGeometry(tk::ToPixels(place));
    if (!tooltip.empty()) {
        control->setToolTip(FromUtf8(tooltip));
        control->setAccessibleName(FromUtf8(tooltip));
    }
    return control;
}

// A control that stands once per component is told apart by it, for a screen
// reader: "Rot: 5-er Schritte". Other check boxes are named by their caption.
template <class Design>
void NameForScreenReader(QWidget* control, const Design& design) {
    if (design.component >= 0) {
        const auto& column = design::kComponents[static_cast<std::size_t>(design.component)];
        control->setAccessibleName(FromUtf8(column.heading) + QStringLiteral(": ") + FromUtf8(design.tooltip));
    }
}

QIcon PictureIcon(design::Picture picture) {
    switch (picture) {
        case design::Picture::UpTriangle: return pictures::UpTriangle();
        case design::Picture::DownTriangle: return pictures::DownTriangle();
        case design::Picture::SaveArrow: return pictures::SaveArrow();
        case design::Picture::None: break;
    }
    return {};
}

QSize PictureSize(design::Picture picture) {
    return picture == design::Picture::SaveArrow ? pictures::kSaveArrowSize
                                                 : pictures::kTriangleSize;
}

}  // namespace

frmFarben::frmFarben() {
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    Form_Load();
}

frmFarben::~frmFarben() = default;

// Every control gets its design-time values before any handler is connected,
// so that none of them runs for these.
void frmFarben::CreateControls() {
    using namespace design;
    const QFont regular = DesignFont(false);
    const QFont bold = DesignFont(true);
    setFont(regular);
    SetCaption(kCaption);
    setWindowIcon(pictures::StripesIcon());
    setFixedSize(tk::TwipsToPixels(kClientWidth), tk::TwipsToPixels(kClientHeight));

    Frame2 = Place(new tk::Frame(this), kFrame2);
    Frame1 = Place(new tk::Frame(this), kFrame1);

    for (int i = 0; i < kChartCount; ++i) {
        auto* box = Place(new tk::TextBox(Frame1), GridBox(i % kGridColumns, i / kGridColumns));
        box->SetBackColor(tk::FromRrggbb(kChartColours[static_cast<std::size_t>(i)]));
        txtFarbe[static_cast<std::size_t>(i)] = box;
    }
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        txtFarbe[static_cast<std::size_t>(i)] =
            Place(new tk::TextBox(Frame1), GridBox(i % kGridColumns, i / kGridColumns),
                  i % 2 == 0 ? kSlotTooltipEven : kSlotTooltipOdd);
    }
    txtFarbe[kDisplay] = Place(new tk::TextBox(this), kDisplayDesign.place, kDisplayDesign.tooltip);
    txtFarbe[kCodeField] =
        Place(new tk::TextBox(this), kCodeFieldDesign.place, kCodeFieldDesign.tooltip);
    // Swatches and slots are known by their colour; the display by its tooltip
    // and its colour. The display takes no text.
    for (int i = 0; i <= kLastSlot; ++i) {
        txtFarbe[static_cast<std::size_t>(i)]->MakeColourField();
        txtFarbe[static_cast<std::size_t>(i)]->AnnounceColour(
            tk::TextBox::ColourAnnouncement::AsName);
    }
    txtFarbe[kDisplay]->setReadOnly(true);
    txtFarbe[kDisplay]->AnnounceColour(tk::TextBox::ColourAnnouncement::AfterTooltip);

    for (std::size_t i = 0; i < colour::kVgaColourCount; ++i) {
        const auto& vga = colour::VgaColorTable[i];
        const int index = static_cast<int>(i);
        auto* box = Place(new tk::TextBox(Frame2), GridBox(index / kVgaRows, index % kVgaRows),
                          vga.tooltip);
        box->SetBackColor(vga.value);
        box->MakeColourField();
        txtFarbe16[i] = box;
    }

    for (std::size_t k = 0; k < kComponents.size(); ++k) {
        Label1[k] = Place(new tk::Label(this), kComponents[k].headingPlace);
        Label1[k]->SetCaption(kComponents[k].heading);
        Label1[k]->setFont(bold);
        txtRGB[k] = Place(new tk::TextBox(this), kComponents[k].fieldPlace);
        txtRGB[k]->setAccessibleName(FromUtf8(kComponents[k].heading));
        txtRGB[k]->SetText(kComponentStartText);
    }

    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonDesign& design = kButtons[i];
        auto* button = Place(new tk::CommandButton(this), design.place, design.tooltip);
        NameForScreenReader(button, design);
        button->setFont(bold);
        if (design.picture == Picture::None) {
            button->SetCaption(design.caption);
        } else {
            button->SetPicture(PictureIcon(design.picture), PictureSize(design.picture));
        }
        cmdFarben[i] = button;
    }

    const auto makeCheck = [&](const CheckDesign& design) {
        auto* check = Place(new tk::CheckBox(this), design.place, design.tooltip);
        check->setAccessibleName(FromUtf8(design.caption));
        NameForScreenReader(check, design);
        check->setText(FromUtf8(design.caption));
        check->setFont(bold);
        check->SetValue(design.ticked ? tk::CheckBox::kTicked : tk::CheckBox::kUnticked);
        return check;
    };
    Check1 = makeCheck(kCheck1);
    Check3 = makeCheck(kFiveStepChecks[0]);
    Check4 = makeCheck(kFiveStepChecks[1]);
    Check5 = makeCheck(kFiveStepChecks[2]);
    Check6 = makeCheck(kTippChecks[0]);
    Check7 = makeCheck(kTippChecks[1]);
    Check8 = makeCheck(kTippChecks[2]);

    Label3 = Place(new tk::Label(this), kLabel3);
    txtDecimal = Place(new tk::TextBox(this), kDecimalDesign.place, kDecimalDesign.tooltip);
    txtDecimal->UseWindowBackground();

    Timer1.SetInterval(kTimer1Start);
}

QWidget* frmFarben::ControlOf(design::Control control, int index) const {
    const auto i = static_cast<std::size_t>(index);
    switch (control) {
        case design::Control::Check1: return Check1;
        case design::Control::VgaBox: return txtFarbe16.at(i);
        case design::Control::Button: return cmdFarben.at(i);
        case design::Control::Component: return txtRGB.at(i);
        case design::Control::ColourBox: return txtFarbe.at(i);
        case design::Control::FiveStep: return std::array{Check3, Check4, Check5}.at(i);
        case design::Control::Tipp: return std::array{Check6, Check7, Check8}.at(i);
        case design::Control::Decimal: return txtDecimal;
    }
    return nullptr;
}

void frmFarben::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const design::TabRun& run : design::kTabOrder) {
        const int step = run.to >= run.from ? 1 : -1;
        for (int index = run.from;; index += step) {
            QWidget* control = ControlOf(run.control, index);
            if (previous) setTabOrder(previous, control);
            previous = control;
            if (index == run.to) break;
        }
    }
    Check1->setFocus(Qt::OtherFocusReason);
}

void frmFarben::ConnectHandlers() {
    // Every handler of the controls runs through here.
    const auto handler = [this](auto run) {
        return [this, run](auto&... arguments) {
            HandlerRuns();
            run(arguments...);
        };
    };
    for (std::size_t i = 0; i < txtFarbe.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        txtFarbe[i]->OnKeyPress(handler([this, index](int& key) { txtFarbe_KeyPress(index, key); }));
        txtFarbe[i]->OnClick(handler([this, index] { txtFarbe_Click(index); }));
        txtFarbe[i]->OnDblClick(handler([this, index] { txtFarbe_DblClick(index); }));
    }
    // The code field has no change handler of its own; an edit there still
    // counts, for the deferred update may put the computed code back.
    txtFarbe[design::kCodeField]->OnChange(handler([] {}));
    for (std::size_t i = 0; i < txtFarbe16.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        txtFarbe16[i]->OnClick(handler([this, index] { txtFarbe16_Click(index); }));
    }
    for (std::size_t i = 0; i < txtRGB.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        txtRGB[i]->OnKeyPress(handler([this, index](int& key) { txtRGB_KeyPress(index, key); }));
        txtRGB[i]->OnChange(handler([this, index] { txtRGB_Change(index); }));
    }
    for (std::size_t i = 0; i < cmdFarben.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        cmdFarben[i]->OnClick(handler([this, index] { cmdFarben_Click(index); }));
    }
    txtDecimal->OnKeyPress(handler([this](int& key) { txtDecimal_KeyPress(key); }));
    txtDecimal->OnChange(handler([this] { txtDecimal_Change(); }));
    Check1->OnClick(handler([this] { Check1_Click(); }));
    ConnectTimers();
}

void frmFarben::Form_Load() {
    mVersion = kVersion;
    SetCaption(Caption() + " " + mVersion);
}

tk::ColourValue frmFarben::DisplayColour() const { return txtFarbe[design::kDisplay]->BackColor(); }

// Closing the main window ends the program, also while the large window is open.
void frmFarben::closeEvent(QCloseEvent* event) {
    if (mFarbenXL) mFarbenXL->Close();
    tk::Window::closeEvent(event);
}
