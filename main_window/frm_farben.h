// The main window: colour chart and custom slots, VGA palette, colour display,
// the colour in three notations, the component counters and the command buttons.
//
// The controls themselves hold the current colour: the display's background
// colour and the texts of the component, code and decimal fields. Handlers are
// named after their control and event, and the window procedures they share
// after what they do.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "check_box.h"
#include "frm_farben_design.h"
#include "command_button.h"
#include "frame.h"
#include "label.h"
#include "large_window_owner.h"
#include "text_box.h"
#include "timer.h"
#include "window.h"

class frmFarbenXL;

class frmFarben : public tk::Window, public LargeWindowOwner {
public:
    frmFarben();
    ~frmFarben() override;

    // Controls, by the names of the window design.
    std::array<tk::TextBox*, design::kColourBoxCount> txtFarbe{};  // chart, slots, display, code
    std::array<tk::TextBox*, design::kVgaColourCount> txtFarbe16{};  // VGA palette
    std::array<tk::TextBox*, design::kComponentCount> txtRGB{};     // red, green, blue
    std::array<tk::Label*, design::kComponentCount> Label1{};
    std::array<tk::CommandButton*, design::kButtons.size()> cmdFarben{};
    tk::TextBox* txtDecimal = nullptr;
    tk::CheckBox* Check1 = nullptr;  // VGA text mode
    tk::CheckBox* Check3 = nullptr;  // "5-er" red, green, blue
    tk::CheckBox* Check4 = nullptr;
    tk::CheckBox* Check5 = nullptr;
    tk::CheckBox* Check6 = nullptr;  // "Tipp" red, green, blue
    tk::CheckBox* Check7 = nullptr;
    tk::CheckBox* Check8 = nullptr;
    tk::Label* Label3 = nullptr;
    tk::Frame* Frame1 = nullptr;
    tk::Frame* Frame2 = nullptr;
    tk::Timer Timer1;  // red counter
    tk::Timer Timer2;  // green counter
    tk::Timer Timer3;  // blue counter
    tk::Timer Timer4;  // deferred update after component entry

    // Event handlers.
    void Form_Load();
    void txtRGB_KeyPress(std::int16_t Index, int& KeyCode);
    void txtRGB_Change(std::int16_t Index);
    void txtDecimal_KeyPress(int& KeyCode);
    void txtDecimal_Change();
    void Timer4_Timer();
    void txtFarbe_KeyPress(std::int16_t Index, int& KeyCode);
    void txtFarbe_Click(std::int16_t Index);
    void txtFarbe_DblClick(std::int16_t Index);
    void txtFarbe16_Click(std::int16_t Index);
    void Check1_Click();
    void cmdFarben_Click(std::int16_t Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // LargeWindowOwner
    tk::ColourValue DisplayColour() const override;
    void StoreCustomColor() override;

    // The large colour window while it is open.
    frmFarbenXL* LargeWindow() const { return mFarbenXL.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class frmFarbenInspector;  // read access for the tests

    struct CounterColumns;
    static const std::array<CounterColumns, 3> kCounters;

    void CreateControls();
    void ConnectHandlers();
    // When the timers tick (frm_farben_ticks.cpp).
    void ConnectTimers();
    void HandlerRuns();
    void SetTabOrder();
    QWidget* ControlOf(design::Control control, int index) const;

    // Window procedures.
    void ArmRgbUpdate();
    void HexToDecimal();
    void ShowRgbColor();
    bool ComposeFromComponents();
    void ShowColorValue();
    void DecimalToRgb();
    void HtmlCodeToRgb();
    void UntickTextModeKeepingColour();
    void ResetComponents();
    void WriteCodeAndComponents(tk::ColourValue value);
    void WriteComponentFromCode(int k);
    void PickColour(const tk::TextBox& source);

    // Component counters.
    enum class Direction { Up, Down };
    void Press(const CounterColumns& counter, Direction direction);
    void StopAll();
    void StartAll();
    void PressCounterButton(std::int16_t Index);
    void CounterTick(const CounterColumns& counter);
    bool CounterStands(std::size_t k) const;
    void CounterStep(const CounterColumns& counter, Direction direction);

    void CopyCode();
    void ShowLarge();

    std::string mVersion;
    std::string mHexCode;
    std::string mColorValue;
    std::string mDecimalIn;
    std::string mHexIn;
    std::int64_t mHexValue = 0;
    bool mRgbActive = false;
    bool mUpdating = false;
    bool mRedUp = false;
    bool mRedDown = false;
    bool mGreenUp = false;
    bool mGreenDown = false;
    bool mBlueUp = false;
    bool mBlueDown = false;
    bool mRedResumeUp = false;
    bool mGreenResumeUp = false;
    bool mBlueResumeUp = false;

    // Also a child of this window for the window system (it is owned by it);
    // the member is destroyed before this window's QWidget part, which keeps
    // the two ownerships from ever deleting it twice.
    std::unique_ptr<frmFarbenXL> mFarbenXL;
};
