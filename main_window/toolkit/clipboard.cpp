#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <utility>
#include <vector>

namespace tk::Clipboard {
namespace {

// What was handed to the clipboard, as long as it lives.
std::vector<QPointer<QMimeData>> gHandedOver;

}  // namespace

void Clear() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void SetText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    std::erase_if(gHandedOver, [](const QPointer<QMimeData>& data) { return data.isNull(); });
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    gHandedOver.emplace_back(data);
    clipboard->setMimeData(data);  // the clipboard's from now on, as long as it holds it
}

void FreeTextsTakenOver() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* held = clipboard && clipboard->ownsClipboard() ? clipboard->mimeData() : nullptr;
    for (const QPointer<QMimeData>& data : std::exchange(gHandedOver, {})) {
        if (data && data != held) delete data.data();
    }
}

}  // namespace tk::Clipboard
