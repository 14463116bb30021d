#include "categoriespanel.h"
#include "databasepanel.h"
#include "form4.h"
#include "recordeditor.h"
#include "recordstesting.h"
#include "scriptedprompts.h"

#include <configreader.h>
#include <configwriter.h>
#include <editorstate.h>
#include <uitexts.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace recordstesting;

// A disc built in the two panels as an author would, written with the
// project's writer and read back: what the menu will find in config.ini.
class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void threeApplicationsWithCategoriesSurviveSaveAndOpen();
    void categoriesOffWriteNoCategoryLines();
    void removedCategoryStaysWithItsApplications();

private:
    struct Editor;
};

// The two panels, wired as the editor's main window wires them.
struct TestRoundTrip::Editor {
    EditorState state;
    UiTexts texts{u"IT"};
    ScriptedPrompts prompts;
    CategoriesPanel categories{state, texts, prompts};
    DatabasePanel records{state, texts, prompts};

    explicit Editor(const QString& projectFolder) {
        state.projectFolder = projectFolder;
        QObject::connect(&categories, &CategoriesPanel::categoryChoicesChanged, &records,
                         &DatabasePanel::setCategoryChoices);
        QObject::connect(&categories, &CategoriesPanel::categoriesShownChanged, &records,
                         &DatabasePanel::setCategoriesShown);
        categories.show();
        records.resize(700, 500);
        records.show();
    }

    void addCategory(const QString& name) {
        click(&categories, u"Command28"_s);
        setText(&categories, u"Text20"_s, name);
        click(&categories, u"Command30"_s);
    }

    // Add after the current record, fill the typed fields, choose the category.
    void addApplication(const QString& name, const QString& installCaption, int categoryIndex) {
        click(&records, u"Command5"_s);
        setText(&records, u"Text9"_s, name);
        setText(&records, u"Text10"_s, name + u": a description"_s);
        setText(&records, u"Text12"_s, installCaption);
        control<QComboBox>(&records, u"Combo1"_s)->setCurrentIndex(categoryIndex);
    }

    ConfigFile project() const {
        ConfigFile config;
        config.title = u"Disc"_s;
        config.categoriesEnabled = categories.categoriesEnabled();
        config.categories = categories.categories();
        config.apps = records.records();
        return config;
    }
};

void TestRoundTrip::threeApplicationsWithCategoriesSurviveSaveAndOpen() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString project = dir.path() + u"/"_s;
    Editor editor(project);
    editor.categories.setCategories(false, {});
    control<QCheckBox>(&editor.categories, u"Check1"_s)->click();
    editor.addCategory(u"Giochi"_s);
    editor.addCategory(u"Utility"_s);
    editor.addCategory(u"Office"_s);
    // Removing and moving: the drop-down follows the removal only.
    control<QListWidget>(&editor.categories, u"List1"_s)->setCurrentRow(2);
    click(&editor.categories, u"Command29"_s);
    control<QListWidget>(&editor.categories, u"List1"_s)->setCurrentRow(1);
    click(&editor.categories, u"Command33"_s);
    QCOMPARE(editor.categories.categories(), (QStringList{u"Utility"_s, u"Giochi"_s}));
    QCOMPARE(entries(control<QComboBox>(&editor.records, u"Combo1"_s)),
             (QStringList{u"Giochi"_s, u"Utility"_s, QString()}));

    editor.prompts.expectOpenFile(project + u"games/tetris.zip"_s)
        .expectOpenFile(project + u"shots/tetris.bmp"_s)
        .expectOpenFile(project + u"tools/edit.exe"_s)
        .expectOpenFile(project + u"tools/edit.txt"_s)
        .expectOpenFile(project + u"manual.pdf"_s);

    editor.addApplication(u"Tetris"_s, u"INSTALLA"_s, 0);
    click(&editor.records, u"Command23"_s);
    click(&editor.records, u"Command12"_s);
    click(&editor.records, u"Command20"_s);
    QVERIFY(editor.records.recordEditor()->internetDialog());
    setText(editor.records.recordEditor()->internetDialog(), u"Text1"_s,
            u"http://www.example.com/tetris"_s);
    click(&editor.records, u"Command21"_s);
    click(editor.records.recordEditor()->internetDialog(), u"Command1"_s);
    flushDeletes();
    click(&editor.records, u"Command7"_s);

    editor.addApplication(u"Editor"_s, u"SETUP"_s, 1);
    click(&editor.records, u"Command11"_s);
    setText(&editor.records, u"Text15"_s, u"LEGGIMI"_s);
    click(&editor.records, u"Command27"_s);
    click(&editor.records, u"Command7"_s);

    // The third goes before the others and has no category.
    control<QListWidget>(&editor.records, u"List2"_s)->setCurrentRow(0);
    click(&editor.records, u"Command8"_s);
    editor.state.currentRecord = -1;
    editor.addApplication(u"Manual"_s, u"LEGGI"_s, 2);
    click(&editor.records, u"Command26"_s);
    click(&editor.records, u"Command7"_s);

    const QList<AppEntry> expected{
        {u"Manual"_s, u"Manual: a description"_s, u"NO"_s, u"LEGGI"_s, u"[ASS]manual.pdf"_s,
         u"NO"_s, u"NO"_s, u"NO"_s, QString()},
        {u"Tetris"_s, u"Tetris: a description"_s, u"shots\\tetris.bmp"_s, u"INSTALLA"_s,
         u"[UNZIP] tetris.zip"_s, u"games\\"_s, u"NO"_s,
         u"[INTERNET]http://www.example.com/tetris"_s, u"Giochi"_s},
        {u"Editor"_s, u"Editor: a description"_s, u"NO"_s, u"SETUP"_s, u"edit.exe"_s, u"tools\\"_s,
         u"LEGGIMI"_s, u"[ASS]tools\\edit.txt"_s, u"Utility"_s},
    };
    QCOMPARE(editor.records.records(), expected);

    const QString path = project + u"config.ini"_s;
    const ConfigWriteResult written = writeConfig(editor.project(), u"NO"_s, path);
    QVERIFY2(written.ok, qPrintable(written.errorMessage));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("[CATE]SI\r\n[CATG]Utility\r\n[CATG]Giochi\r\n"));
    QVERIFY(bytes.contains("[COMM][UNZIP] tetris.zip\r\n[ESAM]games\\\r\n"));
    QVERIFY(bytes.contains("[EXTR][INTERNET]http://www.example.com/tetris\r\n"));
    QVERIFY(bytes.contains("[CATN]Giochi\r\n"));

    const ConfigReadResult read = readConfig(path);
    QVERIFY2(read.config, qPrintable(read.errorMessage));
    QVERIFY(read.config->categoriesEnabled);
    QCOMPARE(read.config->categories, (QStringList{u"Utility"_s, u"Giochi"_s}));
    QCOMPARE(read.config->apps, expected);

    // Opened again in a fresh editor: the same names, choices and records.
    Editor reopened(project);
    reopened.categories.setCategories(read.config->categoriesEnabled, read.config->categories);
    reopened.records.setRecords(read.config->apps);
    QCOMPARE(entries(control<QListWidget>(&reopened.records, u"List2"_s)),
             (QStringList{u"Manual"_s, u"Tetris"_s, u"Editor"_s}));
    QCOMPARE(entries(control<QComboBox>(&reopened.records, u"Combo1"_s)),
             (QStringList{u"Utility"_s, u"Giochi"_s, QString()}));
    control<QListWidget>(&reopened.records, u"List2"_s)->setCurrentRow(2);
    QCOMPARE(control<QComboBox>(&reopened.records, u"Combo1"_s)->currentText(), u"Utility"_s);
    QCOMPARE(text(&reopened.records, u"Text16"_s), u"[ASS]tools\\edit.txt"_s);
    QCOMPARE(reopened.records.records(), expected);
}

void TestRoundTrip::categoriesOffWriteNoCategoryLines() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Editor editor(dir.path() + u"/"_s);
    editor.categories.setCategories(true, {u"Giochi"_s});
    control<QCheckBox>(&editor.categories, u"Check1"_s)->click();
    click(&editor.records, u"Command5"_s);
    setText(&editor.records, u"Text9"_s, u"Solo"_s);
    click(&editor.records, u"Command7"_s);
    QCOMPARE(editor.records.records().first().category, u"n/a"_s);

    const QString path = dir.path() + u"/config.ini"_s;
    QVERIFY(writeConfig(editor.project(), u"NO"_s, path).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains("[CATE]"));
    QVERIFY(!bytes.contains("[CATG]"));
    QVERIFY(!bytes.contains("[CATN]"));
    QVERIFY(bytes.contains("[NOME]Solo\r\n"));
}

void TestRoundTrip::removedCategoryStaysWithItsApplications() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Editor editor(dir.path() + u"/"_s);
    editor.categories.setCategories(true, {u"Giochi"_s, u"Utility"_s});
    editor.addApplication(u"Tetris"_s, u"INSTALLA"_s, 0);
    click(&editor.records, u"Command7"_s);
    QCOMPARE(editor.records.records().first().category, u"Giochi"_s);

    control<QListWidget>(&editor.categories, u"List1"_s)->setCurrentRow(0);
    click(&editor.categories, u"Command29"_s);
    // The record's removed category stays in view after the choices.
    QCOMPARE(entries(control<QComboBox>(&editor.records, u"Combo1"_s)),
             (QStringList{u"Utility"_s, QString(), u"Giochi"_s}));
    // Edited again without touching the drop-down: the name stays.
    click(&editor.records, u"Command4"_s);
    setText(&editor.records, u"Text15"_s, u"LEGGIMI"_s);
    click(&editor.records, u"Command7"_s);
    QCOMPARE(editor.records.records().first().category, u"Giochi"_s);

    const QString path = dir.path() + u"/config.ini"_s;
    QVERIFY(writeConfig(editor.project(), u"NO"_s, path).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("[CATE]SI\r\n[CATG]Utility\r\n"));
    QVERIFY(!bytes.contains("[CATG]Giochi"));
    QVERIFY(bytes.contains("[EXTN]LEGGIMI\r\n"));
    QVERIFY(bytes.contains("[CATN]Giochi\r\n"));
}

QTEST_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
