// A frame: a bordered container without a caption.
#pragma once

#include <QFrame>

namespace tk {

class Frame : public QFrame {
public:
    explicit Frame(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::Box | QFrame::Sunken); }
};

}  // namespace tk
