#include "command_button.h"

#include <QStyle>

#include "window.h"

namespace tk {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    // A click by the mouse, an access key or a screen reader's "Press".
    connect(this, &QPushButton::clicked, this, [this] {
        if (mOnClick && TakesInput(*this)) mOnClick();
    });
}

void CommandButton::SetCaption(std::string_view caption) {
    QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    const QString plain = QString(text).remove(QLatin1Char('&'));
    const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin);
    if (fontMetrics().horizontalAdvance(plain) > room) text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    setText(text);
    setAccessibleName(plain);
}

void CommandButton::SetPicture(const QIcon& picture, QSize size) {
    setIcon(picture);
    setIconSize(size);
}

}  // namespace tk
