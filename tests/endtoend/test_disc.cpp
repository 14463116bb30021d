#include "form1.h"
#include "form2.h"
#include "recordingdesktop.h"
#include "recordingsound.h"
#include "scriptedprompts.h"

#include <framemeasure.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// An author builds a disc of three applications in two categories in the
// editor's window and saves it; the menu's window then starts on that folder
// and an end user browses and installs from it. Everything goes through the
// controls, by their names, as the two users would.
class TestDisc : public QObject {
    Q_OBJECT

private slots:
    void init() { m_previousFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_previousFolder); }

    void authoredDiscWorksInTheMenu();

private:
    QString m_previousFolder;
};

namespace {

// The one control of that name below root; fails the test when there is none
// or more than one, since a user could not tell them apart either.
template <typename Control>
Control* named(const QObject* root, const QString& name) {
    const QList<Control*> found = root->findChildren<Control*>(name);
    if (found.size() != 1) {
        QTest::qFail(qPrintable(u"%1 controls named %2"_s.arg(found.size()).arg(name)), __FILE__,
                     __LINE__);
        return nullptr;
    }
    return found.first();
}

bool click(const QObject* root, const QString& name) {
    auto* button = named<QAbstractButton>(root, name);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

bool type(const QObject* root, const QString& name, const QString& text) {
    auto* box = named<QLineEdit>(root, name);
    if (!box || !box->isVisible())
        return false;
    QTest::keyClicks(box, text);
    return box->text() == text;
}

QStringList entries(const QListWidget* list) {
    QStringList all;
    for (int row = 0; row < list->count(); ++row)
        all.append(list->item(row)->text());
    return all;
}

QStringList entries(const QComboBox* combo) {
    QStringList all;
    for (int index = 0; index < combo->count(); ++index)
        all.append(combo->itemText(index));
    return all;
}

// Chooses text in a drop-down the way a user's pick arrives.
bool choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 || !combo->isVisible())
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

void clickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

struct Application {
    QString name;
    QString description;
    QString installCaption;
    QString installCommand;
    QString folder;
    QString extraCaption;
    QString extraCommand;
    QString category;
};

const QList<Application>& discApplications() {
    static const QList<Application> apps{
        {u"Sito dei giochi"_s,
         u"Tutti i giochi in rete"_s,
         u"VISITA"_s,
         u"[INTERNET]http://www.example.com/giochi"_s,
         {},
         {},
         {},
         u"Giochi"_s},
        {u"Manuale"_s, u"Il manuale del disco"_s, u"LEGGI"_s, u"[ASS]manuale.txt"_s, u"docs\\"_s,
         u"NOTE"_s, u"[ASS]note.txt"_s, u"Utility"_s},
        {u"Tetris"_s, u"Un gioco di blocchi"_s, u"INSTALLA"_s, u"setup.exe /quiet"_s,
         u"giochi\\tetris\\"_s, u"SITO"_s, u"[INTERNET]http://example.org/tetris"_s, u"Giochi"_s},
    };
    return apps;
}

// The editor's part: new project, categories, records, save.
void authorDisc(const QString& discFolder) {
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    auto editor = std::make_unique<Form2>(u"IT"_s, prompts, desktop, discFolder);
    editor->show();
    QWidget* filePanel = named<QWidget>(editor.get(), u"Frame3"_s);
    QVERIFY(filePanel && filePanel->isVisible());

    const QString configPath = discFolder + u"config.ini"_s;
    prompts.expectSaveFile(configPath);
    QVERIFY(click(filePanel, u"Command2"_s));
    QCOMPARE(named<QLineEdit>(filePanel, u"Text18"_s)->text(), configPath);
    QFile created(configPath);
    QVERIFY(created.open(QIODevice::ReadOnly));
    QVERIFY(created.readAll().startsWith("Nuovo file config.ini creato il "));
    created.close();

    QVERIFY(click(editor.get(), u"Option2"_s));
    QWidget* textPanel = named<QWidget>(editor.get(), u"Frame2"_s);
    QVERIFY(textPanel && textPanel->isVisible());
    QVERIFY(type(textPanel, u"Text1"_s, u"Disco demo"_s));
    QVERIFY(type(textPanel, u"Text7"_s, u"Benvenuti nel disco"_s));

    QVERIFY(click(editor.get(), u"Option5"_s));
    QWidget* categoriesPanel = named<QWidget>(editor.get(), u"Frame16"_s);
    QVERIFY(categoriesPanel && categoriesPanel->isVisible());
    QVERIFY(click(categoriesPanel, u"Check1"_s));
    for (const QString& category : {u"Giochi"_s, u"Utility"_s}) {
        QVERIFY(click(categoriesPanel, u"Command28"_s));
        QVERIFY(type(categoriesPanel, u"Text20"_s, category));
        QVERIFY(click(categoriesPanel, u"Command30"_s));
    }
    QCOMPARE(entries(named<QListWidget>(categoriesPanel, u"List1"_s)),
             (QStringList{u"Giochi"_s, u"Utility"_s}));

    QVERIFY(click(editor.get(), u"Option4"_s));
    QWidget* databasePanel = named<QWidget>(editor.get(), u"Frame4"_s);
    QVERIFY(databasePanel && databasePanel->isVisible());
    QWidget* recordEditor = named<QWidget>(databasePanel, u"Frame99"_s);
    QVERIFY(recordEditor);
    for (const Application& app : discApplications()) {
        QVERIFY(click(databasePanel, u"Command5"_s));
        QVERIFY(recordEditor->isVisible());
        // A new record starts empty, after the one added before it.
        for (int field = 9; field <= 16; ++field)
            QVERIFY(named<QLineEdit>(recordEditor, u"Text%1"_s.arg(field))->text().isEmpty());
        // The panels cannot be left with a record half-edited.
        QVERIFY(!named<QRadioButton>(editor.get(), u"Option1"_s)->isEnabled());
        QVERIFY(type(recordEditor, u"Text9"_s, app.name));
        QVERIFY(type(recordEditor, u"Text10"_s, app.description));
        QVERIFY(type(recordEditor, u"Text12"_s, app.installCaption));
        QVERIFY(type(recordEditor, u"Text13"_s, app.installCommand));
        QVERIFY(type(recordEditor, u"Text14"_s, app.folder));
        QVERIFY(type(recordEditor, u"Text15"_s, app.extraCaption));
        QVERIFY(type(recordEditor, u"Text16"_s, app.extraCommand));
        auto* category = named<QComboBox>(recordEditor, u"Combo1"_s);
        QVERIFY(category);
        // The new record's "n/a" is shown after the choices until one is chosen.
        QCOMPARE(entries(category), (QStringList{u"Giochi"_s, u"Utility"_s, QString(), u"n/a"_s}));
        QCOMPARE(category->currentText(), u"n/a"_s);
        QVERIFY(choose(category, app.category));
        QVERIFY(click(recordEditor, u"Command7"_s));
        QVERIFY(!recordEditor->isVisible());
        QVERIFY(named<QRadioButton>(editor.get(), u"Option1"_s)->isEnabled());
    }
    QCOMPARE(entries(named<QListWidget>(databasePanel, u"List2"_s)),
             (QStringList{u"Sito dei giochi"_s, u"Manuale"_s, u"Tetris"_s}));

    QVERIFY(click(editor.get(), u"Option1"_s));
    prompts.expectMessageBox(Prompts::Answer::Ok, u"sovrascrivere"_s);
    QVERIFY(click(filePanel, u"Command10"_s));
    QCOMPARE(prompts.asked().last().buttons, Prompts::Buttons::OkCancel);
    prompts.verifyAllUsed();
    QVERIFY(desktop.calls().isEmpty());
    editor.reset();

    QFile saved(configPath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(!bytes.contains("Nuovo file config.ini"));
    QVERIFY(bytes.contains("[TITL]Disco demo\r\n"));
    QVERIFY(bytes.contains("[CATE]SI\r\n[CATG]Giochi\r\n[CATG]Utility\r\n"));
    // Empty fields are stored as unset.
    QVERIFY(bytes.contains("[COMM][INTERNET]http://www.example.com/giochi\r\n[ESAM]NO\r\n"));
    QVERIFY(bytes.contains("[ESAM]giochi\\tetris\\\r\n"));
    QVERIFY(bytes.contains("[CATN]Utility\r\n"));
}

QStringList rows(const Form1& menu) {
    return entries(named<QListWidget>(&menu, u"List2"_s));
}

} // namespace

void TestDisc::authoredDiscWorksInTheMenu() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString disc = QDir::cleanPath(root.path()) + u"/"_s;
    authorDisc(disc);
    if (QTest::currentTestFailed())
        return;

    // What the records name, as the author puts it on the disc.
    QVERIFY(QDir(disc).mkpath(u"giochi/tetris"_s));
    QVERIFY(QDir(disc).mkpath(u"docs"_s));
    QFile manual(disc + u"docs/manuale.txt"_s);
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.close();

    RecordingDesktop desktop;
    RecordingSound sound;
    Form1::Options options;
    options.discFolder = QDir::cleanPath(disc);
    options.language = u"IT"_s;
    options.homeFolder = disc + u"home"_s;
    Form1 menu(options, desktop, sound);
    menu.setFrameMeasure(measureFrame(u"Form2"_s));
    const std::optional<QString> failure = menu.load();
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    menu.show();

    QCOMPARE(menu.windowTitle(), u"Disco demo"_s);
    QCOMPARE(named<QPlainTextEdit>(&menu, u"Text1"_s)->toPlainText(), u"Benvenuti nel disco"_s);
    auto* categories = named<QComboBox>(&menu, u"Combo1"_s);
    QVERIFY(categories && categories->isVisible());
    QCOMPARE(entries(categories), (QStringList{u"Giochi"_s, u"Utility"_s}));
    QCOMPARE(categories->currentText(), u"Giochi"_s);
    QCOMPARE(rows(menu), (QStringList{u"Sito dei giochi"_s, u"Tetris"_s}));

    auto* install = named<QPushButton>(&menu, u"Command1"_s);
    auto* explore = named<QPushButton>(&menu, u"Command2"_s);
    auto* extra = named<QPushButton>(&menu, u"Command4"_s);
    QVERIFY(install && explore && extra);
    QVERIFY(!install->isEnabled());
    QVERIFY(!explore->isEnabled());
    QVERIFY(!extra->isEnabled());
    auto* list = named<QListWidget>(&menu, u"List2"_s);

    // An internet record without a folder or an extra action.
    clickRow(list, 0);
    QCOMPARE(named<QPlainTextEdit>(&menu, u"Text1"_s)->toPlainText(), u"Tutti i giochi in rete"_s);
    QVERIFY(install->isEnabled());
    QCOMPARE(install->text(), u"VISITA"_s);
    QVERIFY(!explore->isEnabled());
    QVERIFY(!extra->isEnabled());
    install->click();
    QCOMPARE(desktop.log(), (QStringList{u"open http://www.example.com/giochi"_s}));
    desktop.clear();

    // A program record: it starts in its own folder, which explore opens.
    clickRow(list, 1);
    QCOMPARE(install->text(), u"INSTALLA"_s);
    QVERIFY(install->isEnabled());
    QVERIFY(explore->isEnabled());
    QVERIFY(extra->isEnabled());
    QCOMPARE(extra->text(), u"SITO"_s);
    install->click();
    explore->click();
    extra->click();
    const QString tetrisFolder = disc + u"giochi/tetris"_s;
    QCOMPARE(desktop.log(),
             (QStringList{u"start setup.exe /quiet in "_s + tetrisFolder,
                          u"folder "_s + tetrisFolder, u"open http://example.org/tetris"_s}));
    QCOMPARE(QDir::cleanPath(QDir::currentPath()), QDir::cleanPath(disc));
    desktop.clear();

    // The second category shows only its own record.
    QVERIFY(choose(categories, u"Utility"_s));
    QCOMPARE(rows(menu), (QStringList{u"Manuale"_s}));
    clickRow(list, 0);
    QCOMPARE(install->text(), u"LEGGI"_s);
    QVERIFY(install->isEnabled());
    QVERIFY(explore->isEnabled());
    QVERIFY(extra->isEnabled());
    QCOMPARE(extra->text(), u"NOTE"_s);
    install->click();
    QCOMPARE(desktop.log(), (QStringList{u"open "_s + disc + u"docs/manuale.txt"_s}));

    // And back: the first category's rows again, in file order.
    QVERIFY(choose(categories, u"Giochi"_s));
    QCOMPARE(rows(menu), (QStringList{u"Sito dei giochi"_s, u"Tetris"_s}));
}

QTEST_MAIN(TestDisc)
#include "test_disc.moc"
