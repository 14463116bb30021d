// The code page config.ini is saved in: shown and chosen in the File panel.
#include "form2.h"

#include "failuretexts.h"

#include <configwriter.h>
#include <prompts.h>

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString encodingName(CodePage codePage) {
    return codePage == CodePage::Utf8 ? u"UTF-8"_s : u"Windows-"_s + codePageNumber(codePage);
}

} // namespace

QWidget* Form2::buildEncodingFrame(QWidget* parent) {
    auto* frame = new QGroupBox(m_texts.text(u"Frame22"), parent);
    frame->setObjectName(u"Frame22"_s);
    m_encodingBox = new QComboBox(frame);
    m_encodingBox->setObjectName(u"Combo2"_s);
    for (CodePage codePage : allCodePages)
        m_encodingBox->addItem(encodingName(codePage), int(codePage));
    connect(m_encodingBox, &QComboBox::activated, this, [this](int index) {
        if (!changeEncoding(CodePage(m_encodingBox->itemData(index).toInt())))
            showEncoding(m_encoding);
    });
    (new QVBoxLayout(frame))->addWidget(m_encodingBox);
    return frame;
}

void Form2::showEncoding(CodePage encoding) {
    m_encoding = encoding;
    m_encodingBox->setCurrentIndex(m_encodingBox->findData(int(encoding)));
}

bool Form2::changeEncoding(CodePage encoding) {
    ConfigFile config = projectFromControls();
    config.encoding = encoding;
    ConfigWriteResult result;
    formatConfig(config, m_state.layoutText, &result);
    if (result.valueProblem == ConfigWriteResult::ValueProblem::Unencodable) {
        message(writeFailureText(m_texts, result, m_state.projectFile));
        return false;
    }
    showEncoding(encoding);
    return true;
}

bool Form2::settleEncoding(ConfigFile& config) {
    if (config.encoding == CodePage::Utf8)
        return true;
    ConfigWriteResult result;
    formatConfig(config, m_state.layoutText, &result);
    if (result.valueProblem != ConfigWriteResult::ValueProblem::Unencodable)
        return true;
    const auto answer =
        m_prompts.messageBox(writeFailureText(m_texts, result, m_state.projectFile) + u'\r' +
                                 m_texts.text(u"txtAskUtf8"),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo,
                             Prompts::Icon::Question, Prompts::Answer::No);
    if (answer != Prompts::Answer::Yes)
        return false;
    showEncoding(CodePage::Utf8);
    config.encoding = CodePage::Utf8;
    return true;
}
