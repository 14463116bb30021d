#include "failuretexts.h"

#include "uitexts.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

QStringView problemKey(FileProblem problem) {
    switch (problem) {
    case FileProblem::NotFound:
        return u"txtProblemNotFound";
    case FileProblem::FolderNotFound:
        return u"txtProblemFolderNotFound";
    case FileProblem::IsFolder:
        return u"txtProblemIsFolder";
    case FileProblem::ReadDenied:
        return u"txtProblemReadDenied";
    case FileProblem::WriteDenied:
        return u"txtProblemWriteDenied";
    case FileProblem::FolderWriteDenied:
        return u"txtProblemFolderWriteDenied";
    case FileProblem::DiskFull:
        return u"txtProblemDiskFull";
    case FileProblem::ReadFailed:
        return u"txtProblemReadFailed";
    case FileProblem::None:
    case FileProblem::WriteFailed:
        break;
    }
    return u"txtProblemWriteFailed";
}

QString fieldName(const UiTexts& texts, const ConfigWriteResult& result) {
    if (result.fieldTag.isEmpty())
        return texts.text(u"txtFieldLayout");
    if (result.appIndex >= 0)
        return texts.text(u"txtFieldApp").arg(result.fieldTag).arg(result.appIndex + 1);
    return texts.text(u"txtFieldGeneral").arg(result.fieldTag);
}

} // namespace

QString fileProblemText(const UiTexts& texts, FileProblem problem, const QString& path) {
    return texts.text(problemKey(problem)).arg(QDir::toNativeSeparators(path));
}

QString writeFailureText(const UiTexts& texts, const ConfigWriteResult& result,
                         const QString& path) {
    switch (result.valueProblem) {
    case ConfigWriteResult::ValueProblem::Unencodable:
        return texts.text(u"txtValueUnencodable").arg(fieldName(texts, result), result.character);
    case ConfigWriteResult::ValueProblem::LineBreak:
        return texts.text(u"txtValueLineBreak").arg(fieldName(texts, result));
    case ConfigWriteResult::ValueProblem::None:
        break;
    }
    return fileProblemText(texts, result.fileProblem, path);
}
