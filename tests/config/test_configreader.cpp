#include "configreader.h"
#include "configvalues.h"
#include "linetokenizer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Joins lines with the CR LF that the writer uses.
QByteArray crlf(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}

const QByteArray kHeaders = crlf({"**************** CONFIGURAZIONE GENERALE ****************", "",
                                  "", "****************** CATEGORIE *************************",
                                  "****************** APPLICAZIONI *************************"});

} // namespace

class TestConfigReader : public QObject {
    Q_OBJECT
private slots:
    void headersOnlyGiveTheEmptyModel() {
        const ConfigFile config = parseConfig(kHeaders);
        QCOMPARE(config, ConfigFile());
        QVERIFY(config.title.isEmpty());
        QVERIFY(!config.categoriesEnabled);
        QVERIFY(config.apps.isEmpty());
    }

    void generalSettings() {
        const ConfigFile config = parseConfig(crlf({
            "[TITL]First",
            "[ICON]icons\\disc.ico",
            "[IC1a]NO",
            "[IC1b]",
            "[INTR] two leading blanks and a trailing one ",
            "[ABOU]About",
            "[TITL]Second",
        }));
        QCOMPARE(config.title, u"Second"_s); // the last line wins
        QCOMPARE(config.windowIcon, u"icons\\disc.ico"_s);
        QCOMPARE(config.installButtonPicture, configvalue::unset);
        QCOMPARE(config.installButtonPressedPicture, QString()); // the bare tag: empty
        QCOMPARE(config.introText, u" two leading blanks and a trailing one "_s);
        QCOMPARE(config.aboutText, u"About"_s);
    }

    void tagsMatchExactlyAtTheStartOfTheLine() {
        const ConfigFile config = parseConfig(crlf({
            " [TITL]leading blank",
            "[titl]lower case",
            "[IC1A]other letter case of [IC1a]",
            "[TITL",
            "TITL]x",
            "[NOME]App",
            "[catn]lower-case category",
            "[CO1F]a layout prefix with a suffix it does not have",
        }));
        QCOMPARE(config.title, QString());
        QCOMPARE(config.installButtonPicture, QString());
        QCOMPARE(config.apps.size(), 1);
        QCOMPARE(config.apps[0].category, QString());
        QVERIFY(config.layout.lines.isEmpty());
    }

    void lineEnds() {
        // CR alone ends a line, CR LF ends one line, a lone LF stays in the value,
        // and the last line needs no line end.
        const QByteArray bytes =
            "[TITL]one\r[ICON]two\r\n[INTR]three\nstill three\r\n\r\n[ABOU]last";
        const ConfigFile config = parseConfig(bytes);
        QCOMPARE(config.title, u"one"_s);
        QCOMPARE(config.windowIcon, u"two"_s);
        QCOMPARE(config.introText, u"three\nstill three"_s);
        QCOMPARE(config.aboutText, u"last"_s);
    }

    void fileWithLineFeedsOnly() {
        // Converted to LF by an editor or by git: read line by line all the same.
        const ConfigFile config = parseConfig("[TITL]one\n[NOME]A\n\n[NOME]B\n[ABOU]last");
        QCOMPARE(config.title, u"one"_s);
        QCOMPARE(config.apps.size(), 2);
        QCOMPARE(config.aboutText, u"last"_s);
        // One CR anywhere and LF is data again.
        const ConfigFile mixed = parseConfig("[TITL]one\n[NOME]A\r\n");
        QCOMPARE(mixed.title, u"one\n[NOME]A"_s);
        QVERIFY(mixed.apps.isEmpty());
    }

    void continuedValueKeepsItsFirstLine() {
        const ConfigFile config = parseConfig(
            crlf({"[INTR]Welcome to the disc.", "Pick an application below.", "[ABOU]x"}));
        QCOMPARE(config.introText, u"Welcome to the disc."_s);
        QCOMPARE(config.aboutText, u"x"_s);
    }

    void categories() {
        ConfigFile config = parseConfig(crlf(
            {"[CATE]SI", "[CATG]Games", "[CATG] Tools ", "[CATG]Games", "[NOME]A", "[CATN]Games"}));
        QVERIFY(config.categoriesEnabled);
        QCOMPARE(config.categories, (QStringList{u"Games"_s, u" Tools "_s, u"Games"_s}));
        QCOMPARE(config.apps[0].category, u"Games"_s);

        // Only "SI" turns them on, and the last [CATE] wins.
        QVERIFY(!parseConfig(crlf({"[CATE]si"})).categoriesEnabled);
        QVERIFY(!parseConfig(crlf({"[CATE]SI "})).categoriesEnabled);
        QVERIFY(!parseConfig(crlf({"[CATE]SI", "[CATE]NO"})).categoriesEnabled);
        QVERIFY(parseConfig(crlf({"[CATE]NO", "[CATE]SI"})).categoriesEnabled);
    }

    void categoriesOnWithAnEmptyListReadBackOff() {
        const ConfigFile config =
            parseConfig(crlf({"[CATE]NO", "[NOME]A", "[CATN]0", "[NOME]B", "[CATN]0"}));
        QVERIFY(!config.categoriesEnabled);
        QVERIFY(config.categories.isEmpty());
        QCOMPARE(config.apps.size(), 2);
        QCOMPARE(config.apps[1].category, u"0"_s);
    }

    void applicationsAreRebuiltByCounting() {
        const ConfigFile config = parseConfig(crlf({
            "============= APPLICAZIONE 1 =============",
            "[NOME]First",
            "[DESC]First description",
            // no [IMGN] for the first application
            "[INSC]Install",
            "[COMM]setup.exe",
            "[ESAM]first\\",
            "[EXTN]NO",
            "[EXTR]NO",
            "============= APPLICAZIONE 2 =============",
            "[NOME]Second",
            "[DESC]",
            "[IMGN]second.bmp",
            "[INSC]NO",
            "[COMM]NO",
            "[ESAM]NO",
            "[EXTN]Read me",
            "[EXTR][ASS]readme.txt",
        }));
        QCOMPARE(config.apps.size(), 2);
        const AppEntry& first = config.apps[0];
        QCOMPARE(first.name, u"First"_s);
        QCOMPARE(first.picture, u"second.bmp"_s); // the missing line shifts the pictures up
        QCOMPARE(first.folder, u"first\\"_s);
        const AppEntry& second = config.apps[1];
        QCOMPARE(second.description, QString());
        QCOMPARE(second.picture, QString()); // the last one reads as empty
        QCOMPARE(second.extraCommand, u"[ASS]readme.txt"_s);
        QCOMPARE(second.category, QString());
    }

    void valuesBeyondTheLastNameAreDropped() {
        const ConfigFile config =
            parseConfig(crlf({"[DESC]one", "[DESC]two", "[DESC]three", "[NOME]only"}));
        QCOMPARE(config.apps.size(), 1);
        QCOMPARE(config.apps[0].description, u"one"_s);
    }

    void layoutLinesKeepFileOrderAndDuplicates() {
        const ConfigFile config = parseConfig(crlf({
            "============ CONFIG POSIZIONE TESTO =============",
            "[FO1W]600",
            "[LS2C]not a number",
            "[LS2F]255",
            "[FO1W]619",
            "[BKGR]",
            "[TITL]settings may stand among them",
            "[BKGR]back.jpg",
        }));
        const QList<LayoutLine> expected = {
            {{LayoutObjectId::Window, LayoutProperty::Width}, u"600"_s},
            {{LayoutObjectId::AppList, LayoutProperty::BackColour}, u"not a number"_s},
            {{LayoutObjectId::AppList, LayoutProperty::TextColour}, u"255"_s},
            {{LayoutObjectId::Window, LayoutProperty::Width}, u"619"_s},
            {{LayoutObjectId::Background, LayoutProperty::Picture}, QString()},
            {{LayoutObjectId::Background, LayoutProperty::Picture}, u"back.jpg"_s},
        };
        QCOMPARE(config.layout.lines, expected);
        QCOMPARE(config.title, u"settings may stand among them"_s);
    }

    void everyTagIsRecognised() {
        int recognised = 0;
        for (int t = 0; t < kConfigTagCount; ++t) {
            const QByteArray text = tagText(ConfigTag(t)).toString().toLatin1();
            const std::optional<RecognisedTag> tag = recogniseTag(text.constData());
            QVERIFY2(tag && !tag->isLayout && tag->config == ConfigTag(t), text.constData());
            ++recognised;
        }
        for (LayoutKey key : layoutKeys()) {
            const QByteArray text = layoutTagText(key).toLatin1();
            const std::optional<RecognisedTag> tag = recogniseTag(text.constData());
            QVERIFY2(tag && tag->isLayout && tag->layout == key, text.constData());
            ++recognised;
        }
        QCOMPARE(recognised, 21 + 43);
    }

    void valuesDecodeAsWindows1252() {
        const ConfigFile config = parseConfig("[TITL]Caff\xE8 \x80 \x93quoted\x94\r\n");
        QCOMPARE(config.title, u"Caffè € “quoted”"_s);
    }

    // Each file is made to mislead one rule of the detection.
    void theCodePageIsFoundBeforeTheValuesAreRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<CodePage>("encoding");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain ASCII")
            << QByteArray("[TITL]Menu\r\n") << CodePage::Windows1252 << u"Menu"_s;
        QTest::newRow("UTF-8 without mark")
            << QByteArray("[TITL]Caff\xC3\xA8\r\n") << CodePage::Utf8 << u"Caffè"_s;
        QTest::newRow("UTF-8 mark, then a tag at once")
            << QByteArray("\xEF\xBB\xBF[TITL]\xD0\x9C\xD0\xB8\xD1\x80") << CodePage::Utf8
            << u"Мир"_s;
        QTest::newRow("mark wins over a [CODP] naming another")
            << QByteArray("\xEF\xBB\xBF[CODP]1251\r\n[TITL]\xC3\xA8") << CodePage::Utf8 << u"è"_s;
        QTest::newRow("[CODP]1252 keeps valid-looking UTF-8 as Windows-1252")
            << QByteArray("[TITL]\xC3\xA8\r\n[CODP]1252\r\n") << CodePage::Windows1252 << u"Ã¨"_s;
        QTest::newRow("[CODP]1251 after the values it governs")
            << QByteArray("[TITL]\xCC\xE8\xF0\r\n[CODP]1251\r\n") << CodePage::Windows1251
            << u"Мир"_s;
        QTest::newRow("the last [CODP] wins")
            << QByteArray("[CODP]1251\r\n[CODP]1253\r\n[TITL]\xE1") << CodePage::Windows1253
            << u"α"_s;
        QTest::newRow("an unknown code page falls through to the bytes")
            << QByteArray("[CODP]850\r\n[TITL]\xE8") << CodePage::Windows1252 << u"è"_s;
        QTest::newRow("[codp] in lower case is no tag")
            << QByteArray("[codp]1251\r\n[TITL]\xE8") << CodePage::Windows1252 << u"è"_s;
        QTest::newRow("[CODP] inside a value is no tag")
            << QByteArray("[TITL][CODP]1251 \xE8") << CodePage::Windows1252 << u"[CODP]1251 è"_s;
        QTest::newRow("one bad byte among UTF-8 makes it Windows-1252")
            << QByteArray("[TITL]\xC3\xA8\r\n[INTR]\xE8") << CodePage::Windows1252 << u"Ã¨"_s;
        QTest::newRow("UTF-8 cut short at the end")
            << QByteArray("[TITL]\xC3\xA8\r\n[INTR]\xE2\x82") << CodePage::Windows1252 << u"Ã¨"_s;
        QTest::newRow("overlong UTF-8 is no UTF-8")
            << QByteArray("[TITL]\xC0\xAF") << CodePage::Windows1252 << u"À¯"_s;
        QTest::newRow("encoded surrogate is no UTF-8")
            << QByteArray("[TITL]\xED\xA0\x80") << CodePage::Windows1252 << u"í\u00A0€"_s;
    }
    void theCodePageIsFoundBeforeTheValuesAreRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(CodePage, encoding);
        QFETCH(QString, title);
        const ConfigFile config = parseConfig(bytes);
        QCOMPARE(config.encoding, encoding);
        QCOMPARE(config.title, title);
    }

    void newerSettingsAreRead() {
        const ConfigFile config = parseConfig("[LING]EN\r\n[CODP]1252\r\n[TITL]x");
        QCOMPARE(config.language, u"EN"_s);
        QCOMPARE(config.codePage, u"1252"_s);
        QVERIFY(parseConfig("[TITL]x").language.isEmpty());
    }

    void tokenizerYieldsOnlyTaggedLinesInOrder() {
        LineTokenizer tokenizer("junk\r\n[TITL]X\r\n[TITL]NO\r\n\r\n[CO1T]12");
        ConfigToken token;
        QVERIFY(tokenizer.next(token));
        QCOMPARE(token.value, u"X"_s);
        QVERIFY(tokenizer.next(token));
        QCOMPARE(token.value, u"NO"_s);
        QVERIFY(tokenizer.next(token));
        QVERIFY(token.tag.isLayout);
        QCOMPARE(token.value, u"12"_s);
        QVERIFY(!tokenizer.next(token));
        QVERIFY(!tokenizer.next(token));
    }

    void readConfigReportsAMissingFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const ConfigReadResult missing = readConfig(path);
        QVERIFY(!missing.config);
        QVERIFY2(missing.errorMessage.contains(path), qPrintable(missing.errorMessage));

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[TITL]On disk\r\n");
        file.close();
        const ConfigReadResult present = readConfig(path);
        QVERIFY(present.config);
        QCOMPARE(present.config->title, u"On disk"_s);
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "test_configreader.moc"
