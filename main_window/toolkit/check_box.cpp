#include "check_box.h"

#include "control_change.h"
#include "handler_nesting.h"

namespace tk {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    // toggled is emitted for every change of the value and only then, whether
    // the user or the program changed it.
    connect(this, &QCheckBox::toggled, this, [this] {
        NoteControlChange();
        if (mOnClick) {
            const HandlerNesting::Run run;
            mOnClick();
        }
    });
}

}  // namespace tk
