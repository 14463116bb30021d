#pragma once

class QWidget;

// The modificator floats above every other window; around each message box
// and dialog it opens it steps down, so that the box is not hidden behind it.
namespace topmost {

bool isTopmost(const QWidget& window);
void setTopmost(QWidget& window, bool on);

// Drops the topmost position for as long as it lives.
class Pause {
public:
    explicit Pause(QWidget& window);
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

private:
    QWidget& m_window;
    bool m_wasTopmost;
};

} // namespace topmost
