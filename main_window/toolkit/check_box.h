// A check box whose value is 0 (unticked) or 1 (ticked). Its click handler
// runs whenever the value changes: by the user (mouse, space bar or a screen
// reader's "Toggle") or by a program step, inside that step. Writing the value
// it already has runs nothing. While its window takes no input, the user's
// changes are taken back at once and run nothing.
#pragma once

#include <QCheckBox>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <functional>

#include "window.h"

namespace tk {

class CheckBox : public QCheckBox {
public:
    static constexpr int kUnticked = 0;
    static constexpr int kTicked = 1;

    explicit CheckBox(QWidget* parent) : QCheckBox(parent) {
        // toggled is emitted for every change of the value and only then,
        // whether the user or the program changed it.
        connect(this, &QCheckBox::toggled, this, [this](bool ticked) {
            if (!mWriting && !TakesInput(*this)) {
                const QSignalBlocker quiet(this);
                setChecked(!ticked);
                return;
            }
            if (mOnClick) mOnClick();
        });
    }

    int Value() const { return isChecked() ? kTicked : kUnticked; }
    void SetValue(int value) {
        const QScopedValueRollback<bool> writing(mWriting, true);
        setChecked(value != kUnticked);
    }

    void OnClick(std::function<void()> handler) { mOnClick = std::move(handler); }

private:
    bool mWriting = false;  // the program sets the value
    std::function<void()> mOnClick;
};

}  // namespace tk
