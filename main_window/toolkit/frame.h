// A frame: a bordered container without a caption.
#pragma once

#include <QAccessibleWidget>
#include <QFrame>

namespace tk {

class Frame : public QFrame {
public:
    explicit Frame(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Box | QFrame::Sunken);
        static const bool installed = (QAccessible::installFactory(AccessibleGroup), true);
        (void)installed;
    }

private:
    // A screen reader is to take a frame for a group of controls. Qt gives a
    // frame the role that AT-SPI calls "frame", a top-level window's, and a
    // screen reader would announce each frame as a window of its own.
    static QAccessibleInterface* AccessibleGroup(const QString& /*className*/, QObject* object) {
        auto* frame = dynamic_cast<Frame*>(object);
        return frame ? new QAccessibleWidget(frame, QAccessible::Grouping) : nullptr;
    }
};

}  // namespace tk
