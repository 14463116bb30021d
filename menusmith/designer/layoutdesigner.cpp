#include "layoutdesigner.h"

#include "aboutbox.h"
#include "accessiblenames.h"
#include "configpath.h"
#include "designertexts.h"
#include "designerwindow.h"
#include "editorstate.h"
#include "facenames.h"
#include "layoutserializer.h"
#include "menuface.h"
#include "modificatorwindow.h"
#include "prompts.h"
#include "topmost.h"
#include "uitexts.h"

using namespace Qt::StringLiterals;

LayoutDesigner::LayoutDesigner(EditorState& state, const UiTexts& texts, Prompts& prompts,
                               Desktop& desktop, QWidget* editorWindow)
    : m_state(state)
    , m_texts(texts)
    , m_prompts(prompts)
    , m_desktop(desktop)
    , m_editorWindow(editorWindow) {}

LayoutDesigner::~LayoutDesigner() {
    delete m_modificator.data();
    delete m_designer.data();
}

bool LayoutDesigner::isOpen() const {
    return m_designer != nullptr;
}

DesignerWindow* LayoutDesigner::designerWindow() const {
    return m_designer;
}

ModificatorWindow* LayoutDesigner::modificator() const {
    return m_modificator;
}

void LayoutDesigner::open() {
    if (!m_state.hasProject()) {
        m_prompts.messageBox(m_texts.text(u"txtOpenOrCreate"), m_texts.text(u"txtAttention"),
                             Prompts::Buttons::Ok, Prompts::Icon::None, Prompts::Answer::Ok);
        return;
    }
    if (isOpen()) {
        m_designer->raise();
        m_modificator->raise();
        return;
    }
    // A file that cannot be read opens at the built-in placement.
    create();
    m_designer->show();
    if (m_editorWindow)
        m_editorWindow->hide();
    const std::optional<LayoutObjectId> picked = objectNamed(m_state.selectedObject);
    m_modificator->placeBesideDesigner(picked);
    m_modificator->show();
}

void LayoutDesigner::captureLayout() {
    if (!m_state.hasProject() || isOpen())
        return;
    m_state.layoutApply = true;
    // Neither window is shown. A file that cannot be read leaves the layout
    // that was kept, rather than replacing it with the built-in placement.
    if (!create())
        m_state.layoutApply = false;
    finish();
}

bool LayoutDesigner::create() {
    m_designer = new DesignerWindow(m_state.frameHeight);
    m_modificator = new ModificatorWindow(m_state, m_texts, m_prompts, *m_designer);
    nameFaceControls(*m_designer->face(), m_state.editorLanguage);
    accessibility::prepareWindow(m_designer);

    connect(m_designer, &DesignerWindow::picked, m_modificator, &ModificatorWindow::showPick);
    connect(m_designer, &DesignerWindow::aboutRequested, this, &LayoutDesigner::showAbout);
    connect(m_designer, &DesignerWindow::closeRequested, this, &LayoutDesigner::finish);
    connect(m_modificator, &ModificatorWindow::applyRequested, this, [this] {
        m_state.layoutApply = true;
        finish();
    });
    // Cancelling and closing the modificator are the same.
    const auto discard = [this] {
        m_state.layoutApply = false;
        finish();
    };
    connect(m_modificator, &ModificatorWindow::cancelRequested, this, discard);
    connect(m_modificator, &ModificatorWindow::closeRequested, this, discard);

    // The project path of the File panel; the folder's config.ini when none is kept.
    const QString configPath = m_state.projectFile.isEmpty()
                                   ? paths::resolve(u"config.ini"_s, m_state.projectFolder)
                                   : m_state.projectFile;
    const bool read = m_designer->load(configPath, m_state.projectFolder);
    m_modificator->setBackgroundPath(m_designer->face()->backgroundPath());
    return read;
}

void LayoutDesigner::finish() {
    if (m_finishing || !m_designer)
        return;
    m_finishing = true;

    if (m_state.layoutApply) {
        const LayoutBlock block = serializeLayout(*m_designer, m_modificator->backgroundPath());
        m_state.layoutText = block.text;
        if (!block.clampedTags.isEmpty())
            reportClamped(block.clampedTags);
    }
    if (m_editorWindow)
        m_editorWindow->show();

    // Hidden rather than closed, so that no second close comes back here.
    m_modificator->disconnect(this);
    m_designer->disconnect(this);
    m_modificator->hide();
    m_designer->hide();
    m_modificator->deleteLater();
    m_designer->deleteLater();
    m_modificator = nullptr;
    m_designer = nullptr;
    m_state.layoutApply = false;
    m_finishing = false;
    emit closed();
}

void LayoutDesigner::reportClamped(const QStringList& tags) {
    // Once for the whole block, naming every line that was brought into range.
    topmost::Pause pause(*m_modificator);
    const QString text =
        designerNotes(m_state.editorLanguage).valuesClamped + u"\n"_s + tags.join(u", "_s);
    m_prompts.messageBox(text, m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                         Prompts::Icon::Exclamation, Prompts::Answer::Ok);
}

void LayoutDesigner::showAbout() {
    AboutBox::showEditorAbout(m_designer, m_desktop);
}
