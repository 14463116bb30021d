#include "designertexts.h"

#include "textcatalog.h"

#include <QMutex>
#include <QMutexLocker>

#include <map>

using namespace Qt::StringLiterals;

QStringView displayNameKey(LayoutObjectId object) {
    switch (object) {
    case LayoutObjectId::InstallButton:
        return u"txtPushButton1";
    case LayoutObjectId::ExploreButton:
        return u"txtPushButton2";
    case LayoutObjectId::ExtraButton:
        return u"txtPushButton3";
    case LayoutObjectId::TextPanel:
        return u"txtTextBox";
    case LayoutObjectId::AppPicture:
        return u"txtDefaultImage";
    case LayoutObjectId::AppList:
        return u"txtList";
    case LayoutObjectId::Logo:
        return u"txtLogoImage";
    case LayoutObjectId::Window:
    case LayoutObjectId::Background:
        break;
    }
    return u"txtMainWindow";
}

std::optional<LayoutObjectId> objectNamed(QStringView objectName) {
    if (objectName.isEmpty())
        return std::nullopt;
    for (const LayoutObject& object : layoutObjects) {
        if (object.id != LayoutObjectId::Background && object.objectName == objectName)
            return object.id;
    }
    return std::nullopt;
}

QString backgroundDialogTitle() {
    return u"Scegli un'immagine per il background"_s;
}

QList<Prompts::FileFilter> backgroundFilters() {
    return {
        {u"Bitmaps (*.bmp)"_s, u"*.bmp"_s},
        {u"GIF (*.gif)"_s, u"*.gif"_s},
        {u"Jpeg (*.jpg)"_s, u"*.jpg"_s},
        {u"Metafiles (*.wmf,*.emf)"_s, u"*.wmf;*.emf"_s},
        {u"Icons (*.ico,*.cur)"_s, u"*.ico;*.cur"_s},
        {u"Tutti i file (*.*)"_s, u"*.*"_s},
    };
}

const DesignerNotes& designerNotes(QStringView editorLanguage) {
    // One set per language, kept: callers hold on to it.
    static QMutex mutex;
    static std::map<QString, DesignerNotes> sets;
    const TextCatalog& catalog = TextCatalog::forLanguage(editorLanguage);
    const QMutexLocker lock(&mutex);
    auto found = sets.find(catalog.language());
    if (found == sets.end()) {
        const DesignerNotes notes{catalog.text(QT_TRID_NOOP("designer.gridNotANumber")),
                                  catalog.text(QT_TRID_NOOP("designer.valuesClamped")),
                                  catalog.text(QT_TRID_NOOP("designer.pictureNotLoaded"))};
        found = sets.emplace(catalog.language(), notes).first;
    }
    return found->second;
}
