// Every shipped text against reference_texts.tsv, the texts as the programs
// showed them before they moved to translation files: each id, in Italian and
// English, exactly. The reference escapes "\\", tab and line break as \\, \t, \n.
#include "checktexts.h"
#include "designertexts.h"
#include "menutexts.h"
#include "textcatalog.h"
#include "uilanguage.h"
#include "uitexts.h"
#include "unztexts.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Reference {
    QString italian;
    QString english;
    const QString& in(QStringView language) const { return language == u"EN" ? english : italian; }
};

QString unescaped(QStringView field) {
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        const QChar next = field[++i];
        text += next == u'n' ? u'\n' : next == u't' ? u'\t' : next;
    }
    return text;
}

const QHash<QString, Reference>& reference() {
    static const QHash<QString, Reference> rows = [] {
        QHash<QString, Reference> read;
        QFile file(QStringLiteral(REFERENCE_TEXTS));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the reference texts");
        file.readLine(); // the heading
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).chopped(1);
            const QStringList fields = line.split(u'\t');
            if (fields.size() != 3)
                qFatal("reference line with %d fields: %s", int(fields.size()), qPrintable(line));
            read.insert(fields[0], {unescaped(fields[1]), unescaped(fields[2])});
        }
        return read;
    }();
    return rows;
}

// The ids starting with prefix, without it.
QStringList keysWith(QStringView prefix) {
    QStringList keys;
    for (auto it = reference().cbegin(); it != reference().cend(); ++it) {
        if (it.key().startsWith(prefix))
            keys.append(it.key().mid(prefix.size()));
    }
    return keys;
}

QSet<QString> asSet(const QStringList& list) {
    return {list.cbegin(), list.cend()};
}

void addLanguageRows() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Italian") << u"IT"_s;
    QTest::newRow("English") << u"EN"_s;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void everyReferenceTextShips_data() { addLanguageRows(); }
    void everyReferenceTextShips() {
        QFETCH(QString, language);
        const TextCatalog& catalog = TextCatalog::forLanguage(language);
        QCOMPARE(catalog.language(), language);
        QVERIFY(reference().size() > 250);
        for (auto it = reference().cbegin(); it != reference().cend(); ++it)
            QCOMPARE(catalog.text(it.key().toLatin1().constData()), it->in(language));
    }

    void translationFilesHoldOnlyReferenceIds() {
        const QDir folder(QStringLiteral(TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({u"*.ts"_s}, QDir::Files);
        QVERIFY(files.contains(u"discmenu_it.ts"_s) && files.contains(u"discmenu_en.ts"_s));
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"message")
                    continue;
                // lupdate also lists the command line's texts, which have no id
                // and stay English: the id-based build leaves them out.
                const QString id = xml.attributes().value(u"id"_s).toString();
                if (id.isEmpty())
                    continue;
                QVERIFY2(reference().contains(id), qPrintable(name + u": "_s + id));
                ++messages;
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + u": "_s + xml.errorString()));
            QVERIFY2(messages > 0, qPrintable(name));
        }
        // Every file ships, and only those.
        QStringList languages;
        for (const QString& name : files)
            languages.append(name.sliced(9, name.size() - 12).toUpper());
        QCOMPARE(asSet(TextCatalog::languages()), asSet(languages));
    }

    void editorTexts_data() { addLanguageRows(); }
    void editorTexts() {
        QFETCH(QString, language);
        const UiTexts texts(language);
        QCOMPARE(texts.language(), language);
        QCOMPARE(texts.isEnglish(), language == u"EN");
        QCOMPARE(asSet(UiTexts::textKeys() + UiTexts::filterKeys()), asSet(keysWith(u"smith.")));
        for (const QString& key : UiTexts::textKeys())
            QCOMPARE(texts.text(key), reference()[u"smith."_s + key].in(language));
        for (const QString& key : UiTexts::filterKeys())
            QCOMPARE(texts.filter(key),
                     filtersFromPairs(reference()[u"smith."_s + key].in(language)));
    }

    void checkTexts_data() { addLanguageRows(); }
    void checkTexts() {
        QFETCH(QString, language);
        const CheckTexts texts(language);
        for (const QString& code : keysWith(u"check."))
            QCOMPARE(texts.text(code), reference()[u"check."_s + code].in(language));
    }

    void menuTexts_data() { addLanguageRows(); }
    void menuTexts() {
        QFETCH(QString, language);
        const MenuTexts menu = MenuTexts::forLanguage(language);
        const UnzTexts& unzip = unzTexts(language);
        const DesignerNotes& notes = designerNotes(language);
        const QList<std::pair<QString, QString>> shown{
            {u"menu.explore"_s, menu.exploreCaption},
            {u"menu.aboutCredit"_s, menu.aboutCredit},
            {u"menu.notFound"_s, menu.notFound},
            {u"menu.windowsProgram"_s, menu.windowsProgram},
            {u"menu.notAProgram"_s, menu.notAProgram},
            {u"menu.noApplication"_s, menu.noApplication},
            {u"menu.cannotStart"_s, menu.cannotStart},
            {u"unzip.locationCaption"_s, unzip.locationCaption},
            {u"unzip.extractionCaption"_s, unzip.extractionCaption},
            {u"unzip.replacePromptBefore"_s, unzip.replacePromptBefore},
            {u"unzip.replacePromptTitle"_s, unzip.replacePromptTitle},
            {u"unzip.errorBefore"_s, unzip.errorBefore},
            {u"unzip.errorAfter"_s, unzip.errorAfter},
            {u"unzip.commentLabel"_s, unzip.commentLabel},
            {u"unzip.compressedSizeLabel"_s, unzip.compressedSizeLabel},
            {u"unzip.uncompressedSizeLabel"_s, unzip.uncompressedSizeLabel},
            {u"unzip.compressionFactorLabel"_s, unzip.compressionFactorLabel},
            {u"unzip.memberCountLabel"_s, unzip.memberCountLabel},
            {u"unzip.stopCaption"_s, unzip.stopCaption},
            {u"unzip.stopQuestion"_s, unzip.stopQuestion},
            {u"unzip.stoppedLine"_s, unzip.stoppedLine},
            {u"unzip.messagesName"_s, unzip.messagesName},
            {u"designer.gridNotANumber"_s, notes.gridNotANumber},
            {u"designer.valuesClamped"_s, notes.valuesClamped},
            {u"designer.pictureNotLoaded"_s, notes.pictureNotLoaded},
        };
        for (const auto& [id, text] : shown)
            QCOMPARE(text, reference()[id].in(language));
        QVERIFY(unzip.resultLine(0).isEmpty());
        for (int code = 1; code <= 10; ++code)
            QCOMPARE(unzip.resultLine(code),
                     reference()[u"unzip.result%1"_s.arg(code)].in(language));
        QVERIFY(unzip.resultLine(11).isEmpty());
    }

    // A language that does not ship gets the Italian texts, as before; the
    // chain's codes are the shipped languages.
    void unknownLanguageFallsBackToItalian() {
        QCOMPARE(TextCatalog::forLanguage(u"XX").language(), u"IT"_s);
        QCOMPARE(UiTexts(u"en").language(), u"IT"_s);
        QVERIFY(CheckTexts(u"en").isEnglish());
        QCOMPARE(&unzTexts(u"XX"), &unzTexts(u"IT"));
        QCOMPARE(languageCode(u" en "_s).value_or(QString()), u"EN"_s);
        QVERIFY(!languageCode(u"XX"_s));
        QVERIFY(!discLanguageCode(u"XX"_s));
        QCOMPARE(systemLanguage(QLocale(QLocale::Italian)), u"IT"_s);
        QCOMPARE(systemLanguage(QLocale(QLocale::Zulu)), u"EN"_s);
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
