#include "recordpickers.h"

using namespace Qt::StringLiterals;

namespace {

// The stored path without its file name: "setup\" or "" for the project folder.
QString folderOf(const QString& storedPath, const QString& fileName) {
    if (!storedPath.endsWith(fileName))
        return {};
    return storedPath.left(storedPath.size() - fileName.size());
}

} // namespace

RecordPickerDialog pickerDialog(RecordPicker picker) {
    switch (picker) {
    case RecordPicker::Picture:
        return {u"Command12"_s, u"txtSelectImage"_s, u"filterImage"_s};
    case RecordPicker::InstallProgram:
        return {u"Command11"_s, u"txtSelectExecute"_s, u"filterProgram"_s};
    case RecordPicker::InstallZip:
        return {u"Command23"_s, u"txtSelectZip"_s, u"filterZip"_s};
    case RecordPicker::InstallDocument:
        return {u"Command26"_s, u"txtSelectExecute"_s, u"filterAnyFile"_s};
    case RecordPicker::ExtraProgram:
        return {u"Command14"_s, u"txtExtraExecute"_s, u"filterProgram"_s};
    case RecordPicker::ExtraZip:
        return {u"Command24"_s, u"txtSelectZip"_s, u"filterZip"_s};
    case RecordPicker::ExtraDocument:
        return {u"Command27"_s, u"txtExtraExecute"_s, u"filterAnyFile"_s};
    }
    return {};
}

QList<RecordPicker> allRecordPickers() {
    return {RecordPicker::Picture,         RecordPicker::InstallProgram, RecordPicker::InstallZip,
            RecordPicker::InstallDocument, RecordPicker::ExtraProgram,   RecordPicker::ExtraZip,
            RecordPicker::ExtraDocument};
}

QList<PickedField> pickedFields(RecordPicker picker, const QString& storedPath,
                                const QString& fileName) {
    const QString folder = folderOf(storedPath, fileName);
    switch (picker) {
    case RecordPicker::Picture:
        return {{u"Text11"_s, storedPath}};
    case RecordPicker::InstallProgram:
        return {{u"Text13"_s, fileName}, {u"Text14"_s, folder}};
    case RecordPicker::InstallZip:
        // The menu's install button expects one blank after this prefix.
        return {{u"Text13"_s, u"[UNZIP] "_s + fileName}, {u"Text14"_s, folder}};
    case RecordPicker::InstallDocument:
        return {{u"Text13"_s, u"[ASS]"_s + fileName}, {u"Text14"_s, folder}};
    case RecordPicker::ExtraProgram:
        return {{u"Text16"_s, storedPath}};
    case RecordPicker::ExtraZip:
        return {{u"Text16"_s, u"[UNZIP]"_s + storedPath}};
    case RecordPicker::ExtraDocument:
        return {{u"Text16"_s, u"[ASS]"_s + storedPath}};
    }
    return {};
}
