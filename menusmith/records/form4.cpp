#include "form4.h"

#include <accessiblenames.h>
#include <editorstate.h>
#include <twips.h>
#include <uitexts.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString webPrefix = u"http://"_s;
const QString ftpPrefix = u"ftp://"_s;
const QString emailPrefix = u"mailto:"_s;

// Places a control at its designed position, given in twips.
void place(QWidget* control, int left, int top, int width, int height) {
    const qreal ratio = twips::perPixel(control->screen());
    control->setGeometry(twips::toPixels(left, ratio), twips::toPixels(top, ratio),
                         twips::toPixels(width, ratio), twips::toPixels(height, ratio));
}

} // namespace

Form4::Form4(EditorState& state, const UiTexts& texts, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(u"Form4"_s);
    setWindowTitle(u"INERNET SHORTCUT"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    m_hint = new QLabel(texts.text(u"txtInternetHint"), this);
    m_hint->setObjectName(u"Label1"_s);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);
    place(m_hint, 0, 0, 4095, 615);

    m_web = new QRadioButton(texts.text(u"txtWebAddress"), this);
    m_web->setObjectName(u"Option1"_s);
    place(m_web, 120, 600, 2295, 255);
    m_email = new QRadioButton(texts.text(u"txtEmail"), this);
    m_email->setObjectName(u"Option3"_s);
    place(m_email, 2280, 600, 855, 255);
    m_ftp = new QRadioButton(texts.text(u"txtFtp"), this);
    m_ftp->setObjectName(u"Option2"_s);
    place(m_ftp, 3240, 600, 855, 255);

    m_address = new QLineEdit(this);
    m_address->setObjectName(u"Text1"_s);
    place(m_address, 120, 960, 3975, 375);

    m_ok = new QPushButton(u"OK"_s, this);
    m_ok->setObjectName(u"Command1"_s);
    m_ok->setAutoDefault(false);
    place(m_ok, 120, 1440, 1455, 375);
    m_cancel = new QPushButton(texts.text(u"txtCancel"), this);
    m_cancel->setObjectName(u"Command2"_s);
    m_cancel->setAutoDefault(false);
    place(m_cancel, 2640, 1440, 1455, 375);

    m_hint->setBuddy(m_address);
    accessibility::prepareWindow(this);

    const qreal ratio = twips::perPixel(screen());
    setFixedSize(twips::toPixels(4215, ratio), twips::toPixels(1935, ratio));

    m_web->setChecked(true);
    m_address->setText(webPrefix);

    // Only a change of kind starts the address again: a click on the kind
    // already chosen keeps what was typed.
    const std::pair<QRadioButton*, const QString*> kinds[] = {
        {m_web, &webPrefix}, {m_ftp, &ftpPrefix}, {m_email, &emailPrefix}};
    for (const auto& [option, prefix] : kinds) {
        connect(option, &QRadioButton::toggled, this, [this, text = *prefix](bool chosen) {
            if (chosen)
                usePrefix(text);
        });
    }
    connect(m_ok, &QPushButton::clicked, this, &Form4::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &Form4::reject);
}

QString Form4::commandFor(const QString& address) {
    return u"[INTERNET]"_s + address;
}

void Form4::usePrefix(const QString& prefix) {
    m_address->setText(prefix);
}

void Form4::confirm() {
    // The address goes in exactly as typed: a blank may be part of it.
    const QString command = commandFor(m_address->text());
    const QString target = m_state.internetTarget;
    accept();
    emit commandChosen(target, command);
}
