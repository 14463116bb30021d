#pragma once

#include <QPushButton>

// A push button that shows its picture above its caption, centred, as the
// menu's picture buttons always have; without a picture it is a plain button.
// A screen reader hears its caption, or its role while it has none.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    QString roleName() const { return m_roleName; }
    void setRoleName(const QString& name) { m_roleName = name; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_roleName;
};
