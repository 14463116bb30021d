#pragma once

#include <QLabel>

// A label that acts as a link: a hand pointer and a clicked signal, which
// Enter and Space give as well once Tab has reached it.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
