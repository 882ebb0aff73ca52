// Tells clicks from the mouse events of a widget: a left release inside the
// widget is a click, except the release that ends a double-click, so that a
// double-click reads as click, double-click (the first press of it is the
// click; the second press arrives as the double-click).
#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace tk {

class ClickSequence {
public:
    void Pressed() { mReleaseEndsDoubleClick = false; }
    void DoubleClicked() { mReleaseEndsDoubleClick = true; }

    // Whether this release completes a click on `widget`.
    bool ReleaseIsClick(const QWidget& widget, const QMouseEvent& release) {
        if (release.button() != Qt::LeftButton ||
            !widget.rect().contains(release.position().toPoint())) {
            return false;
        }
        if (mReleaseEndsDoubleClick) {
            mReleaseEndsDoubleClick = false;
            return false;
        }
        return true;
    }

private:
    bool mReleaseEndsDoubleClick = false;
};

}  // namespace tk
