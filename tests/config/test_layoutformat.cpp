#include "configreader.h"
#include "layoutblock.h"
#include "layoutnumbers.h"

#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

ControlLayout control(double top, double left, double width, double height, qint32 back,
                      qint32 text = 0) {
    return {top, left, width, height, back, text};
}

} // namespace

class TestLayoutFormat : public QObject {
    Q_OBJECT
private slots:
    void factoryLayoutBlockByteForByte() {
        const qint32 grey = 12632256;
        LayoutValues v;
        v.control(LayoutObjectId::InstallButton) = control(298, 390, 71, 71, grey);
        v.control(LayoutObjectId::ExploreButton) = control(298, 460, 71, 71, grey);
        v.control(LayoutObjectId::ExtraButton) = control(298, 530, 71, 71, grey);
        v.control(LayoutObjectId::AppPicture) = control(42, 90, 224, 193, 0);
        v.control(LayoutObjectId::Logo) = control(285, 20, 364, 88, grey);
        v.control(LayoutObjectId::AppList) = control(0, 390, 208, 186, grey, 0);
        v.control(LayoutObjectId::TextPanel) = control(210, 390, 211, 74, grey, 0);
        v.windowTopTwips = 100;
        v.windowLeftTwips = 100;
        v.windowWidth = 619;
        v.windowHeight = 397;
        v.windowColour = grey;

        const LayoutBlock block = formatLayoutBlock(v);
        const QString expected =
            u"[CO1T]298\r\n[CO1L]390\r\n[CO1W]71\r\n[CO1H]71\r\n[CO1C]12632256\r\n"
            "[CO2T]298\r\n[CO2L]460\r\n[CO2W]71\r\n[CO2H]71\r\n[CO2C]12632256\r\n"
            "[CO4T]298\r\n[CO4L]530\r\n[CO4W]71\r\n[CO4H]71\r\n[CO4C]12632256\r\n"
            "[PI1T]42\r\n[PI1L]90\r\n[PI1W]224\r\n[PI1H]193\r\n[PI1C]0\r\n"
            "[PI9T]285\r\n[PI9L]20\r\n[PI9W]364\r\n[PI9H]88\r\n[PI9C]12632256\r\n"
            "[LS2T]0\r\n[LS2L]390\r\n[LS2W]208\r\n[LS2H]186\r\n[LS2C]12632256\r\n"
            "[LS2F]0\r\n"
            "[TX1T]210\r\n[TX1L]390\r\n[TX1W]211\r\n[TX1H]74\r\n[TX1C]12632256\r\n"
            "[TX1F]0\r\n"
            "[FO1T]100\r\n[FO1L]100\r\n[FO1W]619\r\n[FO1H]397\r\n[FO1C]12632256\r\n"
            "[BKGR]\r\n"_s;
        QCOMPARE(block.text, expected);
        QCOMPARE(block.text.count(u"\r\n"_s), 43);
        QVERIFY(block.clampedTags.isEmpty());

        // Read back, every line is a layout line of its own, in block order.
        const ConfigFile read = parseConfig(block.text.toLatin1());
        QCOMPARE(read.layout.lines.size(), 43);
        QCOMPARE(read.layout.toText(), expected);
    }

    void geometryRoundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("298.5") << 298.5 << u"298"_s;
        QTest::newRow("299.5") << 299.5 << u"300"_s;
        QTest::newRow("2.5") << 2.5 << u"2"_s;
        QTest::newRow("0.5") << 0.5 << u"0"_s;
        QTest::newRow("-0.5") << -0.5 << u"0"_s;
        QTest::newRow("-1.5") << -1.5 << u"-2"_s;
        QTest::newRow("-2.5") << -2.5 << u"-2"_s;
        QTest::newRow("298.49") << 298.49 << u"298"_s;
        QTest::newRow("298.51") << 298.51 << u"299"_s;
        QTest::newRow("-7") << -7.0 << u"-7"_s;
        QTest::newRow("max") << 32767.0 << u"32767"_s;
        QTest::newRow("min") << -32768.0 << u"-32768"_s;
    }
    void geometryRoundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(QString, text);
        bool clamped = true;
        QCOMPARE(layoutnumber::formatGeometry(value, &clamped), text);
        QVERIFY(!clamped);
    }

    void geometryOutsideTheFileRangeIsClamped() {
        bool clamped = false;
        QCOMPARE(layoutnumber::formatGeometry(32767.5, &clamped), u"32767"_s); // rounds to 32768
        QVERIFY(clamped);
        QCOMPARE(layoutnumber::formatGeometry(-40000, &clamped), u"-32768"_s);
        QVERIFY(clamped);
        QCOMPARE(layoutnumber::formatGeometry(std::numeric_limits<double>::infinity(), &clamped),
                 u"32767"_s);
        QVERIFY(clamped);

        LayoutValues v;
        v.windowLeftTwips = 50000;
        QCOMPARE(formatLayoutBlock(v).clampedTags, QStringList{u"[FO1L]"_s});
    }

    void negativeColourRoundTrips() {
        const qint32 buttonFace = qint32(0x8000000Fu);
        const QString text = layoutnumber::formatColour(buttonFace);
        QCOMPARE(text, u"-2147483633"_s);
        QCOMPARE(layoutnumber::parseColour(text), std::optional<qint32>(buttonFace));
        QCOMPARE(layoutnumber::formatColour(16777215), u"16777215"_s);
    }

    void numbersThatConvert_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << u"298"_s << 298.0;
        QTest::newRow("negative") << u"-12"_s << -12.0;
        QTest::newRow("plus") << u"+12"_s << 12.0;
        QTest::newRow("fraction") << u"298.5"_s << 298.5;
        QTest::newRow("leading point") << u".5"_s << 0.5;
        QTest::newRow("trailing point") << u"7."_s << 7.0;
        QTest::newRow("exponent") << u"1.5e2"_s << 150.0;
        QTest::newRow("exponent sign") << u"15E-1"_s << 1.5;
        QTest::newRow("blanks") << u"  42 \t"_s << 42.0;
        QTest::newRow("leading zeros") << u"007"_s << 7.0;
    }
    void numbersThatConvert() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(layoutnumber::parse(text), std::optional<double>(value));
    }

    void numbersThatDoNot_data() {
        QTest::addColumn<QString>("text");
        for (const QString& s :
             {u""_s, u" "_s, u"abc"_s, u"12px"_s, u"1,5"_s, u"0x10"_s, u"&H10"_s, u"nan"_s,
              u"inf"_s, u"-infinity"_s, u"1e"_s, u"e5"_s, u"."_s, u"--1"_s, u"1 2"_s, u"1e999"_s,
              u"\u0661"_s /* Arabic-Indic one */})
            QTest::newRow(qPrintable(s.isEmpty() ? u"(empty)"_s : s)) << s;
    }
    void numbersThatDoNot() {
        QFETCH(QString, text);
        QCOMPARE(layoutnumber::parse(text), std::nullopt);
    }

    void rangesOfGeometryAndColour() {
        QCOMPARE(layoutnumber::parseGeometry(u"32767.4"_s), std::optional<double>(32767.4));
        QCOMPARE(layoutnumber::parseGeometry(u"32767.5"_s), std::nullopt);
        QCOMPARE(layoutnumber::parseGeometry(u"-32768"_s), std::optional<double>(-32768));
        QCOMPARE(layoutnumber::parseGeometry(u"-32769"_s), std::nullopt);
        QCOMPARE(layoutnumber::parseColour(u"2147483647"_s), std::optional<qint32>(2147483647));
        QCOMPARE(layoutnumber::parseColour(u"2147483648"_s), std::nullopt);
        QCOMPARE(layoutnumber::parseColour(u"-2147483648"_s), std::optional<qint32>(INT32_MIN));
        QCOMPARE(layoutnumber::parseColour(u"255.5"_s), std::optional<qint32>(256));
        QCOMPARE(layoutnumber::parseColour(u"254.5"_s), std::optional<qint32>(254));
    }

    void layoutObjectsTable() {
        QCOMPARE(int(layoutObjects.size()), 9);
        QCOMPARE(layoutObject(LayoutObjectId::ExtraButton).prefix, "CO4"_L1);
        QCOMPARE(layoutObject(LayoutObjectId::ExtraButton).controlName, "Command4"_L1);
        QCOMPARE(layoutObject(LayoutObjectId::Logo).objectName, "picture9"_L1);
        QCOMPARE(layoutObject(LayoutObjectId::Window).objectName, "form1"_L1);
        int withText = 0;
        for (const LayoutObject& o : layoutObjects)
            withText += o.hasTextColour;
        QCOMPARE(withText, 2);
    }
};

QTEST_GUILESS_MAIN(TestLayoutFormat)
#include "test_layoutformat.moc"
