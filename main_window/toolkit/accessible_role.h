// How a screen reader is to meet every widget of a class where Qt's own
// interface would mislead it: as a plain widget in another role, or through
// an interface of the program's own.
#pragma once

#include <QAccessibleWidget>

namespace tk {

// Call it from the class's constructor; the first call installs the factory,
// which makes an Interface(widget, kArguments...) for every Widget.
template <class Widget, class Interface, auto... kArguments>
void ExposeToScreenReadersAs() {
    static const bool installed = (QAccessible::installFactory([](const QString&, QObject* object) {
        auto* widget = dynamic_cast<Widget*>(object);
        return widget ? static_cast<QAccessibleInterface*>(new Interface(widget, kArguments...)) : nullptr;
    }), true);
    (void)installed;
}

}  // namespace tk
