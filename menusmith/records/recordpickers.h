#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <utility>

// The file pickers of the record editor: which dialog each one shows and what
// it writes into the edit fields for the file chosen.
enum class RecordPicker {
    Picture,         // Command12
    InstallProgram,  // Command11
    InstallZip,      // Command23
    InstallDocument, // Command26
    ExtraProgram,    // Command14
    ExtraZip,        // Command24
    ExtraDocument,   // Command27
};

struct RecordPickerDialog {
    QString buttonName; // the picker button's control name
    QString titleKey;   // text key of the dialog title
    QString filterKey;  // filter key of its type list
};

RecordPickerDialog pickerDialog(RecordPicker picker);
QList<RecordPicker> allRecordPickers();

// Field control name ("Text11", "Text13", ...) and the value it receives.
using PickedField = std::pair<QString, QString>;

// What the picker writes for a chosen file. storedPath is the file as the
// project stores it (relative to the project folder, "\" separators), fileName
// its last part. The install pickers split it into the command and the folder
// ([ESAM], which the menu puts in front of the command); the extra button has
// no folder, so it keeps the whole path.
QList<PickedField> pickedFields(RecordPicker picker, const QString& storedPath,
                                const QString& fileName);
