// Publish from the Project menu: the saved project made into a disc folder.
#include "form2.h"

#include "filedialogs.h"
#include "publisher.h"
#include "runtimelocation.h"

#include <configpath.h>
#include <prompts.h>

#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

void Form2::prepareDisc() {
    if (!m_state.hasProject()) {
        message(m_texts.text(u"txtOpenOrCreate"));
        return;
    }
    if (!saveChangesFirst(u"pubSaveFirst"))
        return;
    PublishRequest request;
    request.projectFolder = m_state.projectFolder;
    if (const auto runtime = findRuntime(m_programFolder)) {
        request.runtimeFolder = *runtime;
    } else {
        message(
            m_texts.text(u"pubNoRuntime")
                .arg(QDir::toNativeSeparators(runtimeCandidates(m_programFolder).join(u", "_s))));
        return;
    }
    // The disc folder is chosen as the place of its config.ini, as New does.
    DialogResults results;
    if (!showSaveDialog(m_prompts, results, m_texts.text(u"pubChooseTarget"),
                        m_texts.filter(u"filterSaveConfig"), initialFolder(), u"config.ini"_s,
                        u"ini"_s))
        return;
    request.targetFolder = results.dialogFolder;
    const auto projectConfig = paths::findInFolder(request.projectFolder, u"config.ini"_s);
    if (projectConfig && targetHasOtherConfig(request.targetFolder, *projectConfig)) {
        const auto answer = m_prompts.messageBox(
            m_texts.text(u"pubOtherConfig").arg(QDir::toNativeSeparators(request.targetFolder)),
            m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo, Prompts::Icon::Question,
            Prompts::Answer::No);
        if (answer != Prompts::Answer::Yes)
            return;
        request.replaceConfig = true;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PublishResult result = publishDisc(request, m_texts, [](const QString&) {}, {});
    QApplication::restoreOverrideCursor();
    if (!result.findings.isEmpty())
        showFindings(result.findings);
    m_prompts.messageBox(result.message, m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                         result.published ? Prompts::Icon::Information : Prompts::Icon::Critical,
                         Prompts::Answer::Ok);
}
