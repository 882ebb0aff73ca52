// Read access to the main window's private state, for the tests.
#pragma once

#include <string>

#include "frm_farben.h"

class frmFarbenInspector {
public:
    explicit frmFarbenInspector(const frmFarben& form) : f(form) {}
    bool RgbActive() const { return f.mRgbActive; }
    bool Updating() const { return f.mUpdating; }
    // A counter's flags: "U" moving up, "D" moving down, "u" resuming upward, or "-" each.
    std::string Flags(int component) const {
        const bool flags[3][3] = {{f.mRedUp, f.mRedDown, f.mRedResumeUp}, {f.mGreenUp, f.mGreenDown, f.mGreenResumeUp},
                                  {f.mBlueUp, f.mBlueDown, f.mBlueResumeUp}};
        const bool* c = flags[component];
        return std::string(c[0] ? "U" : "-") + (c[1] ? "D" : "-") + (c[2] ? "u" : "-");
    }

private:
    const frmFarben& f;
};
