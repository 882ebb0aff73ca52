// The role in which a screen reader is to meet every widget of a class, where
// Qt's own guess would mislead it.
#pragma once

#include <QAccessibleWidget>

namespace tk {

// Call it from the class's constructor; the first call installs the role.
template <class Widget, QAccessible::Role kRole>
void ExposeToScreenReadersAs() {
    static const bool installed = (QAccessible::installFactory([](const QString&, QObject* object) {
        auto* widget = dynamic_cast<Widget*>(object);
        return widget ? static_cast<QAccessibleInterface*>(new QAccessibleWidget(widget, kRole)) : nullptr;
    }), true);
    (void)installed;
}

}  // namespace tk
