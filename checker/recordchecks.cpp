#include "recordchecks.h"

#include <codepage.h>
#include <configvalues.h>

#include <QHash>

#include <algorithm>

void checkCategoryList(DiscContext& context) {
    const ConfigFile& config = context.config();
    if (config.categoriesEnabled && config.categories.isEmpty())
        context.report(Finding::Severity::Error, QStringLiteral("no-categories"),
                       {-1, QStringLiteral("[CATE]")}, QString());
}

void checkApplicationCategory(DiscContext& context, int index) {
    const ConfigFile& config = context.config();
    if (!config.categoriesEnabled || config.categories.isEmpty())
        return;
    const QString& category = config.apps.at(index).category;
    // The menu lists the names of [CATG] with their blanks trimmed and shows
    // the applications whose [CATN] equals the chosen name exactly.
    for (const QString& listed : config.categories) {
        if (listed.trimmed() == category)
            return;
    }
    const FindingPlace place{index, QStringLiteral("[CATN]")};
    if (category == configvalue::noCategory)
        context.report(Finding::Severity::Warning, QStringLiteral("uncategorised"), place,
                       QString());
    else
        context.report(Finding::Severity::Error, QStringLiteral("unknown-category"), place,
                       QString(), {category});
}

void checkApplicationNames(DiscContext& context) {
    QHash<QString, int> firstWithName;
    const QList<AppEntry>& apps = context.config().apps;
    for (int i = 0; i < apps.size(); ++i) {
        const FindingPlace place{i, QStringLiteral("[NOME]")};
        const QString& name = apps.at(i).name;
        if (name.trimmed().isEmpty()) {
            context.report(Finding::Severity::Warning, QStringLiteral("empty-name"), place,
                           QString());
            continue;
        }
        const auto first = firstWithName.constFind(name);
        if (first == firstWithName.constEnd())
            firstWithName.insert(name, i);
        else
            context.report(Finding::Severity::Warning, QStringLiteral("duplicate-name"), place,
                           QString(), {QString::number(*first + 1)});
    }
}

void checkDescriptionLength(DiscContext& context, int index, int panelCharacters) {
    const QString& description = context.config().apps.at(index).description;
    if (configvalue::isUnset(description) || description.size() <= panelCharacters)
        return;
    context.report(Finding::Severity::Warning, QStringLiteral("long-description"),
                   {index, QStringLiteral("[DESC]")}, QString(),
                   {QString::number(description.size()), QString::number(panelCharacters)});
}

std::optional<EncodingProblem> encodingProblem(const QString& value, CodePage codePage) {
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        const bool control = (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F);
        if (control || firstUnencodable(QStringView(&ch, 1), codePage) >= 0)
            return EncodingProblem{
                QStringLiteral("unencodable-value"),
                QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper()};
    }
    // Text saved as UTF-8 in a file read in an 8-bit code page shows two or
    // three odd characters for each accented letter; read back as UTF-8 it
    // would be shorter and clean.
    if (codePage == CodePage::Utf8)
        return std::nullopt;
    const std::optional<QByteArray> bytes = encodeText(value, codePage);
    if (bytes && std::any_of(bytes->begin(), bytes->end(), [](char b) { return b & 0x80; })) {
        const QString asUtf8 = QString::fromUtf8(*bytes);
        if (!asUtf8.contains(QChar::ReplacementCharacter) && asUtf8.size() < value.size())
            return EncodingProblem{QStringLiteral("utf8-value"), value};
    }
    return std::nullopt;
}

void checkEncoding(DiscContext& context) {
    const ConfigFile& config = context.config();
    const auto check = [&](const QString& value, const FindingPlace& place) {
        if (const auto problem = encodingProblem(value, config.encoding))
            context.report(Finding::Severity::Error, problem->code, place, QString(),
                           {problem->argument});
    };
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t)
        check(*generalSetting(config, ConfigTag(t)), {-1, tagText(ConfigTag(t))});
    for (const QString& category : config.categories)
        check(category, {-1, tagText(ConfigTag::Category)});
    for (int i = 0; i < config.apps.size(); ++i) {
        for (int t = int(ConfigTag::AppName); t < kConfigTagCount; ++t)
            check(*appField(config.apps.at(i), ConfigTag(t)), {i, tagText(ConfigTag(t))});
    }
    for (const LayoutLine& line : config.layout.lines)
        check(line.value, {-1, layoutTagText(line.key)});
}
