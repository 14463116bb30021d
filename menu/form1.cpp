#include "form1.h"

#include "aboutbox.h"
#include "accessiblenames.h"
#include "configpath.h"
#include "configvalues.h"
#include "desktop.h"
#include "facenames.h"
#include "launchplan.h"
#include "layoutnumbers.h"
#include "linetokenizer.h"
#include "menuface.h"
#include "pictureloader.h"
#include "productpicture.h"
#include "prompts.h"
#include "shellopen.h"
#include "sound.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const QString kConfigName = QStringLiteral("config.ini");

int wholePixels(double value) {
    return int(layoutnumber::roundHalfEven(value));
}

} // namespace

Form1::Form1(Options options, Desktop& desktop, Sound& sound, QWidget* parent)
    : QMainWindow(parent)
    , m_options(std::move(options))
    , m_desktop(desktop)
    , m_sound(sound) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(productPicture()));

    QAction* about = menuBar()->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &Form1::showAbout);

    m_face = new MenuFace(kMenuPlacement, this);
    m_face->setPictureFolder(m_options.discFolder);
    setCentralWidget(m_face);

    m_aboutText = new QPlainTextEdit(this);
    m_aboutText->setObjectName(QStringLiteral("Text2"));
    m_aboutText->hide();

    m_face->categoryBox()->hide();
    resize(kMenuPlacement.clientWidth,
           kMenuPlacement.clientHeight + menuBar()->sizeHint().height());

    connect(m_face->categoryBox(), &QComboBox::activated, this, &Form1::categoryChosen);
    // A row chosen with a click or the keyboard is a change of the selection,
    // made once per choice. The current row alone is no choice: the list
    // moves it by itself, on focus for one.
    connect(m_face->appList(), &QListWidget::itemSelectionChanged, this,
            [this] { rowChosen(selectedRow()); });
    // Enter on a row, or a double-click, installs as the button would.
    connect(m_face->appList(), &QListWidget::activated, this, [this] {
        if (m_face->installButton()->isEnabled())
            install();
    });
    connect(m_face->installButton(), &QPushButton::clicked, this, &Form1::install);
    connect(m_face->exploreButton(), &QPushButton::clicked, this, &Form1::explore);
    connect(m_face->extraButton(), &QPushButton::clicked, this, &Form1::extra);
    accessibility::prepareWindow(this);
}

Form1::~Form1() = default;

QString Form1::aboutText() const {
    return m_aboutText->toPlainText();
}

std::optional<QString> Form1::load() {
    if (m_loaded)
        return std::nullopt;

    // 1. The frame of a window with a menu bar.
    if (!m_frameGiven)
        m_frame = measureFrame(QStringLiteral("Form2"));

    // 2. The language.
    m_texts = MenuTexts::forLanguage(m_options.language);
    m_face->exploreButton()->setText(m_texts.exploreCaption);
    nameFaceControls(*m_face, m_options.language);

    // 3. Every relative name from here on is taken from the disc folder.
    QDir::setCurrent(m_options.discFolder);

    // 4. Centred at the designed size.
    centreOnScreen();

    // 5. config.ini, applied line by line.
    const QString path = paths::findInFolder(m_options.discFolder, kConfigName)
                             .value_or(QDir(m_options.discFolder).filePath(kConfigName));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("The menu cannot start: there is no readable config.ini in the folder \"%1\" "
                  "(%2).")
            .arg(QDir::toNativeSeparators(m_options.discFolder), file.errorString());
    }
    const QByteArray bytes = file.readAll();
    file.close();
    LineTokenizer lines(bytes);
    ConfigToken token;
    while (lines.next(token))
        applyLine(token);

    // 6. Centred again at the size the file gave, kept usable.
    keepUsableSize();
    centreOnScreen();

    // 7. The category drop-down over the list, and the first category.
    if (m_categoriesEnabled)
        showFirstCategory();

    // 8, 9. The default pictures.
    m_face->loadPicture(FacePicture::Logo, QStringLiteral("logo.bmp"));
    m_face->loadPicture(FacePicture::AppPicture, QStringLiteral("default.bmp"));
    m_face->centrePictures();

    // 10. Nothing chosen yet.
    clearCurrentRow();
    m_face->installButton()->setEnabled(false);
    m_face->exploreButton()->setEnabled(false);
    m_face->extraButton()->setEnabled(false);

    m_loaded = true;
    return std::nullopt;
}

void Form1::applyLine(const ConfigToken& token) {
    if (token.tag.isLayout) {
        const LayoutLineResult result = m_face->applyLayoutLine(token.tag.layout, token.value);
        if (result.outcome != LayoutLineResult::Outcome::ForWindow)
            return;
        // The window is centred instead of placed, so [FO1T] and [FO1L] pass.
        const QSize outer = outerSize();
        if (result.property == LayoutProperty::Width)
            setOuterSize(wholePixels(result.value), outer.height());
        else if (result.property == LayoutProperty::Height)
            setOuterSize(outer.width(), wholePixels(result.value) + m_frame.frameHeight);
        return;
    }

    const QString& value = token.value;
    const ConfigTag tag = token.tag.config;
    if (m_table.appendFromFile(tag, value)) {
        if (tag == ConfigTag::AppName)
            m_face->appList()->addItem(value);
        return;
    }
    if (tag == ConfigTag::CategoriesEnabled) {
        m_categoriesEnabled = value == configvalue::yes;
        m_face->categoryBox()->setVisible(m_categoriesEnabled);
        return;
    }
    if (tag == ConfigTag::Category) {
        QComboBox* combo = m_face->categoryBox();
        combo->addItem(value.trimmed());
        combo->setCurrentIndex(0);
        return;
    }
    if (configvalue::isUnset(value))
        return;
    switch (tag) {
    case ConfigTag::InstallButtonPicture:
        m_face->loadPicture(FacePicture::InstallButton, value);
        break;
    case ConfigTag::ExtraButtonPicture:
        m_face->loadPicture(FacePicture::ExtraButton, value);
        break;
    case ConfigTag::InstallButtonPressedPicture:
        m_face->loadPicture(FacePicture::InstallButtonPressed, value);
        break;
    case ConfigTag::ExtraButtonPressedPicture:
        m_face->loadPicture(FacePicture::ExtraButtonPressed, value);
        break;
    case ConfigTag::IntroText:
        m_face->textPanel()->setPlainText(value);
        break;
    case ConfigTag::AboutText:
        m_aboutText->setPlainText(value);
        break;
    case ConfigTag::Title:
        setWindowTitle(value);
        break;
    case ConfigTag::WindowIcon: {
        const QPixmap icon = pictures::loadPixmap(paths::resolve(value, m_options.discFolder));
        if (!icon.isNull())
            setWindowIcon(QIcon(icon));
        break;
    }
    default:
        break;
    }
}

QSize Form1::outerSize() const {
    return size() + QSize(m_frame.frameWidth, m_frame.frameHeight - m_frame.menuBarHeight);
}

void Form1::setOuterSize(int width, int height) {
    const QSize client(width - m_frame.frameWidth,
                       height - (m_frame.frameHeight - m_frame.menuBarHeight));
    resize(client.expandedTo(QSize(1, 1)));
}

void Form1::keepUsableSize() {
    // Layout values may make the window too small to show its menu bar and a
    // row of the list, or larger than the screen that has to show it whole.
    const QListWidget* list = m_face->appList();
    const int row = list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    const QSize least(menuBar()->sizeHint().width() + m_frame.frameWidth,
                      m_frame.frameHeight + row + 2 * list->frameWidth());
    QSize outer = outerSize().expandedTo(least);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        outer = outer.boundedTo(screen->availableGeometry().size());
    setOuterSize(outer.width(), outer.height());
}

void Form1::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize screenSize = screen->geometry().size();
    const QSize outer = outerSize();
    move((screenSize.width() - outer.width()) / 2, (screenSize.height() - outer.height()) / 2);
}

void Form1::showFirstCategory() {
    m_face->showCategoryBoxOverList();

    m_table.copyToMasters();
    m_table.filter(m_face->categoryBox()->currentText());
    refillList();
}

void Form1::refillList() {
    QListWidget* list = m_face->appList();
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(m_table.visibleList(AppTable::Name));
    clearCurrentRow();
}

void Form1::categoryChosen() {
    m_table.filter(m_face->categoryBox()->currentText());
    refillList();
    // With no row left there is nothing for the buttons to act on.
    if (m_table.visibleCount() == 0) {
        m_face->installButton()->setEnabled(false);
        m_face->exploreButton()->setEnabled(false);
        m_face->extraButton()->setEnabled(false);
    }
}

int Form1::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_face->appList()->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_face->appList()->row(selected.first());
    return row < m_table.visibleCount() ? row : -1;
}

void Form1::clearCurrentRow() {
    // A list that has no current row makes its first row current when it
    // gets the focus; one told it has none keeps none, and the first arrow
    // key then chooses the first row.
    m_face->appList()->setCurrentIndex(QModelIndex());
}

void Form1::rowChosen(int row) {
    if (row < 0 || row >= m_table.visibleCount())
        return;
    const auto field = [&](AppTable::Field f) { return m_table.visible(f, row); };

    const QString description = field(AppTable::Description);
    m_face->textPanel()->setPlainText(configvalue::isUnset(description) ? QString() : description);

    const QString picture = field(AppTable::Picture);
    m_face->exploreButton()->setEnabled(!configvalue::isUnset(field(AppTable::Folder)));

    m_face->loadPicture(FacePicture::AppPicture,
                        configvalue::isUnset(picture) ? QStringLiteral("default.bmp") : picture);
    m_face->centrePictures();

    const QString installCaption = field(AppTable::InstallCaption);
    m_face->installButton()->setText(configvalue::isUnset(installCaption) ? QString()
                                                                          : installCaption);

    const QString installCommand = field(AppTable::InstallCommand);
    if (configvalue::isUnset(installCommand)) {
        m_face->installButton()->setEnabled(false);
    } else {
        m_selectedCommand = installCommand;
        m_face->installButton()->setEnabled(true);
    }

    const QString extraCaption = field(AppTable::ExtraCaption);
    if (configvalue::isUnset(extraCaption)) {
        m_face->extraButton()->setEnabled(false);
    } else {
        m_face->extraButton()->setEnabled(true);
        m_face->extraButton()->setText(extraCaption);
    }
}

void Form1::install() {
    const int row = selectedRow();
    if (row < 0)
        return;
    carryOut(planInstall(m_selectedCommand, m_table.visible(AppTable::Folder, row),
                         m_options.homeFolder),
             true);
}

void Form1::explore() {
    const int row = selectedRow();
    if (row < 0)
        return;
    QDir::setCurrent(m_options.discFolder);
    if (!m_desktop.openFolder(
            paths::resolve(m_table.visible(AppTable::Folder, row), m_options.discFolder)))
        reportFailure();
}

void Form1::extra() {
    const int row = selectedRow();
    if (row < 0)
        return;
    carryOut(planExtra(m_table.visible(AppTable::ExtraCommand, row), m_options.homeFolder), false);
}

void Form1::carryOut(const LaunchPlan& plan, bool inRecordFolder) {
    const QString& disc = m_options.discFolder;
    switch (plan.kind) {
    case LaunchPlan::Kind::Address:
    case LaunchPlan::Kind::Document:
        if (!openWithShell(m_desktop, plan.target))
            reportFailure();
        break;
    case LaunchPlan::Kind::Unzip: {
        // The archive as this system names it, relative to the disc where it
        // lies on it.
        const QString archive = paths::resolve(plan.zipFName, disc);
        const QString relative = QDir(disc).relativeFilePath(archive);
        emit unzipRequested(relative.startsWith(u"..") ? archive : relative, plan.extractRoot);
        break;
    }
    case LaunchPlan::Kind::Program: {
        // The record's folder is current while its program starts; a folder
        // that cannot be made current leaves the disc folder current.
        QDir::setCurrent(disc);
        if (inRecordFolder && !configvalue::isUnset(plan.folder) && !plan.folder.isEmpty())
            QDir::setCurrent(paths::resolve(plan.folder, disc));
        const bool started = m_desktop.startProgram(plan.target, QDir::currentPath());
        QDir::setCurrent(disc);
        if (!started)
            reportFailure();
        break;
    }
    }
}

void Form1::reportFailure() {
    // Nothing on Linux says that a program or document did not open, as the
    // Windows shell does; the menu says it, naming the file and the reason.
    if (!m_prompts)
        return;
    m_prompts->messageBox(m_texts.failureMessage(m_desktop.lastFailure()), windowTitle(),
                          Prompts::Buttons::Ok, Prompts::Icon::Exclamation, Prompts::Answer::Ok);
}

void Form1::showAbout() {
    AboutBox::showMenuAbout(this, m_desktop, aboutText(), m_texts.aboutCredit);
}

void Form1::closeEvent(QCloseEvent* event) {
    m_sound.sendCommand(QStringLiteral("stop sound"));
    m_sound.sendCommand(QStringLiteral("close sound"));
    QMainWindow::closeEvent(event);
}
