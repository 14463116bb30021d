#include "publishcommand.h"

#include "runtimelocation.h"
#include "uitexts.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

void print(FILE* stream, const QString& line) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

IsoWriter xorrisoWriter() {
    const QString program = QStandardPaths::findExecutable(u"xorriso"_s);
    if (program.isEmpty())
        return {};
    return [program](const QStringList& arguments) -> std::optional<QString> {
        QProcess xorriso;
        xorriso.setProcessChannelMode(QProcess::MergedChannels);
        xorriso.start(program, arguments);
        if (!xorriso.waitForFinished(-1))
            return xorriso.errorString();
        if (xorriso.exitStatus() != QProcess::NormalExit || xorriso.exitCode() != 0)
            return QString::fromLocal8Bit(xorriso.readAll()).trimmed();
        return std::nullopt;
    };
}

int runPublishCommand(PublishRequest request, const QString& language, const QString& editorFolder,
                      FILE* out, FILE* err) {
    const UiTexts texts(language);
    if (const auto runtime = findRuntime(editorFolder)) {
        request.runtimeFolder = *runtime;
    } else {
        QStringList looked = runtimeCandidates(editorFolder);
        for (QString& folder : looked)
            folder = QDir::toNativeSeparators(folder);
        print(err, texts.text(u"pubNoRuntime"_s).arg(looked.join(u", "_s)));
        return 1;
    }
    const PublishResult result = publishDisc(
        request, texts, [out](const QString& line) { print(out, line); }, xorrisoWriter());
    print(result.published ? out : err, result.message);
    if (result.needsConsent)
        print(err, texts.text(u"pubForceHint"_s));
    return result.published ? 0 : 1;
}
