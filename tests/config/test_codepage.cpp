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
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        const std::optional<QByteArray> back = cp1252::encode(text);
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
        QTest::newRow("e grave, Latin-1") << 0xE8 << 0x00E8;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    }
    void windowsCharactersDecode() {
        QFETCH(int, byte);
        QFETCH(int, character);
        const QString text = cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(int(text.at(0).unicode()), character);
    }

    void italianTextIsOneBytePerCharacter() {
        const QString text = u"Perché è così: “più” — 10 €"_s;
        const std::optional<QByteArray> bytes = cp1252::encode(text);
        QVERIFY(bytes.has_value());
        QCOMPARE(bytes->size(), text.size());
        QCOMPARE(cp1252::decode(*bytes), text);
    }

    void unstorableCharactersAreFound() {
        QCOMPARE(cp1252::firstUnencodable(u"plain"_s), -1);
        QCOMPARE(cp1252::firstUnencodable(u"ab\u0100c"_s),
                 2); // A macron: Latin Extended-A, not in 1252
        QCOMPARE(cp1252::firstUnencodable(u"x\u4E2D"_s), 1);    // CJK
        QCOMPARE(cp1252::firstUnencodable(u"\U0001F600"_s), 0); // emoji, a surrogate pair
        QVERIFY(!cp1252::encode(u"Ω"_s).has_value());
    }
};

QTEST_GUILESS_MAIN(TestCodepage)
#include "test_codepage.moc"
