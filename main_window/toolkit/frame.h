// A frame: a bordered container without a caption.
#pragma once

#include <QFrame>

#include "accessible_role.h"

namespace tk {

// A screen reader is to take a frame for a group of controls: Qt gives a frame
// the role that AT-SPI calls "frame", a top-level window's, and a screen reader
// would announce each frame as a window of its own.
class Frame : public QFrame {
public:
    explicit Frame(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Box | QFrame::Sunken);
        ExposeToScreenReadersAs<Frame, QAccessibleWidget, QAccessible::Grouping>();
    }
};

}  // namespace tk
