// Read access to the main window's private state, for the tests.
#pragma once

#include <string>

#include "frm_farben.h"

class frmFarbenInspector {
public:
    explicit frmFarbenInspector(const frmFarben& form) : mForm(form) {}

    bool RgbActive() const { return mForm.mRgbActive; }
    bool Updating() const { return mForm.mUpdating; }
    const std::string& Version() const { return mForm.mVersion; }
    const std::string& HexCode() const { return mForm.mHexCode; }

    // Component 0 red, 1 green, 2 blue.
    bool Up(int component) const { return Flags(component).up; }
    bool Down(int component) const { return Flags(component).down; }
    bool ResumeUp(int component) const { return Flags(component).resumeUp; }

private:
    struct CounterFlags {
        bool up;
        bool down;
        bool resumeUp;
    };
    CounterFlags Flags(int component) const {
        switch (component) {
            case 0: return {mForm.mRedUp, mForm.mRedDown, mForm.mRedResumeUp};
            case 1: return {mForm.mGreenUp, mForm.mGreenDown, mForm.mGreenResumeUp};
            default: return {mForm.mBlueUp, mForm.mBlueDown, mForm.mBlueResumeUp};
        }
    }

    const frmFarben& mForm;
};
