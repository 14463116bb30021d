#include "pictureloader.h"

#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Every picture format a disc may carry loads through one call; anything
// else gives nothing so that the caller keeps its picture.
class TestPictureLoader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writtenFormatsLoad_data();
    void writtenFormatsLoad();
    void gifLoads();
    void cursorLoads();
    void contentWinsOverExtension();
    void brokenFileGivesNothing();
    void missingFileGivesNothing();
    void folderGivesNothing();
    void pixmapOfBrokenFileIsNull();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString writeImage(const QString& name, const char* format);
    static QImage sample();

    std::unique_ptr<QTemporaryDir> m_dir;
};

QImage TestPictureLoader::sample() {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    return image;
}

void TestPictureLoader::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestPictureLoader::writeImage(const QString& name, const char* format) {
    QImageWriter writer(path(name), format);
    if (!writer.write(sample()))
        qFatal("cannot write test picture: %s", qPrintable(writer.errorString()));
    return path(name);
}

void TestPictureLoader::writtenFormatsLoad_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("bitmap") << u"logo.bmp"_s << QByteArray("bmp");
    QTest::newRow("jpeg") << u"logo.jpg"_s << QByteArray("jpeg");
    QTest::newRow("png") << u"logo.png"_s << QByteArray("png");
    QTest::newRow("icon") << u"app.ico"_s << QByteArray("ico");
    QTest::newRow("capitals") << u"LOGO.BMP"_s << QByteArray("bmp");
}

void TestPictureLoader::writtenFormatsLoad() {
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const std::optional<QImage> image = pictures::loadImage(writeImage(name, format.constData()));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(16, 8));
}

void TestPictureLoader::gifLoads() {
    // Qt cannot write GIF: a 1x1 picture whose only pixel is red.
    static const unsigned char gif[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01,
                                        0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                        0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    QFile file(path(u"anim.gif"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(gif), sizeof gif);
    file.close();
    const std::optional<QImage> image = pictures::loadImage(file.fileName());
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(1, 1));
    QCOMPARE(image->pixelColor(0, 0), QColor(Qt::red));
}

void TestPictureLoader::cursorLoads() {
    // A cursor file is an icon file with type 2 and a hot spot in place of
    // the planes and bit count of its directory entry.
    QFile icon(writeImage(u"pointer.ico"_s, "ico"));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QByteArray bytes = icon.readAll();
    icon.close();
    QVERIFY(bytes.size() > 22);
    bytes[2] = 2;
    bytes[10] = 3; // hot spot x
    bytes[11] = 0;
    bytes[12] = 4; // hot spot y
    bytes[13] = 0;
    QFile cursor(path(u"pointer.cur"_s));
    QVERIFY(cursor.open(QIODevice::WriteOnly));
    cursor.write(bytes);
    cursor.close();
    const std::optional<QImage> image = pictures::loadImage(cursor.fileName());
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(16, 8));
}

void TestPictureLoader::contentWinsOverExtension() {
    const QString jpeg = writeImage(u"real.jpg"_s, "jpeg");
    QVERIFY(QFile::rename(jpeg, path(u"splash.bmp"_s)));
    const std::optional<QImage> image = pictures::loadImage(path(u"splash.bmp"_s));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(16, 8));
}

void TestPictureLoader::brokenFileGivesNothing() {
    QFile file(path(u"broken.bmp"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap at all");
    file.close();
    QCOMPARE(pictures::loadImage(file.fileName()), std::nullopt);

    QFile empty(path(u"empty.jpg"_s));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QCOMPARE(pictures::loadImage(empty.fileName()), std::nullopt);
}

void TestPictureLoader::missingFileGivesNothing() {
    QCOMPARE(pictures::loadImage(path(u"nothere.bmp"_s)), std::nullopt);
    QCOMPARE(pictures::loadImage(QString()), std::nullopt);
}

void TestPictureLoader::folderGivesNothing() {
    QCOMPARE(pictures::loadImage(m_dir->path()), std::nullopt);
}

void TestPictureLoader::pixmapOfBrokenFileIsNull() {
    QFile file(path(u"broken.gif"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIF89a garbage");
    file.close();
    QVERIFY(pictures::loadPixmap(file.fileName()).isNull());
    QVERIFY(!pictures::loadPixmap(writeImage(u"ok.png"_s, "png")).isNull());
}

QTEST_MAIN(TestPictureLoader)
#include "test_pictureloader.moc"
