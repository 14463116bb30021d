// The disc check from the Project menu: the saved config.ini against the disc.
#include "form2.h"

#include "checkwindow.h"
#include "databasepanel.h"

#include <checkreport.h>
#include <checktexts.h>
#include <configreader.h>
#include <configvalues.h>
#include <configwriter.h>
#include <disccheck.h>
#include <prompts.h>

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The panel that edits a general setting or the categories, by tag.
std::optional<Form2::Panel> panelOf(const QString& field) {
    if (field == u"[TITL]" || field == u"[INTR]" || field == u"[ABOU]")
        return Form2::Panel::Text;
    if (field == u"[ICON]" || field.startsWith(u"[IC"))
        return Form2::Panel::Icons;
    if (field == u"[CATE]" || field == u"[CATG]")
        return Form2::Panel::Categories;
    return std::nullopt;
}

// The window's size, its controls and its background: the designer holds them.
// Other findings name a tag, a line ("line 12") or a file ("logo.bmp").
bool isLayoutField(const QString& field) {
    return field == u"[BKGR]" || (!field.isEmpty() && !field.startsWith(u'[') &&
                                  !field.startsWith(u"line") && !field.contains(u'.'));
}

} // namespace

// Compared as the file would read back, so that only a change of content
// counts, never the form of the lines.
bool Form2::hasUnsavedChanges() const {
    const std::optional<QByteArray> saved = readConfigBytes(m_state.projectFile);
    if (!saved)
        return true;
    ConfigFile current = projectFromControls();
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t) {
        QString* setting = generalSetting(current, ConfigTag(t));
        if (setting->isEmpty())
            *setting = configvalue::unset;
    }
    ConfigWriteResult error;
    const QByteArray bytes = formatConfig(current, m_state.layoutText, &error);
    return bytes.isEmpty() || !(projectFromBytes(bytes).config == projectFromBytes(*saved).config);
}

void Form2::checkDisc() {
    if (!m_state.hasProject()) {
        message(m_texts.text(u"txtOpenOrCreate"));
        return;
    }
    if (!saveChangesFirst(u"txtCheckSaveFirst"))
        return;
    DiscCheckOptions options;
    options.language = m_state.editorLanguage;
    showFindings(::checkDisc(m_state.projectFolder, options));
}

bool Form2::saveChangesFirst(QStringView questionKey) {
    if (!hasUnsavedChanges())
        return true;
    const auto answer =
        m_prompts.messageBox(m_texts.text(questionKey), m_texts.text(u"txtAttention"),
                             Prompts::Buttons::YesNo, Prompts::Icon::Question, Prompts::Answer::No);
    if (answer != Prompts::Answer::Yes)
        return false;
    saveProject();
    return !hasUnsavedChanges(); // not saved: the save has said why
}

void Form2::showFindings(const QList<Finding>& findings) {
    if (!m_checkWindow) {
        m_checkWindow = new CheckWindow(m_texts, this);
        connect(m_checkWindow, &CheckWindow::findingActivated, this, &Form2::showFinding);
    }
    // The summary line of the terminal report: its last line.
    const QString report = formatTextReport(findings, CheckTexts(m_state.editorLanguage));
    m_checkWindow->setFindings(findings, report.trimmed().section(u'\n', -1));
    m_checkWindow->show();
    m_checkWindow->raise();
}

void Form2::showFinding(const Finding& finding) {
    if (finding.appIndex >= 0) {
        selectPanel(Panel::Database);
        m_database->showRecord(finding.appIndex);
    } else if (const auto panel = panelOf(finding.field)) {
        selectPanel(*panel);
    } else if (isLayoutField(finding.field)) {
        openDesigner();
    } else {
        selectPanel(Panel::File);
    }
    activateWindow();
}

CheckWindow* Form2::checkWindow() const {
    return m_checkWindow;
}
