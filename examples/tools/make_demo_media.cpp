// Writes the demo disc of examples/demo-disc: its config.ini, pictures, the
// start-up sound, the zip archive, the documents and the sample program. Every
// file is made here, so the disc holds nothing taken from elsewhere.
//
//   make_demo_media FOLDER

#include "configfile.h"
#include "configwriter.h"
#include "layoutblock.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <zip.h>

#include <cmath>
#include <cstdio>

namespace {

QString g_folder;

bool fail(const QString& what) {
    std::fprintf(stderr, "make_demo_media: %s\n", qPrintable(what));
    return false;
}

bool writeFile(const QString& relative, const QByteArray& bytes, bool executable = false) {
    const QString path = QDir(g_folder).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return fail(path + QStringLiteral(": ") + file.errorString());
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                            QFileDevice::ExeOther);
    return true;
}

// Pictures are stored as 8-bit bitmaps: small, and read by every loader.
bool savePicture(const QString& relative, const QImage& image) {
    const QString path = QDir(g_folder).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    if (!indexed.save(path, "BMP"))
        return fail(QStringLiteral("cannot write ") + path);
    return true;
}

QImage gradientPicture(QSize size, QColor from, QColor to, const QString& text, int pointSize) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPointSize(pointSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, text);
    return image;
}

// The window's background: a light wash with the disc's name where the
// designed window leaves room above the list.
QImage backgroundPicture() {
    QImage image(750, 620, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient wash(0, 0, 0, 620);
    wash.setColorAt(0, QColor(225, 235, 248));
    wash.setColorAt(1, QColor(245, 245, 240));
    painter.fillRect(image.rect(), wash);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPointSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(20, 60, 140));
    painter.drawText(QRect(16, 16, 520, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Demo disc"));
    font.setPointSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 80));
    painter.drawText(QRect(16, 52, 520, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Programs, documents, archives and links in one window"));
    return image;
}

QImage buttonPicture(QColor colour, bool pressed, bool arrowDown) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(pressed ? colour.darker(140) : colour);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QRectF(4, 4, 40, 40).translated(pressed ? 1 : 0, pressed ? 1 : 0));
    QPainterPath arrow;
    if (arrowDown) {
        arrow.moveTo(16, 18);
        arrow.lineTo(32, 18);
        arrow.lineTo(24, 32);
    } else {
        arrow.moveTo(19, 14);
        arrow.lineTo(33, 24);
        arrow.lineTo(19, 34);
    }
    arrow.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(arrow.translated(pressed ? 1 : 0, pressed ? 1 : 0));
    return image;
}

// Half a second of a rising chime: 22,050 Hz, 8-bit mono PCM.
QByteArray chime() {
    constexpr int rate = 22050;
    constexpr int samples = rate / 2;
    QByteArray data;
    data.reserve(samples);
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        const double frequency = t < 0.25 ? 660.0 : 880.0;
        const double envelope = std::exp(-4.0 * std::fmod(t, 0.25));
        data.append(char(128 + int(90 * envelope * std::sin(2 * M_PI * frequency * t))));
    }
    auto le = [](quint32 v, int bytes) {
        QByteArray result;
        for (int i = 0; i < bytes; ++i)
            result.append(char((v >> (8 * i)) & 0xff));
        return result;
    };
    auto le32 = [&](quint32 v) { return le(v, 4); };
    auto le16 = [&](quint16 v) { return le(v, 2); };
    QByteArray wav = "RIFF" + le32(36 + quint32(data.size())) + "WAVEfmt " + le32(16) + le16(1) +
                     le16(1) + le32(rate) + le32(rate) + le16(1) + le16(8) + "data" +
                     le32(quint32(data.size()));
    return wav + data;
}

bool writeZip(const QString& relative, const QList<std::pair<QByteArray, QByteArray>>& members) {
    const QString path = QDir(g_folder).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return fail(QStringLiteral("cannot create ") + path);
    QList<QByteArray> keep = {}; // libzip reads the buffers at close
    for (const auto& [name, content] : members) {
        keep.append(content);
        zip_source_t* source =
            zip_source_buffer(archive, keep.last().constData(), zip_uint64_t(content.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name.constData(), source,
                                                        ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return fail(QStringLiteral("cannot add to ") + path);
        }
        // A fixed time keeps the archive the same on every run; scripts keep
        // their execute bits.
        const zip_uint64_t member = zip_uint64_t(index);
        zip_file_set_mtime(archive, member, time_t(1796774400), 0); // 2026-12-09
        const zip_uint32_t mode = name.endsWith(".sh") ? 0100755 : 0100644;
        zip_file_set_external_attributes(archive, member, 0, ZIP_OPSYS_UNIX, mode << 16);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return fail(QStringLiteral("cannot write ") + path);
    }
    return true;
}

AppEntry app(const QString& name, const QString& description, const QString& picture,
             const QString& installCaption, const QString& installCommand, const QString& folder,
             const QString& extraCaption, const QString& extraCommand, const QString& category) {
    return {name,   description,  picture,      installCaption, installCommand,
            folder, extraCaption, extraCommand, category};
}

ConfigFile demoConfig() {
    ConfigFile config;
    config.title = QStringLiteral("Demo disc – programs, documents and links");
    config.windowIcon = QStringLiteral("pictures\\icon.bmp");
    config.installButtonPicture = QStringLiteral("pictures\\install.bmp");
    config.installButtonPressedPicture = QStringLiteral("pictures\\install-down.bmp");
    config.extraButtonPicture = QStringLiteral("pictures\\extra.bmp");
    config.extraButtonPressedPicture = QStringLiteral("pictures\\extra-down.bmp");
    config.introText = QStringLiteral("Welcome to the demo disc. Choose a category above the list, "
                                      "then an application: its picture "
                                      "and description appear here. The round buttons install it "
                                      "or carry out its extra action; the "
                                      "folder button shows its files.");
    config.aboutText =
        QStringLiteral("A sample disc that shows every feature of the menu. Made in 2026.");
    config.categoriesEnabled = true;
    config.categories = {QStringLiteral("Programs"), QStringLiteral("Documents"),
                         QStringLiteral("Archives"), QStringLiteral("Internet")};
    const QString no = QStringLiteral("NO");
    config.apps = {
        app(QStringLiteral("Hello program"),
            QStringLiteral(
                "A small shell script that greets you: the install button starts it in its own "
                "folder. The extra button shows its source."),
            QStringLiteral("pictures\\hello.bmp"), QStringLiteral("Run"),
            QStringLiteral("hello.sh"), QStringLiteral("programs\\"), QStringLiteral("Source"),
            QStringLiteral("[ASS]programs\\hello.sh"), QStringLiteral("Programs")),
        app(QStringLiteral("Disk usage"),
            QStringLiteral(
                "Starts a program with arguments: a script that lists the disc's files in a text "
                "file beside your home folder and opens it."),
            QStringLiteral("pictures\\usage.bmp"), QStringLiteral("List files"),
            QStringLiteral("sh listfiles.sh --all"), QStringLiteral("programs\\"), no, no,
            QStringLiteral("Programs")),
        app(QStringLiteral("Read me"),
            QStringLiteral("The notes that come with this disc, opened by your text viewer."),
            QStringLiteral("pictures\\readme.bmp"), QStringLiteral("Read"),
            QStringLiteral("[ASS]readme.txt"), no, no, no, QStringLiteral("Documents")),
        app(QStringLiteral("User manual"),
            QStringLiteral(
                "A web page on the disc, opened by your browser. Explore shows the docs folder."),
            QStringLiteral("pictures\\manual.bmp"), QStringLiteral("Open"),
            QStringLiteral("[ASS]manual.html"), QStringLiteral("docs\\"), QStringLiteral("Print"),
            QStringLiteral("[ASS]docs\\manual.txt"), QStringLiteral("Documents")),
        app(QStringLiteral("Tools pack"),
            QStringLiteral(
                "A zip archive: the install button extracts it with its folders into a folder "
                "of your home folder; the extra button extracts the same archive again."),
            QStringLiteral("pictures\\tools.bmp"), QStringLiteral("Unzip"),
            QStringLiteral("[UNZIP] tools.zip"), QStringLiteral("archives\\"),
            QStringLiteral("Again"), QStringLiteral("[UNZIP]archives\\tools.zip"),
            QStringLiteral("Archives")),
        app(QStringLiteral("Qt web site"),
            QStringLiteral("An internet address: opens in your web browser."),
            QStringLiteral("pictures\\web.bmp"), QStringLiteral("Visit"),
            QStringLiteral("[INTERNET]https://www.qt.io/"), no, QStringLiteral("Mail"),
            QStringLiteral("[INTERNET]mailto:demo@example.org?subject=Demo disc"),
            QStringLiteral("Internet")),
        app(QStringLiteral("Debian FTP"),
            QStringLiteral("An FTP address, handed to the desktop as it stands."),
            QStringLiteral("pictures\\ftp.bmp"), QStringLiteral("Connect"),
            QStringLiteral("[INTERNET]ftp://ftp.debian.org/debian/"), no, no, no,
            QStringLiteral("Internet")),
        app(QStringLiteral("Sample picture"),
            QStringLiteral(
                "A picture opened by your image viewer. This record has no picture of its own, so "
                "the menu shows default.bmp."),
            no, QStringLiteral("View"), QStringLiteral("[ASS]pictures\\sample.bmp"), no, no, no,
            QStringLiteral("Documents")),
        app(QStringLiteral("Not categorised"),
            QStringLiteral("Never listed while categories are on: its category is n/a."), no, no,
            no, no, no, no, QStringLiteral("n/a")),
    };
    return config;
}

// The whole layout block: the menu window as designed, with colours and a
// background of the disc's own. Written in full, so that the editor's designer
// opens the disc as the menu shows it.
QString demoLayout() {
    constexpr qint32 buttonFace = qint32(0x8000000F);
    constexpr qint32 buttonText = qint32(0x80000012);
    LayoutValues values;
    using Id = LayoutObjectId;
    values.control(Id::InstallButton) = {88, 560, 57, 57, buttonFace, buttonText};
    values.control(Id::ExploreButton) = {176, 560, 57, 57, buttonFace, buttonText};
    values.control(Id::ExtraButton) = {264, 560, 57, 57, buttonFace, buttonText};
    values.control(Id::AppPicture) = {88, 232, 313, 241, buttonFace, buttonText};
    values.control(Id::Logo) = {520, 16, 625, 86, buttonFace, buttonText};
    values.control(Id::AppList) = {208, 8, 201, 173, 0xFFFFFF, 0x800000};
    values.control(Id::TextPanel) = {336, 232, 393, 82, 0xEBFFFF, 0};
    values.windowTopTwips = 1500;
    values.windowLeftTwips = 1500;
    values.windowWidth = 750;
    values.windowHeight = 620;
    values.windowColour = 0xF0F0F0;
    values.backgroundPath = QStringLiteral("pictures\\background.bmp");
    QString text = formatLayoutBlock(values).text;
    text.chop(2); // the writer ends the section with its own line end
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_media FOLDER\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);

    bool ok = true;
    ok &= savePicture(QStringLiteral("logo.bmp"),
                      gradientPicture({600, 70}, QColor(20, 60, 140), QColor(90, 160, 220),
                                      QStringLiteral("DEMO DISC  ·  2026"), 24));
    ok &= savePicture(QStringLiteral("default.bmp"),
                      gradientPicture({240, 180}, QColor(120, 120, 130), QColor(200, 200, 210),
                                      QStringLiteral("Choose an application"), 14));
    ok &= savePicture(QStringLiteral("splash.bmp"),
                      gradientPicture({480, 300}, QColor(10, 30, 80), QColor(60, 140, 200),
                                      QStringLiteral("Demo disc\n\nclick to skip"), 26));
    ok &= savePicture(QStringLiteral("pictures/background.bmp"), backgroundPicture());
    ok &= savePicture(QStringLiteral("pictures/icon.bmp"),
                      gradientPicture({32, 32}, QColor(200, 60, 50), QColor(240, 160, 60),
                                      QStringLiteral("D"), 14));
    ok &= savePicture(QStringLiteral("pictures/install.bmp"),
                      buttonPicture(QColor(40, 150, 60), false, true));
    ok &= savePicture(QStringLiteral("pictures/install-down.bmp"),
                      buttonPicture(QColor(40, 150, 60), true, true));
    ok &= savePicture(QStringLiteral("pictures/extra.bmp"),
                      buttonPicture(QColor(50, 90, 190), false, false));
    ok &= savePicture(QStringLiteral("pictures/extra-down.bmp"),
                      buttonPicture(QColor(50, 90, 190), true, false));
    const QList<std::tuple<const char*, QColor, const char*>> pictures{
        {"hello", QColor(40, 150, 60), "Hello!"},     {"usage", QColor(120, 80, 30), "Disk usage"},
        {"readme", QColor(90, 90, 90), "Read me"},    {"manual", QColor(150, 40, 110), "Manual"},
        {"tools", QColor(200, 120, 20), "Tools.zip"}, {"web", QColor(30, 110, 180), "www"},
        {"ftp", QColor(20, 130, 130), "ftp://"},      {"sample", QColor(180, 40, 40), "Sample"}};
    for (const auto& [name, colour, text] : pictures) {
        ok &= savePicture(
            QStringLiteral("pictures/%1.bmp").arg(QLatin1StringView(name)),
            gradientPicture({220, 160}, colour.darker(160), colour, QString::fromUtf8(text), 20));
    }
    ok &= writeFile(QStringLiteral("sound.wav"), chime());

    ok &= writeFile(QStringLiteral("programs/hello.sh"),
                    "#!/bin/sh\n"
                    "# The demo disc's sample program: greets the user on the desktop.\n"
                    "message=\"Hello from the demo disc! This program ran in $(pwd).\"\n"
                    "if command -v notify-send >/dev/null 2>&1; then\n"
                    "    notify-send \"Demo disc\" \"$message\"\n"
                    "elif command -v xmessage >/dev/null 2>&1; then\n"
                    "    xmessage \"$message\"\n"
                    "else\n"
                    "    echo \"$message\"\n"
                    "fi\n",
                    true);
    ok &= writeFile(QStringLiteral("programs/listfiles.sh"),
                    "#!/bin/sh\n"
                    "# Lists the files of the demo disc into a text file and opens it.\n"
                    "out=\"${HOME:-/tmp}/demo-disc-files.txt\"\n"
                    "ls -lR .. > \"$out\"\n"
                    "command -v xdg-open >/dev/null 2>&1 && xdg-open \"$out\"\n",
                    true);
    ok &= writeFile(QStringLiteral("docs/manual.html"),
                    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Demo disc "
                    "manual</title></head>\n"
                    "<body><h1>Demo disc manual</h1>\n"
                    "<p>This page lies on the disc and is opened by the desktop's browser.</p>\n"
                    "<ul><li>Install: starts, opens or extracts what the record names.</li>\n"
                    "<li>Explore: shows the record's folder.</li>\n"
                    "<li>Extra: a second action of the record.</li></ul></body></html>\n");
    ok &= writeFile(QStringLiteral("docs/manual.txt"),
                    "Demo disc manual\n\nInstall, explore, extra: see manual.html.\n");
    ok &= savePicture(QStringLiteral("pictures/sample.bmp"),
                      gradientPicture({320, 200}, QColor(180, 40, 40), QColor(250, 200, 80),
                                      QStringLiteral("A sample picture"), 22));
    ok &= writeZip(QStringLiteral("archives/tools.zip"),
                   {{"tools/README.txt", "The tools pack of the demo disc.\n"},
                    {"tools/bin/hello.sh", "#!/bin/sh\necho Hello from the tools pack\n"},
                    {"tools/docs/notes.txt", QByteArray("Notes\n").repeated(200)},
                    {"tools/docs/empty.txt", ""}});

    const ConfigWriteResult written = writeConfig(
        demoConfig(), demoLayout(), QDir(g_folder).filePath(QStringLiteral("config.ini")));
    if (!written.ok)
        ok &= fail(written.errorMessage);
    return ok ? 0 : 1;
}
