// config.ini files whose line ends were changed on the way (a version control
// system, a Linux text editor, an old Mac tool), opened and saved by the editor.
#include "editorfixture.h"

#include <configreader.h>
#include <configvalues.h>
#include <configwriter.h>
#include <layoutblock.h>

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

enum class LineEnds { CrLf, Cr, Lf, NoLastEnd, MixedCrLfAndCr };

QByteArray withLineEnds(QByteArray crlf, LineEnds ends, QRandomGenerator* random = nullptr) {
    switch (ends) {
    case LineEnds::CrLf:
        return crlf;
    case LineEnds::Cr:
        return crlf.replace("\r\n", "\r");
    case LineEnds::Lf:
        return crlf.replace("\r\n", "\n");
    case LineEnds::NoLastEnd:
        crlf.chop(2);
        return crlf;
    case LineEnds::MixedCrLfAndCr: {
        QByteArray mixed;
        for (const QByteArray& line : crlf.split('\n'))
            mixed += line.endsWith('\r') && random->bounded(2) ? line : line + '\n';
        mixed.chop(1);
        return mixed;
    }
    }
    return crlf;
}

QString layoutText(QRandomGenerator& random) {
    LayoutValues values;
    for (ControlLayout& control : values.controls) {
        control = {double(random.bounded(0, 500)),    double(random.bounded(0, 600)),
                   double(random.bounded(1, 300)),    double(random.bounded(1, 300)),
                   qint32(random.bounded(0x1000000)), qint32(random.bounded(0x1000000))};
    }
    values.windowTopTwips = random.bounded(0, 3000);
    values.windowLeftTwips = random.bounded(0, 3000);
    values.windowWidth = random.bounded(200, 800);
    values.windowHeight = random.bounded(200, 600);
    values.windowColour = qint32(random.bounded(0x1000000));
    values.backgroundPath = u"NO"_s;
    return formatLayoutBlock(values).text;
}

// Texts as authors write them: blanks, tags inside values, "NO", accents.
QString someText(QRandomGenerator& random) {
    static const QStringList pieces{u"Giochi"_s, u" "_s,          u"NO"_s,  u"n/a"_s,
                                    u"[NOME]"_s, u"è"_s,          u"\\"_s,  u"setup.exe"_s,
                                    u"\t"_s,     u"[INTERNET]"_s, u"==="_s, u"0"_s};
    QString text;
    for (int i = random.bounded(0, 5); i > 0; --i)
        text += pieces[random.bounded(pieces.size())];
    return text;
}

ConfigFile someProject(QRandomGenerator& random) {
    ConfigFile config;
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t)
        *generalSetting(config, ConfigTag(t)) = someText(random);
    config.categoriesEnabled = random.bounded(2);
    // "[CATE]NO" with an empty list reads back as categories off: not a round trip.
    if (config.categoriesEnabled) {
        for (int i = random.bounded(1, 4); i > 0; --i)
            config.categories.append(someText(random));
    }
    for (int i = random.bounded(0, 6); i > 0; --i) {
        AppEntry app;
        for (int t = int(ConfigTag::AppName); t <= int(ConfigTag::AppCategory); ++t)
            *appField(app, ConfigTag(t)) = someText(random);
        if (!config.categoriesEnabled)
            app.category.clear();
        config.apps.append(app);
    }
    return config;
}

// What the editor's save makes of a model: empty settings become "NO".
ConfigFile savedByTheEditor(ConfigFile config) {
    for (int t = int(ConfigTag::Title); t <= int(ConfigTag::AboutText); ++t) {
        QString* setting = generalSetting(config, ConfigTag(t));
        if (setting->isEmpty())
            *setting = configvalue::unset;
    }
    return config;
}

void openAndSave(EditorFixture& f, const QByteArray& bytes) {
    EditorFixture::writeFile(f.discFile(u"config.ini"_s), bytes);
    f.openThroughDialog(f.discFile(u"config.ini"_s));
    f.prompts.expectMessageBox(Prompts::Answer::Ok, u"sovrascrivere"_s);
    f.window->saveProject();
}

} // namespace

class TestLineEnds : public QObject {
    Q_OBJECT

private slots:
    void openAndSaveRestoresTheFile_data() {
        QTest::addColumn<LineEnds>("ends");
        QTest::newRow("CR LF") << LineEnds::CrLf;
        QTest::newRow("CR") << LineEnds::Cr;
        QTest::newRow("LF") << LineEnds::Lf;
        QTest::newRow("last line without end") << LineEnds::NoLastEnd;
    }

    void openAndSaveRestoresTheFile() {
        QFETCH(LineEnds, ends);
        QRandomGenerator random(12);
        ConfigFile project = savedByTheEditor(someProject(random));
        project.categoriesEnabled = true;
        project.categories = {u"Giochi"_s, u"Utility"_s};
        project.apps = {{u"Tetris"_s, u"Un gioco"_s, u"img\\t.bmp"_s, u"Installa"_s,
                         u"[UNZIP] t.zip"_s, u"giochi\\"_s, u"NO"_s, u"NO"_s, u"Giochi"_s},
                        {u"Vecchio"_s, QString(), u"NO"_s, u"NO"_s, u"NO"_s, u"NO"_s, u"NO"_s,
                         u"NO"_s, u"n/a"_s},
                        {u"Perso"_s, QString(), u"NO"_s, u"NO"_s, u"NO"_s, u"NO"_s, u"NO"_s,
                         u"NO"_s, u"Tolta"_s}};
        ConfigWriteResult result;
        const QByteArray original = formatConfig(project, layoutText(random), &result);
        QVERIFY(result.ok);

        EditorFixture f;
        openAndSave(f, withLineEnds(original, ends));
        const QByteArray saved = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        // Every value of every application and of the layout, in one comparison.
        QCOMPARE(parseConfig(saved), parseConfig(original));
        QCOMPARE(saved, original);
    }

    void aLoneLineFeedStaysInsideItsValue() {
        // CR line ends: the lone LFs belong to the values, for the menu as for the editor.
        const QByteArray bytes = "[TITL]two\nlines\r[CATE]SI\r[CATG]Giochi\r"
                                 "[NOME]a\n[NOME]b\r[CATN]Giochi\n[CATN]Utility\r"
                                 "[NOME]c\r[CATN]Utility\r";
        EditorFixture f;
        openAndSave(f, bytes);
        const ConfigFile shared = parseConfig(bytes);
        QCOMPARE(shared.apps.size(), 2);
        QCOMPARE(f.window->records(), shared.apps);
        ConfigFile saved = parseConfig(EditorFixture::readFile(f.discFile(u"config.ini"_s)));
        saved.layout = {};
        QCOMPARE(saved, savedByTheEditor(shared));
    }

    void randomProjectsSurviveChangedLineEnds() {
        QRandomGenerator random(20261210);
        for (int round = 0; round < 25; ++round) {
            const ConfigFile project = someProject(random);
            ConfigWriteResult result;
            const QByteArray original = formatConfig(project, layoutText(random), &result);
            QVERIFY(result.ok);
            const auto ends = LineEnds(random.bounded(5));
            EditorFixture f;
            openAndSave(f, withLineEnds(original, ends, &random));
            const ConfigReadResult read = readConfig(f.discFile(u"config.ini"_s));
            QVERIFY(read.config);
            QVERIFY2(*read.config == savedByTheEditor(parseConfig(original)),
                     qPrintable(u"round %1, line ends %2"_s.arg(round).arg(int(ends))));
        }
    }
};

QTEST_MAIN(TestLineEnds)
#include "test_menusmith_lineends.moc"
