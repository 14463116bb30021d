#pragma once

#include <QScrollArea>

class QWidget;

// Holds a window's contents at their full size where the screen has room,
// and lets them scroll where it has not (a small screen or a large scale).
class FitScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit FitScrollArea(QWidget* parent = nullptr);

    // The contents' own size, so that the window opens at its designed size.
    QSize sizeHint() const override;
};

// size, made no larger than the part of window's screen that windows may use,
// less room for the frame.
QSize boundedToScreen(const QWidget* window, QSize size);
