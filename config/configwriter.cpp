#include "configwriter.h"

#include "configvalues.h"
#include "encodingdetection.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kLineEnd = u"\r\n"_s;

QString fieldDescription(const QString& tag, int appIndex) {
    if (tag.isEmpty())
        return u"The layout section"_s;
    if (appIndex >= 0)
        return u"Application %1, field %2,"_s.arg(appIndex + 1).arg(tag);
    return u"The field %1"_s.arg(tag);
}

class Formatter {
public:
    Formatter(CodePage codePage, ConfigWriteResult* error)
        : m_codePage(codePage)
        , m_error(error) {}

    void line(const QString& text = QString()) { m_text += text + kLineEnd; }

    // A tagged line, refused when the value cannot stand in the file.
    void field(QLatin1StringView tag, const QString& value, int appIndex = -1) {
        if (!check(QString(tag), value, appIndex, true))
            return;
        m_text += tag + value + kLineEnd;
    }

    void raw(const QString& text) {
        if (check(QString(), text, -1, false))
            m_text += text;
    }

    bool failed() const { return m_failed; }

    QByteArray bytes() const {
        if (m_failed)
            return {};
        // A mark, so that no reader has to guess.
        const QByteArray start =
            m_codePage == CodePage::Utf8 ? utf8ByteOrderMark.toByteArray() : QByteArray();
        return start + encodeText(m_text, m_codePage).value_or(QByteArray());
    }

private:
    bool check(const QString& tag, const QString& value, int appIndex, bool singleLine) {
        if (m_failed)
            return false;
        QString problem;
        if (const qsizetype at = firstUnencodable(value, m_codePage); at >= 0) {
            const char32_t code = value[at].isSurrogate() && at + 1 < value.size()
                                      ? QChar::surrogateToUcs4(value[at], value[at + 1])
                                      : value[at].unicode();
            const QString character =
                value[at].isHighSurrogate() ? value.mid(at, 2) : QString(value[at]);
            problem = u"holds the character \"%1\" (U+%2), which config.ini cannot store"_s.arg(
                character, QString::number(code, 16).toUpper().rightJustified(4, u'0'));
            if (m_error) {
                m_error->valueProblem = ConfigWriteResult::ValueProblem::Unencodable;
                m_error->character = character;
            }
        } else if (singleLine && value.contains(u'\r')) {
            problem = u"holds a line break, which config.ini cannot store"_s;
            if (m_error)
                m_error->valueProblem = ConfigWriteResult::ValueProblem::LineBreak;
        }
        if (problem.isEmpty())
            return true;
        m_failed = true;
        if (m_error) {
            m_error->ok = false;
            m_error->fieldTag = tag;
            m_error->appIndex = appIndex;
            m_error->errorMessage = fieldDescription(tag, appIndex) + u' ' + problem + u'.';
        }
        return false;
    }

    QString m_text;
    bool m_failed = false;
    CodePage m_codePage;
    ConfigWriteResult* m_error;
};

QByteArray format(const ConfigFile& config, const QString& layoutText, ConfigWriteResult* error,
                  bool nameCodePage) {
    Formatter out(config.encoding, error);
    const QString stars16(16, u'*');
    const QString stars18(18, u'*');
    const QString stars25(25, u'*');
    const QString equals12(12, u'=');
    const QString equals13(13, u'=');

    out.line(stars16 + u" CONFIGURAZIONE GENERALE "_s + stars16);
    out.line();
    out.line();
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t)
        out.field(tagText(ConfigTag(t)), *generalSetting(config, ConfigTag(t)));
    // Older menus skip these lines; files that need neither do without them.
    if (!config.language.isEmpty())
        out.field(tagText(ConfigTag::Language), config.language);
    if (nameCodePage || !config.codePage.isEmpty() || config.encoding != CodePage::Windows1252)
        out.field(tagText(ConfigTag::CodePage), codePageNumber(config.encoding));
    out.line();
    out.line(stars18 + u" CATEGORIE "_s + stars25);

    const bool hasCategories = !config.categories.isEmpty();
    if (config.categoriesEnabled) {
        if (hasCategories) {
            out.field(tagText(ConfigTag::CategoriesEnabled), configvalue::yes);
            for (const QString& category : config.categories)
                out.field(tagText(ConfigTag::Category), category);
        } else {
            out.field(tagText(ConfigTag::CategoriesEnabled), configvalue::unset);
        }
    }
    out.line();
    out.line(stars18 + u" APPLICAZIONI "_s + stars25);
    out.line();
    out.line();

    for (int i = 0; i < config.apps.size(); ++i) {
        const AppEntry& app = config.apps[i];
        out.line(equals13 + u" APPLICAZIONE "_s + QString::number(i + 1) + u' ' + equals13);
        for (int t = int(ConfigTag::AppName); t <= int(ConfigTag::AppExtraCommand); ++t)
            out.field(tagText(ConfigTag(t)), *appField(app, ConfigTag(t)), i);
        if (config.categoriesEnabled) {
            out.field(tagText(ConfigTag::AppCategory),
                      hasCategories ? app.category : configvalue::emptyCategoryList, i);
        }
    }
    out.line();
    out.line();
    out.line(equals12 + u" CONFIG POSIZIONE TESTO "_s + equals13);
    if (layoutText != configvalue::unset) {
        out.raw(layoutText);
        out.line();
    }
    if (!out.failed() && error)
        error->ok = true;
    return out.bytes();
}

} // namespace

QByteArray formatConfig(const ConfigFile& config, const QString& layoutText,
                        ConfigWriteResult* error) {
    const QByteArray bytes = format(config, layoutText, error, false);
    // Windows-1252 text that happens to be valid UTF-8 ("Ã¨") would read back
    // as other text: the file then says what it is.
    if (!bytes.isEmpty() && detectCodePage(bytes) != config.encoding)
        return format(config, layoutText, error, true);
    return bytes;
}

ConfigWriteResult writeConfig(const ConfigFile& config, const QString& layoutText,
                              const QString& path) {
    ConfigWriteResult result;
    const QByteArray bytes = formatConfig(config, layoutText, &result);
    if (!result.ok)
        return result;

    result.ok = false;
    result.fileProblem = replaceFileContent(path, bytes);
    if (result.fileProblem != FileProblem::None) {
        result.errorMessage = u"Cannot save %1"_s.arg(path);
        return result;
    }
    result.ok = true;
    return result;
}
