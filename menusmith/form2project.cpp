// The project's lifecycle: new, open, save and exit.
#include "form2.h"

#include "categoriespanel.h"
#include "databasepanel.h"
#include "failuretexts.h"
#include "filedialogs.h"
#include "iconspanel.h"
#include "textpanel.h"

#include <configvalues.h>
#include <configwriter.h>
#include <prompts.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

QString Form2::initialFolder() const {
    return m_state.hasProject() ? m_state.projectFolder : m_programFolder;
}

void Form2::newProject() {
    DialogResults results;
    if (!showSaveDialog(m_prompts, results, m_texts.text(u"txtSaveConfig"),
                        m_texts.filter(u"filterSaveConfig"), initialFolder(), u"config.ini"_s,
                        u"ini"_s))
        return;
    // A "Config.ini" already there is the file to replace, never one beside it.
    const QString path = existingProjectFile(results.dialogPath);
    if (QFileInfo::exists(path)) {
        const auto answer = m_prompts.messageBox(
            m_texts.text(u"txtConfigExists") + u'\r' + m_texts.text(u"txtResetConfig"),
            m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo, Prompts::Icon::Information,
            Prompts::Answer::No);
        if (answer == Prompts::Answer::No)
            return;
    }
    // The file is made first: a folder that cannot be written keeps the
    // project that was open.
    const FileProblem problem = writeNewProject(path, QDate::currentDate());
    if (problem != FileProblem::None) {
        m_prompts.messageBox(m_texts.text(u"txtCreateFailed") + u'\r' +
                                 fileProblemText(m_texts, problem, path),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                             Prompts::Icon::Critical, Prompts::Answer::Ok);
        return;
    }
    setProjectPath(path);
    // A new file is Windows-1252, as older menus read it, until a text needs more.
    m_codePageTag.clear();
    showEncoding(CodePage::Windows1252);
}

void Form2::openProject() {
    DialogResults results;
    if (!showOpenDialog(m_prompts, results, m_texts.text(u"txtOpenConfig"),
                        m_texts.filter(u"filterOpenConfig"), initialFolder(), u"ini"_s))
        return;
    openProjectFile(results.dialogPath);
}

bool Form2::openProjectFile(const QString& chosenPath) {
    // Read first: a file that cannot be read leaves the open project as it was.
    const QString path = existingProjectFile(chosenPath);
    FileProblem problem = FileProblem::None;
    const std::optional<OpenedProject> project = readProject(path, &problem);
    if (!project) {
        m_prompts.messageBox(m_texts.text(u"txtReadFailed") + u'\r' +
                                 fileProblemText(m_texts, problem, path),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                             Prompts::Icon::Critical, Prompts::Answer::Ok);
        return false;
    }
    // A picture or a letter opened by mistake would be replaced by the next
    // save: that takes a second deliberate answer.
    if (!project->looksLikeConfig) {
        const auto answer =
            m_prompts.messageBox(m_texts.text(u"txtNotConfig").arg(QDir::toNativeSeparators(path)),
                                 m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo,
                                 Prompts::Icon::Exclamation, Prompts::Answer::No);
        if (answer != Prompts::Answer::Yes)
            return false;
    }
    setProjectPath(path);

    loadIni(*project);
    aggiornacampi();
    // The layout lines as the file holds them, so that saving keeps them.
    m_state.layoutText = project->layoutText;
    captureLayout();
    refreshLayoutText();
    return true;
}

void Form2::loadIni(const OpenedProject& project) {
    const ConfigFile& config = project.config;
    const QList<QLineEdit*> boxes = generalSettingBoxes();
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t)
        boxes[t]->setText(*generalSetting(config, ConfigTag(t)));
    m_textPanel->setMenuLanguage(config.language);
    m_codePageTag = config.codePage;
    showEncoding(config.encoding);
    m_categories->setCategories(config.categoriesEnabled, config.categories);
    m_database->setRecords(config.apps);
}

void Form2::aggiornacampi() {
    m_currentRecord->setText(QString::number(m_state.currentRecord));
}

QList<QLineEdit*> Form2::generalSettingBoxes() const {
    // In the order of the tags [TITL] .. [ABOU].
    return {m_textPanel->titleBox(),
            m_iconsPanel->box(IconsPanel::WindowIcon),
            m_iconsPanel->box(IconsPanel::InstallButton),
            m_iconsPanel->box(IconsPanel::InstallPressed),
            m_iconsPanel->box(IconsPanel::ExtraButton),
            m_iconsPanel->box(IconsPanel::ExtraPressed),
            m_textPanel->introBox(),
            m_textPanel->aboutBox()};
}

QList<AppEntry> Form2::records() const {
    return m_database->records();
}

ConfigFile Form2::projectFromControls() const {
    ConfigFile config;
    const QList<QLineEdit*> boxes = generalSettingBoxes();
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t)
        *generalSetting(config, ConfigTag(t)) = boxes[t]->text();
    config.language = m_textPanel->menuLanguage();
    config.codePage = m_codePageTag;
    config.encoding = m_encoding;
    config.categoriesEnabled = m_categories->categoriesEnabled();
    config.categories = m_categories->categories();
    config.apps = m_database->records();
    return config;
}

void Form2::saveProject() {
    if (m_state.hasProject())
        QDir::setCurrent(m_state.projectFolder);
    for (QLineEdit* box : generalSettingBoxes()) {
        if (box->text().isEmpty())
            box->setText(configvalue::unset);
    }
    if (m_projectPath->text().isEmpty()) {
        m_prompts.messageBox(m_texts.text(u"txtSelectConfig"), QCoreApplication::applicationName(),
                             Prompts::Buttons::Ok, Prompts::Icon::None, Prompts::Answer::Ok);
        return;
    }
    const auto answer =
        m_prompts.messageBox(m_texts.text(u"txtOverwrite"), m_texts.text(u"txtOverwriteTitle"),
                             Prompts::Buttons::OkCancel, Prompts::Icon::None, Prompts::Answer::Ok);
    if (answer != Prompts::Answer::Ok)
        return;
    // The file in the letter case it has now, if it was renamed meanwhile.
    setProjectPath(existingProjectFile(m_projectPath->text()));
    ConfigFile config = projectFromControls();
    settleEncoding(config);
    const ConfigWriteResult result = writeConfig(config, m_state.layoutText, m_state.projectFile);
    if (!result.ok) {
        m_prompts.messageBox(m_texts.text(u"txtWriteFailed") + u'\r' +
                                 writeFailureText(m_texts, result, m_state.projectFile),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                             Prompts::Icon::Critical, Prompts::Answer::Ok);
    }
}

void Form2::setProjectPath(const QString& path) {
    DialogResults parts;
    setDialogResults(parts, QFileInfo(path).absoluteFilePath());
    m_projectPath->setText(parts.dialogPath);
    m_state.projectFile = parts.dialogPath;
    m_state.projectFolder = parts.dialogFolder;
    QDir::setCurrent(m_state.projectFolder);
}

bool Form2::askExit() {
    const auto answer =
        m_prompts.messageBox(m_texts.text(u"txtUnsavedExit") + u'\r' + m_texts.text(u"txtExit"),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo,
                             Prompts::Icon::Information, Prompts::Answer::No);
    return answer != Prompts::Answer::No;
}

void Form2::exitEditor() {
    if (!askExit())
        return;
    m_exitConfirmed = true;
    close();
}

void Form2::refreshLayoutText() {
    m_layoutText->setPlainText(m_state.layoutText);
}
