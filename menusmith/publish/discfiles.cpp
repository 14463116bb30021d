#include "discfiles.h"

#include <codepage.h>
#include <configpath.h>
#include <configvalues.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace discfiles {

namespace {

bool isSet(const QString& value) {
    return !value.trimmed().isEmpty() && !configvalue::isUnset(value);
}

std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QDir::toNativeSeparators(path) + u": "_s + file.errorString();
    return std::nullopt;
}

QByteArray resource(const QString& name) {
    QFile file(u":/disc/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString discLabel(const ConfigFile& config, const QString& projectFolder) {
    if (isSet(config.title))
        return config.title.trimmed();
    return QFileInfo(QDir::cleanPath(projectFolder)).fileName();
}

QByteArray autorunInf(const QString& label, const QString& icon) {
    QString text = u"[autorun]\r\nlabel="_s + label + u"\r\n"_s;
    if (isSet(icon))
        text += u"icon="_s + QString(icon).replace(u'/', u'\\') + u"\r\n"_s;
    // Windows reads autorun.inf in its ANSI code page, or as UTF-16 with a
    // byte-order mark: the label may be in any script now.
    if (const std::optional<QByteArray> ansi = encodeText(text, CodePage::Windows1252))
        return *ansi;
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return utf16.encode(text);
}

QString volumeName(const QString& label) {
    QString name;
    for (const QChar c : label.toUpper()) {
        if (name.size() == 32)
            break;
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += c;
        else if (!name.isEmpty() && !name.endsWith(u'_'))
            name += u'_';
    }
    while (name.endsWith(u'_'))
        name.chop(1);
    return name.isEmpty() ? u"DISC"_s : name;
}

std::optional<QString> writeDiscFiles(const QString& target, const ConfigFile& config,
                                      const QString& projectFolder, QStringList* kept) {
    const QDir root(target);
    const QByteArray autorun = resource(u"autorun.sh"_s);
    const QByteArray floor = QByteArrayLiteral(MENU_GLIBC_FLOOR);
    const struct {
        QString name;
        QByteArray bytes;
    } files[] = {
        {u"menu.sh"_s, resource(u"menu.sh"_s)},
        {u"autorun.sh"_s, autorun},
        {u".autorun"_s, autorun},
        {u"autorun.inf"_s, autorunInf(discLabel(config, projectFolder), config.windowIcon)},
        {u"LEGGIMI.txt"_s, resource(u"LEGGIMI.txt"_s).replace("@GLIBC_FLOOR@", floor)},
        {u"README.txt"_s, resource(u"README.txt"_s).replace("@GLIBC_FLOOR@", floor)},
    };
    const auto authorHas = [&](const QString& name) {
        if (!paths::findInFolder(projectFolder, name))
            return false;
        kept->append(name);
        return true;
    };
    for (const auto& file : files) {
        if (authorHas(file.name))
            continue;
        if (const auto error = writeFile(root.filePath(file.name), file.bytes))
            return error;
        // Scripts run through sh; the execute bit only helps where the medium keeps it.
        if (file.name.endsWith(u".sh") || file.name == u".autorun")
            QFile::setPermissions(root.filePath(file.name),
                                  QFile::permissions(root.filePath(file.name)) | QFile::ExeOwner |
                                      QFile::ExeGroup | QFile::ExeOther);
    }

    // An icon that does not load is the disc check's to report; the disc goes without.
    const QImage icon = isSet(config.windowIcon)
                            ? QImage(paths::resolve(config.windowIcon, projectFolder))
                            : QImage();
    const QString volumeIcon = root.filePath(u".VolumeIcon.png"_s);
    if (!icon.isNull() && !authorHas(u".VolumeIcon.png"_s) && !icon.save(volumeIcon, "PNG"))
        return QDir::toNativeSeparators(volumeIcon);
    return std::nullopt;
}

} // namespace discfiles
