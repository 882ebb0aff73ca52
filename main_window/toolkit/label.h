// A label: a caption shown at once.
#pragma once

#include <QLabel>
#include <string_view>

namespace tk {

class Label : public QLabel {
public:
    explicit Label(QWidget* parent) : QLabel(parent) {}

    void SetCaption(std::string_view caption) {
        const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        if (text != this->text()) setText(text);
    }
    std::string Caption() const { return text().toStdString(); }
};

}  // namespace tk
