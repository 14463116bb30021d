#include "unziplauncher.h"

#include "form1.h"
#include "menuface.h"
#include "unzipwindow.h"

#include <QListWidget>

UnzipLauncher::UnzipLauncher(Form1& form, Prompts& prompts, QString language)
    : m_form(form)
    , m_prompts(prompts)
    , m_language(std::move(language)) {
    connect(&form, &Form1::unzipRequested, this, &UnzipLauncher::open);
}

UnzipLauncher::~UnzipLauncher() = default;

void UnzipLauncher::open(const QString& zipFName, const QString& extractRoot) {
    if (!m_window) {
        m_window = std::make_unique<VBUnzFrm>(unzTexts(m_language), m_prompts);
        m_window->setApplicationNameSource([this] {
            const QListWidgetItem* item = m_form.face()->appList()->currentItem();
            return item ? item->text() : QString();
        });
    }
    m_window->openFor(zipFName, extractRoot);
}
