#include "ziptestkit.h"

#include <QtEndian>

#include <zip.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <deque>

namespace ziptest {

bool writeZip(const QString& path, const std::vector<Entry>& entries, const QByteArray& comment) {
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (za == nullptr) {
        return false;
    }
    bool ok = true;
    for (const Entry& e : entries) {
        zip_int64_t index = -1;
        if (e.folder) {
            index = zip_dir_add(za, e.name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* src = zip_source_buffer(za, e.data.constData(),
                                                  static_cast<zip_uint64_t>(e.data.size()), 0);
            index = src ? zip_file_add(za, e.name.constData(), src, ZIP_FL_ENC_UTF_8) : -1;
            if (index < 0 && src != nullptr) {
                zip_source_free(src);
            }
        }
        if (index < 0) {
            ok = false;
            break;
        }
        const auto i = static_cast<zip_uint64_t>(index);
        if (!e.folder) {
            zip_set_file_compression(za, i, e.store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
        }
        if (e.encryption != 0 &&
            zip_file_set_encryption(za, i, e.encryption, e.password.constData()) != 0) {
            ok = false;
        }
        if (e.unixMode) {
            zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, *e.unixMode << 16);
        }
        if (e.mtime) {
            zip_file_set_mtime(za, i, *e.mtime, 0);
        }
    }
    if (!comment.isEmpty()) {
        zip_set_archive_comment(za, comment.constData(), static_cast<zip_uint16_t>(comment.size()));
    }
    if (!ok || zip_close(za) != 0) {
        zip_discard(za);
        return false;
    }
    return true;
}

std::uint32_t crc32(const QByteArray& data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            }
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const char ch : data) {
        c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xff] ^ (c >> 8);
    }
    return c ^ 0xffffffffu;
}

namespace {

void put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}
void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
void put64(QByteArray& out, std::uint64_t v) {
    put32(out, static_cast<std::uint32_t>(v));
    put32(out, static_cast<std::uint32_t>(v >> 32));
}

// Raw deflate data: qCompress gives a 4-byte length and a zlib stream.
QByteArray deflateRaw(const QByteArray& data) {
    const QByteArray z = qCompress(data, 9);
    return z.mid(6, z.size() - 6 - 4);
}

} // namespace

QByteArray rawZip(const std::vector<RawEntry>& entries) {
    QByteArray out;
    QByteArray central;
    for (const RawEntry& e : entries) {
        const QByteArray payload = e.deflate ? deflateRaw(e.data) : e.data;
        const std::uint32_t crc = e.crc.value_or(crc32(e.data));
        const std::uint64_t usize =
            e.declaredSize.value_or(static_cast<std::uint64_t>(e.data.size()));
        const std::uint64_t csize = static_cast<std::uint64_t>(payload.size());
        const std::uint16_t method = e.deflate ? 8 : 0;
        const std::uint16_t flags = e.utf8 ? 0x0800 : 0; // general purpose bit 11
        const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        QByteArray extra;
        if (e.zip64) {
            put16(extra, 0x0001);
            put16(extra, 16);
            put64(extra, usize);
            put64(extra, csize);
        }
        const std::uint32_t u32 = e.zip64 ? 0xffffffffu : static_cast<std::uint32_t>(usize);
        const std::uint32_t c32 = e.zip64 ? 0xffffffffu : static_cast<std::uint32_t>(csize);
        // Local header.
        put32(out, 0x04034b50);
        put16(out, e.zip64 ? 45 : 20);
        put16(out, flags);
        put16(out, method);
        put16(out, 0);      // time
        put16(out, 0x5821); // 2024-01-01
        put32(out, crc);
        put32(out, c32);
        put32(out, u32);
        put16(out, static_cast<std::uint32_t>(e.name.size()));
        put16(out, static_cast<std::uint32_t>(extra.size()));
        out += e.name;
        out += extra;
        out += payload;
        // Central header.
        put32(central, 0x02014b50);
        put16(central, (e.unixMode != 0 ? 3u << 8 : 0u) | 45u);
        put16(central, e.zip64 ? 45 : 20);
        put16(central, flags);
        put16(central, method);
        put16(central, 0);
        put16(central, 0x5821);
        put32(central, crc);
        put32(central, c32);
        put32(central, u32);
        put16(central, static_cast<std::uint32_t>(e.name.size()));
        put16(central, static_cast<std::uint32_t>(extra.size()));
        put16(central, 0); // comment
        put16(central, 0); // disk
        put16(central, 0); // internal attributes
        put32(central, e.unixMode << 16);
        put32(central, offset);
        central += e.name;
        central += extra;
    }
    const auto cdOffset = static_cast<std::uint32_t>(out.size());
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put32(out, static_cast<std::uint32_t>(central.size()));
    put32(out, cdOffset);
    put16(out, 0);
    return out;
}

namespace {

std::uint32_t get32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
std::uint16_t get16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

QByteArray withEntryCount(const QByteArray& zip, std::uint16_t count) {
    QByteArray out = zip;
    const qsizetype end = out.lastIndexOf(QByteArray("PK\x05\x06", 4));
    qToLittleEndian<quint16>(count, out.data() + end + 8);
    qToLittleEndian<quint16>(count, out.data() + end + 10);
    return out;
}

QByteArray sharingFirstEntrysData(const QByteArray& zip) {
    QByteArray out = zip;
    const qsizetype end = out.lastIndexOf(QByteArray("PK\x05\x06", 4));
    qsizetype at = get32(out, end + 16);
    const std::uint32_t first = get32(out, at + 42);
    while (get32(out, at) == 0x02014b50) {
        qToLittleEndian<quint32>(first, out.data() + at + 42);
        at += 46 + get16(out, at + 28) + get16(out, at + 30) + get16(out, at + 32);
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

UnzCallbacks Recorder::callbacks() {
    UnzCallbacks cb;
    cb.print = [this](const char* text, std::uint32_t length) {
        prints.emplace_back(text, length);
        return 0;
    };
    cb.replace = [this](const char* name) {
        const std::size_t i = replaceAsked.size();
        replaceAsked.emplace_back(name);
        return i < replaceAnswers.size() ? replaceAnswers[i] : std::int32_t{UnzReplaceNo};
    };
    cb.password = [this](char* buffer, std::int32_t size, const char*, const char* name) {
        const std::size_t i = passwordAsked.size();
        passwordAsked.emplace_back(name);
        bufferSizeSeen = size;
        if (i >= passwordAnswers.size() || passwordAnswers[i].isEmpty()) {
            return std::int32_t{UnzPasswordNone};
        }
        const QByteArray& answer = passwordAnswers[i];
        const auto n = std::min<qsizetype>(answer.size(), size - 1);
        std::memcpy(buffer, answer.constData(), static_cast<std::size_t>(n));
        buffer[n] = '\0';
        return std::int32_t{UnzPasswordGiven};
    };
    cb.listEntry = [this](std::uint64_t size, std::uint64_t comp, std::int32_t factor,
                          std::int32_t month, std::int32_t day, std::int32_t year,
                          std::int32_t hour, std::int32_t minute, char kind, const char* name,
                          const char* method, std::uint32_t crc, std::int32_t encrypted) {
        listed.push_back({size, comp, factor, month, day, year, hour, minute, kind, name, method,
                          crc, encrypted});
    };
    cb.service = [this](const char* text, std::uint32_t length) {
        serviced.emplace_back(text, length);
        return static_cast<int>(serviced.size()) - 1 == stopAtService ? 1 : 0;
    };
    cb.progress = [this](std::uint64_t done, std::uint64_t total, std::uint64_t written) {
        progress.push_back({done, total, written});
        return stopAtBytes && done >= *stopAtBytes ? 1 : 0;
    };
    return cb;
}

QStringList Recorder::lines() const {
    std::string all;
    for (const std::string& p : prints) {
        all += p;
    }
    QStringList result = QString::fromUtf8(all).split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.back().isEmpty()) {
        result.removeLast();
    }
    return result;
}

UnzOptions menuOptions(const std::string& zip, const std::string& dir, bool listing) {
    UnzOptions o;
    o.promptToOverwrite = 1;
    o.listOnly = listing ? 1 : 0;
    o.showComment = 0;
    o.recreateFolders = 1;
    o.overwriteAll = 0;
    // The record only points at its paths; keep them for the whole test run.
    static std::deque<std::string> kept;
    kept.push_back(zip);
    o.zipFileName = kept.back().c_str();
    kept.push_back(dir);
    o.extractionDirectory = kept.back().c_str();
    return o;
}

std::int32_t run(const UnzOptions& options, Recorder& recorder, UnzCallbacks* totals) {
    UnzCallbacks cb = recorder.callbacks();
    UnzNameList include;
    UnzNameList exclude;
    const std::int32_t result = Wiz_SingleEntryUnzip(0, &include, 0, &exclude, &options, &cb);
    if (totals != nullptr) {
        *totals = cb;
    }
    return result;
}

QStringList tree(const QString& dir) {
    QStringList names;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(dir);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString name = base.relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            name += QLatin1Char('@');
        } else if (info.isDir()) {
            name += QLatin1Char('/');
        }
        names << name;
    }
    names.sort();
    return names;
}

} // namespace ziptest
