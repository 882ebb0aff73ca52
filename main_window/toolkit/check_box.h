// A check box whose value is 0 (unticked) or 1 (ticked). Its click handler
// runs whenever the value changes: by the user (mouse or space bar) or by a
// program step, inside that step. Writing the value it already has runs nothing.
#pragma once

#include <QCheckBox>
#include <functional>

namespace tk {

class CheckBox : public QCheckBox {
public:
    static constexpr int kUnticked = 0;
    static constexpr int kTicked = 1;

    explicit CheckBox(QWidget* parent) : QCheckBox(parent) {
        // toggled is emitted for every change of the value and only then,
        // whether the user or the program changed it.
        connect(this, &QCheckBox::toggled, this, [this] {
            if (mOnClick) mOnClick();
        });
    }

    int Value() const { return isChecked() ? kTicked : kUnticked; }
    void SetValue(int value) { setChecked(value != kUnticked); }

    void OnClick(std::function<void()> handler) { mOnClick = std::move(handler); }

private:
    std::function<void()> mOnClick;
};

}  // namespace tk
