#include "designertexts.h"

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
    static const DesignerNotes italian{
        u"La griglia deve essere un numero."_s,
        u"Alcune posizioni o dimensioni erano fuori dai limiti del file (da -32768 a 32767) e "
        u"sono state riportate entro i limiti."_s,
        u"Il file scelto non è un'immagine: lo sfondo resta quello di prima."_s,
    };
    static const DesignerNotes english{
        u"The grid size must be a number."_s,
        u"Some positions or sizes were outside the range the file can hold (-32768 to 32767) "
        u"and have been brought within it."_s,
        u"The chosen file is not a picture: the background stays as it was."_s,
    };
    return editorLanguage == u"EN" ? english : italian;
}
