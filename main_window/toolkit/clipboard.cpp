#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tk::Clipboard {

void Clear() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void SetText(std::string_view text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}

}  // namespace tk::Clipboard
