#include "codepage.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCodepage : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = decodeText(all, CodePage::Windows1252);
        QCOMPARE(text.size(), 256);
        const std::optional<QByteArray> back = encodeText(text, CodePage::Windows1252);
        QVERIFY(back.has_value());
        QCOMPARE(*back, all);
    }

    void windowsCharactersDecode_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("character");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("right single quote") << 0x92 << 0x2019;
        QTest::newRow("en dash") << 0x96 << 0x2013;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("undefined 0x81 keeps its value") << 0x81 << 0x0081;
        QTest::newRow("undefined 0x8D keeps its value") << 0x8D << 0x008D;
        QTest::newRow("undefined 0x8F keeps its value") << 0x8F << 0x008F;
        QTest::newRow("undefined 0x90 keeps its value") << 0x90 << 0x0090;
        QTest::newRow("undefined 0x9D keeps its value") << 0x9D << 0x009D;
        QTest::newRow("e grave, Latin-1") << 0xE8 << 0x00E8;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    }
    void windowsCharactersDecode() {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QString text = decodeText(QByteArray(1, char(byte)), CodePage::Windows1252);
        QCOMPARE(int(text.at(0).unicode()), character);
    }

    void italianTextIsOneBytePerCharacter() {
        const QString text = u"Perché è così: “più” — 10 €"_s;
        const std::optional<QByteArray> bytes = encodeText(text, CodePage::Windows1252);
        QVERIFY(bytes.has_value());
        QCOMPARE(bytes->size(), text.size());
        QCOMPARE(decodeText(*bytes, CodePage::Windows1252), text);
    }

    void unstorableCharactersAreFound() {
        QCOMPARE(firstUnencodable(u"plain"_s, CodePage::Windows1252), -1);
        QCOMPARE(firstUnencodable(u"ab\u0100c"_s, CodePage::Windows1252),
                 2); // A macron: Latin Extended-A, not in 1252
        QCOMPARE(firstUnencodable(u"x\u4E2D"_s, CodePage::Windows1252), 1); // CJK
        QCOMPARE(firstUnencodable(u"\U0001F600"_s, CodePage::Windows1252),
                 0); // emoji, a surrogate pair
        QVERIFY(!encodeText(u"Ω"_s, CodePage::Windows1252).has_value());
    }

    void eachCodePageRoundTrips_data() {
        QTest::addColumn<CodePage>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytesPerCharacter"); // 0: more than one for some
        QTest::newRow("1250 Polish") << CodePage::Windows1250 << u"Zażółć gęślą jaźń"_s << 1;
        QTest::newRow("1251 Russian") << CodePage::Windows1251 << u"Привет, мир"_s << 1;
        QTest::newRow("1252 Italian") << CodePage::Windows1252 << u"Perché è così"_s << 1;
        QTest::newRow("1253 Greek") << CodePage::Windows1253 << u"Καλημέρα κόσμε"_s << 1;
        QTest::newRow("1254 Turkish") << CodePage::Windows1254 << u"Günaydın, İstanbul"_s << 1;
        QTest::newRow("1257 Lithuanian") << CodePage::Windows1257 << u"Ačiū, ąčęėįšųūž"_s << 1;
        QTest::newRow("65001 Chinese and emoji") << CodePage::Utf8 << u"中文菜单 😀"_s << 0;
    }
    void eachCodePageRoundTrips() {
        QFETCH(CodePage, codePage);
        QFETCH(QString, text);
        QFETCH(int, bytesPerCharacter);
        const std::optional<QByteArray> bytes = encodeText(text, codePage);
        QVERIFY(bytes.has_value());
        if (bytesPerCharacter == 1)
            QCOMPARE(bytes->size(), text.size());
        QCOMPARE(decodeText(*bytes, codePage), text);
        QCOMPARE(firstUnencodable(text, codePage), -1);
        QCOMPARE(codePageOfNumber(codePageNumber(codePage)), codePage);
    }

    void textOfAnotherScriptDoesNotFit() {
        QCOMPARE(firstUnencodable(u"Ελλάδα"_s, CodePage::Windows1251), 0);
        QCOMPARE(firstUnencodable(u"Да Ω"_s, CodePage::Windows1251), 3);
        QCOMPARE(firstUnencodable(u"ok 中"_s, CodePage::Windows1250), 3);
        QVERIFY(!codePageOfNumber(u"850"_s));
        QVERIFY(!codePageOfNumber(u""_s));
        QCOMPARE(codePageOfNumber(u" 1251 "_s), CodePage::Windows1251);
    }
};

QTEST_GUILESS_MAIN(TestCodepage)
#include "test_codepage.moc"
