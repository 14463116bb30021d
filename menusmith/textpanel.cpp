#include "textpanel.h"

#include "settingbox.h"
#include "uitexts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* framedBox(const UiTexts& texts, const QString& frameName, const QString& boxName,
                     QVBoxLayout* into) {
    auto* frame = new QGroupBox(texts.text(frameName));
    frame->setObjectName(frameName);
    QLineEdit* box = makeSettingBox(boxName, frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    into->addWidget(frame);
    return box;
}

} // namespace

TextPanel::TextPanel(const UiTexts& texts, QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(u"Frame2"_s);
    auto* layout = new QVBoxLayout(this);
    m_title = framedBox(texts, u"Frame7"_s, u"Text1"_s, layout);
    m_intro = framedBox(texts, u"Frame9"_s, u"Text7"_s, layout);
    m_about = framedBox(texts, u"Frame8"_s, u"Text8"_s, layout);
    auto* languageFrame = new QGroupBox(texts.text(u"Frame23"), this);
    languageFrame->setObjectName(u"Frame23"_s);
    m_language = new QComboBox(languageFrame);
    m_language->setObjectName(u"Combo3"_s);
    m_language->addItem(texts.text(u"txtLanguageAuto"), QString());
    m_language->addItem(texts.text(u"txtLanguageIT"), u"IT"_s);
    m_language->addItem(texts.text(u"txtLanguageEN"), u"EN"_s);
    (new QVBoxLayout(languageFrame))->addWidget(m_language);
    layout->addWidget(languageFrame);
    auto* hint = new QLabel(texts.text(u"Label27"), this);
    hint->setObjectName(u"Label27"_s);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();
}

QString TextPanel::menuLanguage() const {
    return m_language->currentData().toString();
}

void TextPanel::setMenuLanguage(const QString& language) {
    // A value written by hand that is neither keeps the system's language.
    m_language->setCurrentIndex(std::max(0, m_language->findData(language.trimmed().toUpper())));
}
