#include "promptdialogs.h"
#include "scriptedprompts.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Answer = Prompts::Answer;
using Buttons = Prompts::Buttons;
using Icon = Prompts::Icon;

// The scripted double must catch a prompt the test did not plan for, and
// QtPrompts must build the dialogs the programs ask for.
class TestPrompts : public QObject {
    Q_OBJECT

private slots:
    void scriptAnswersInOrder();
    void scriptRecordsWhatWasAsked();
    void unexpectedPromptIsAMistake();
    void wrongKindIsAMistake();
    void wrongTextIsAMistake();
    void unusedScriptIsAMistake();
    void unexpectedPromptFailsTheTest();

    void messageBoxButtons_data();
    void messageBoxButtons();
    void defaultButtonNotOfferedFallsBackToFirst();
    void escapeOnlyWhereThereIsACancel();
    void answersForButtons();
    void nameFilters();
    void fileDialogSetUp();
    void fileDialogListsWhatWindowsWould();
    void passwordInputShowsDots();
};

void TestPrompts::scriptAnswersInOrder() {
    ScriptedPrompts prompts;
    prompts.expectMessageBox(Answer::No)
        .expectOpenFile(u"/disc/config.ini"_s)
        .expectSaveFile(std::nullopt)
        .expectInputBox(u"Games"_s)
        .expectColour(QColor(Qt::red));
    QCOMPARE(prompts.messageBox(u"Delete?"_s, u"t"_s, Buttons::YesNo, Icon::Question, Answer::No),
             Answer::No);
    QCOMPARE(prompts.openFileDialog({}), std::optional<QString>(u"/disc/config.ini"_s));
    QCOMPARE(prompts.saveFileDialog({}), std::nullopt);
    QCOMPARE(prompts.inputBox(u"Name"_s, u"t"_s, {}), std::optional<QString>(u"Games"_s));
    QCOMPARE(prompts.colourDialog(Qt::black, {}), std::optional<QColor>(QColor(Qt::red)));
    QCOMPARE(prompts.remaining(), 0);
    QVERIFY(prompts.mistakes().isEmpty());
}

void TestPrompts::scriptRecordsWhatWasAsked() {
    ScriptedPrompts prompts;
    prompts.expectSaveFile(u"/x/config.ini"_s);
    const Prompts::FileDialogRequest request{
        u"Save"_s, {{u"file config.ini"_s, u"config.ini"_s}}, u"ini"_s, u"/x"_s, u"config.ini"_s};
    prompts.saveFileDialog(request);
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().kind, ScriptedPrompts::Kind::SaveFile);
    QCOMPARE(prompts.asked().first().file, request);
}

void TestPrompts::unexpectedPromptIsAMistake() {
    ScriptedPrompts prompts(ScriptedPrompts::OnMistake::Record);
    // Answered as if dismissed, so that nothing destructive follows.
    QCOMPARE(prompts.messageBox(u"Delete?"_s, u"t"_s, Buttons::YesNo, Icon::Question, Answer::Yes),
             Answer::No);
    QCOMPARE(prompts.messageBox(u"x"_s, u"t"_s, Buttons::YesNoCancel, Icon::None, Answer::Yes),
             Answer::Cancel);
    QCOMPARE(prompts.openFileDialog({}), std::nullopt);
    QCOMPARE(prompts.colourDialog(Qt::white, {}), std::nullopt);
    QCOMPARE(prompts.mistakes().size(), 4);
    QVERIFY(prompts.mistakes().first().contains(u"Delete?"));
}

void TestPrompts::wrongKindIsAMistake() {
    ScriptedPrompts prompts(ScriptedPrompts::OnMistake::Record);
    prompts.expectOpenFile(u"/a"_s);
    QCOMPARE(prompts.saveFileDialog({}), std::nullopt);
    QCOMPARE(prompts.mistakes().size(), 1);
    QVERIFY(prompts.mistakes().first().contains(u"open file dialog"));
    // The expected step is still there for the prompt that should come.
    QCOMPARE(prompts.openFileDialog({}), std::optional<QString>(u"/a"_s));
}

void TestPrompts::wrongTextIsAMistake() {
    ScriptedPrompts prompts(ScriptedPrompts::OnMistake::Record);
    prompts.expectMessageBox(Answer::Yes, u"delete"_s);
    QCOMPARE(prompts.messageBox(u"Exit?"_s, u"t"_s, Buttons::YesNo, Icon::Question, Answer::No),
             Answer::No);
    QCOMPARE(prompts.mistakes().size(), 1);
}

void TestPrompts::unusedScriptIsAMistake() {
    QStringList mistakes;
    {
        ScriptedPrompts prompts(ScriptedPrompts::OnMistake::Record);
        prompts.expectMessageBox(Answer::Ok).expectColour(std::nullopt);
        prompts.verifyAllUsed();
        mistakes = prompts.mistakes();
    }
    QCOMPARE(mistakes.size(), 2);
    QVERIFY(mistakes.last().contains(u"colour dialog"));
}

void TestPrompts::unexpectedPromptFailsTheTest() {
    QEXPECT_FAIL("", "the double fails a test on an unexpected prompt", Continue);
    ScriptedPrompts prompts;
    prompts.messageBox(u"surprise"_s, u"t"_s, Buttons::Ok, Icon::Information, Answer::Ok);
}

void TestPrompts::messageBoxButtons_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok") << int(Buttons::Ok) << int(QMessageBox::Ok);
    QTest::newRow("ok cancel") << int(Buttons::OkCancel)
                               << int(QMessageBox::Ok | QMessageBox::Cancel);
    QTest::newRow("yes no") << int(Buttons::YesNo) << int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("yes no cancel") << int(Buttons::YesNoCancel)
                                   << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QTest::newRow("retry cancel") << int(Buttons::RetryCancel)
                                  << int(QMessageBox::Retry | QMessageBox::Cancel);
    QTest::newRow("abort retry ignore")
        << int(Buttons::AbortRetryIgnore)
        << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
}

void TestPrompts::messageBoxButtons() {
    QFETCH(int, buttons);
    QFETCH(int, expected);
    QMessageBox box;
    promptdialogs::setUp(box, u"text"_s, u"title"_s, Buttons(buttons), Icon::Exclamation,
                         Answer::Ok);
    QCOMPARE(int(box.standardButtons()), expected);
    QCOMPARE(box.icon(), QMessageBox::Warning);
    QCOMPARE(box.windowTitle(), u"title"_s);
}

void TestPrompts::defaultButtonNotOfferedFallsBackToFirst() {
    QMessageBox box;
    promptdialogs::setUp(box, {}, {}, Buttons::YesNo, Icon::Question, Answer::No);
    QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
    promptdialogs::setUp(box, {}, {}, Buttons::YesNo, Icon::Question, Answer::Ok);
    QCOMPARE(box.defaultButton(), box.button(QMessageBox::Yes));
}

void TestPrompts::escapeOnlyWhereThereIsACancel() {
    QMessageBox box;
    promptdialogs::setUp(box, {}, {}, Buttons::YesNoCancel, Icon::None, Answer::Yes);
    QCOMPARE(box.escapeButton(), box.button(QMessageBox::Cancel));
    QMessageBox okBox;
    promptdialogs::setUp(okBox, {}, {}, Buttons::Ok, Icon::None, Answer::Ok);
    QCOMPARE(okBox.escapeButton(), okBox.button(QMessageBox::Ok));
}

void TestPrompts::answersForButtons() {
    QCOMPARE(promptdialogs::answerFor(QMessageBox::Yes), Answer::Yes);
    QCOMPARE(promptdialogs::answerFor(QMessageBox::Ignore), Answer::Ignore);
    QCOMPARE(promptdialogs::answerFor(QMessageBox::NoButton), Answer::Cancel);
}

void TestPrompts::nameFilters() {
    QCOMPARE(promptdialogs::nameFilter({u"Icons (*.ico,*.cur)"_s, u"*.ico;*.cur"_s}),
             u"Icons (*.ico,*.cur) (*.ico *.cur)"_s);
    QCOMPARE(promptdialogs::nameFilter({u"File config.ini"_s, u"config.ini"_s}),
             u"File config.ini (config.ini)"_s);
    QCOMPARE(promptdialogs::nameFilter({{}, u"*.*"_s}), u"*.* (*.*)"_s);
}

void TestPrompts::passwordInputShowsDots() {
    QInputDialog dialog;
    promptdialogs::setUp(dialog, u"Password?"_s, u"t"_s, {}, Prompts::Echo::Password);
    QCOMPARE(dialog.textEchoMode(), QLineEdit::Password);
    QCOMPARE(dialog.labelText(), u"Password?"_s);
    promptdialogs::setUp(dialog, u"Name"_s, u"t"_s, u"x"_s, Prompts::Echo::Normal);
    QCOMPARE(dialog.textEchoMode(), QLineEdit::Normal);
    QCOMPARE(dialog.textValue(), u"x"_s);
}

void TestPrompts::fileDialogSetUp() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFileDialog dialog;
    promptdialogs::setUp(dialog,
                         {u"Save config"_s,
                          {{u"file config.ini"_s, u"config.ini"_s}, {u"All"_s, u"*.*"_s}},
                          u".ini"_s,
                          dir.path(),
                          u"config.ini"_s},
                         promptdialogs::FileDialogKind::Save);
    QCOMPARE(dialog.windowTitle(), u"Save config"_s);
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog.nameFilters(),
             (QStringList{u"file config.ini (config.ini)"_s, u"All (*.*)"_s}));
    QCOMPARE(dialog.defaultSuffix(), u"ini"_s);
    QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
}

namespace {

// The file names that the dialog lists in its folder, once its model has read it.
QStringList listedFiles(QFileDialog& dialog, const QString& folder) {
    QAbstractProxyModel* proxy = dialog.proxyModel();
    auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
    const QModelIndex root = proxy->mapFromSource(files->index(folder));
    QStringList names;
    for (int row = 0; row < proxy->rowCount(root); ++row) {
        const QModelIndex index = proxy->index(row, 0, root);
        if (!files->isDir(proxy->mapToSource(index)) && (proxy->flags(index) & Qt::ItemIsEnabled))
            names << index.data().toString();
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace

void TestPrompts::fileDialogListsWhatWindowsWould() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto make = [&](const QString& name, const QByteArray& bytes,
                          QFile::Permissions extra = {}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | extra));
    };
    make(u"README"_s, "plain text");
    make(u"setup.exe"_s, "MZ");
    make(u"INSTALL.EXE"_s, "MZ");
    make(u"run"_s, "binary", QFile::ExeOwner);
    make(u"start"_s, "#!/bin/sh\n");
    make(u"install.sh"_s, "echo");
    make(u"data.zip"_s, "PK");

    QFileDialog dialog;
    const QList<Prompts::FileFilter> filters{{u"Files eseguibili (*.exe)"_s, u"*.exe"_s},
                                             {u"Files zip (*.zip)"_s, u"*.zip"_s},
                                             {u"Tutti i file (*.*)"_s, u"*.*"_s}};
    promptdialogs::setUp(dialog, {u"Programma"_s, filters, {}, dir.path(), {}},
                         promptdialogs::FileDialogKind::Open);
    // The entries keep their texts.
    QCOMPARE(dialog.nameFilters().first(), u"Files eseguibili (*.exe) (*.exe)"_s);

#ifdef Q_OS_WIN
    const QStringList programs{u"INSTALL.EXE"_s, u"setup.exe"_s};
#else
    const QStringList programs{u"INSTALL.EXE"_s, u"install.sh"_s, u"run"_s, u"setup.exe"_s,
                               u"start"_s};
#endif
    QTRY_COMPARE(listedFiles(dialog, dir.path()), programs);
    dialog.selectNameFilter(dialog.nameFilters().at(1));
    QTRY_COMPARE(listedFiles(dialog, dir.path()), QStringList{u"data.zip"_s});
    // "*.*" lists names without a dot too.
    dialog.selectNameFilter(dialog.nameFilters().at(2));
    QTRY_COMPARE(listedFiles(dialog, dir.path()),
                 (QStringList{u"data.zip"_s, u"INSTALL.EXE"_s, u"install.sh"_s, u"README"_s,
                              u"run"_s, u"setup.exe"_s, u"start"_s}));
}

QTEST_MAIN(TestPrompts)
#include "test_prompts.moc"
