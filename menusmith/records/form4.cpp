#include "form4.h"

Form4::Form4(EditorState& state, const UiTexts&, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("INERNET SHORTCUT"));
    setAttribute(Qt::WA_DeleteOnClose);
}

QString Form4::commandFor(const QString& address) {
    return QStringLiteral("[INTERNET]") + address;
}

void Form4::reject() {
    close();
}
