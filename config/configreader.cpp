#include "configreader.h"

#include "configvalues.h"
#include "linetokenizer.h"

#include <QFile>

#include <array>

using namespace Qt::Literals::StringLiterals;

std::optional<QByteArray> readConfigBytes(const QString& path, QString* errorMessage,
                                          FileProblem* problem) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorMessage)
            *errorMessage = u"Cannot read %1: %2"_s.arg(path, file.errorString());
        if (problem)
            *problem = readProblem(path, file.error());
        return std::nullopt;
    }
    return bytes;
}

ConfigFile parseConfig(QByteArrayView bytes) {
    ConfigFile config;
    constexpr int kAppFieldCount = kConfigTagCount - int(ConfigTag::AppName);
    std::array<QStringList, kAppFieldCount> appLists;

    LineTokenizer tokenizer(bytes);
    config.encoding = tokenizer.codePage();
    ConfigToken token;
    while (tokenizer.next(token)) {
        if (token.tag.isLayout) {
            config.layout.lines.append({token.tag.layout, token.value});
            continue;
        }
        const ConfigTag tag = token.tag.config;
        if (QString* setting = generalSetting(config, tag)) {
            *setting = token.value;
        } else if (tag == ConfigTag::CategoriesEnabled) {
            config.categoriesEnabled = token.value == configvalue::yes;
        } else if (tag == ConfigTag::Category) {
            config.categories.append(token.value);
        } else {
            appLists[int(tag) - int(ConfigTag::AppName)].append(token.value);
        }
    }

    const QStringList& names = appLists[0];
    config.apps.resize(names.size());
    for (int f = 0; f < kAppFieldCount; ++f) {
        const ConfigTag tag = ConfigTag(int(ConfigTag::AppName) + f);
        const QStringList& values = appLists[f];
        const qsizetype count = std::min(values.size(), names.size());
        for (qsizetype i = 0; i < count; ++i)
            *appField(config.apps[i], tag) = values[i];
    }
    return config;
}

ConfigReadResult readConfig(const QString& path) {
    ConfigReadResult result;
    const std::optional<QByteArray> bytes = readConfigBytes(path, &result.errorMessage);
    if (bytes)
        result.config = parseConfig(*bytes);
    return result;
}
