// A command button with a caption (an ampersand marks the access key) or a picture.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <functional>
#include <string_view>

namespace tk {

class CommandButton : public QPushButton {
public:
    explicit CommandButton(QWidget* parent);

    // A caption that does not fit the button's width breaks at its blanks,
    // so a tall narrow button reads its words one above the other.
    void SetCaption(std::string_view caption);
    void SetPicture(const QIcon& picture, QSize size);

    void OnClick(std::function<void()> handler) { mOnClick = std::move(handler); }

private:
    std::function<void()> mOnClick;
};

}  // namespace tk
