#pragma once

#include "configtags.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

#include "prompts.h"

// The uiTexts key of the name the modificator shows for a picked object.
QStringView displayNameKey(LayoutObjectId object);

// The object that selectedObject names ("command1" ... "form1"); nothing for
// an empty or unknown name.
std::optional<LayoutObjectId> objectNamed(QStringView objectName);

// The background picker's title and types, the same in both languages.
QString backgroundDialogTitle();
QList<Prompts::FileFilter> backgroundFilters();

// The designer's own notes, for the cases the shared table has no text for.
struct DesignerNotes {
    QString gridNotANumber;   // the grid field holds no number
    QString valuesClamped;    // a value lay outside what the file can hold
    QString pictureNotLoaded; // the chosen background is no picture
};
const DesignerNotes& designerNotes(QStringView editorLanguage);
