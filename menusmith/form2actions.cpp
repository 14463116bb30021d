// What leaves the editor: the designer, the test run, the help page, the about
// box and the maker's links.
#include "form2.h"

// layoutdesigner.h needs its two windows complete.
#include "designerwindow.h"
#include "failuretexts.h"
#include "layoutdesigner.h"
#include "menulocator.h"
#include "modificatorwindow.h"

#include <aboutbox.h>
#include <desktop.h>
#include <productinfo.h>
#include <prompts.h>
#include <shellopen.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

using namespace Qt::StringLiterals;

void Form2::openDesigner() {
    if (m_projectPath->text().isEmpty()) {
        message(m_texts.text(u"txtOpenOrCreate"));
        return;
    }
    m_designer->open();
}

// The open pass: the designer reads the file's layout section and leaves it,
// completed by its built-in placement, in layoutText.
void Form2::captureLayout() {
    m_designer->captureLayout();
}

QString Form2::testRunCommandLine() const {
    return menuCommandLine(m_state.projectFolder, m_programFolder);
}

void Form2::testRun() {
    if (m_projectPath->text().isEmpty()) {
        message(m_texts.text(u"txtOpenOrCreate"));
        return;
    }
    const auto answer =
        m_prompts.messageBox(m_texts.text(u"txtUnsavedTest") + u'\r' + m_texts.text(u"txtOpenMenu"),
                             m_texts.text(u"txtAttention"), Prompts::Buttons::YesNo,
                             Prompts::Icon::Information, Prompts::Answer::No);
    if (answer == Prompts::Answer::No)
        return;
    const QString commandLine = testRunCommandLine();
    if (commandLine.isEmpty()) {
        // Without a menu program there is nothing to test with: say where it
        // was looked for rather than doing nothing.
        QStringList places{QDir::toNativeSeparators(m_state.projectFolder)};
        for (const QString& candidate : installedMenuCandidates(m_programFolder))
            places.append(QDir::toNativeSeparators(QFileInfo(candidate).absolutePath()));
        message(m_texts.text(u"txtMenuMissing") + u'\r' + places.join(u"\r"_s));
        return;
    }
    if (!m_desktop.startProgram(commandLine, m_state.projectFolder))
        message(m_texts.text(u"txtMenuNotStarted") + u'\r' + commandLine);
}

void Form2::openHelp() {
    // Said here, in the editor's language, rather than by the desktop.
    const QString page = QDir(m_programFolder).filePath(u"Help/index.htm"_s);
    if (!QFileInfo::exists(page)) {
        message(fileProblemText(m_texts, FileProblem::NotFound, page));
        return;
    }
    m_desktop.openDocumentOrAddress(page);
}

void Form2::showAbout() {
    AboutBox::showEditorAbout(this, m_desktop);
}

void Form2::openLink(const QString& key) {
    QString target;
    if (key == u"Emailme")
        target = product::makerMailLink(u"e-mail da menusmith");
    else if (key == u"suggerimenti")
        target = product::makerMailLink(u"Suggerimenti da menusmith");
    else if (key == u"Label15")
        target = u"mailto:"_s + QString::fromUtf16(product::makerMailFirst) +
                 u"?subject=e-mail da menusmith"_s;
    else
        target = QString::fromUtf16(product::makerWebPage);
    openWithShell(m_desktop, target);
}
