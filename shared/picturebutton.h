#pragma once

#include <QPushButton>

// A push button that shows its picture above its caption, centred, as the
// menu's picture buttons always have; without a picture it is a plain button.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
