#include "unzspliced.h"

#include <algorithm>
#include <cstring>

namespace unz {

namespace {

struct Spliced {
    ReadAt read;
    std::uint64_t prefixSize = 0;
    std::string tail;
    std::uint64_t position = 0;
    zip_error_t error;

    std::uint64_t size() const { return prefixSize + tail.size(); }

    zip_int64_t readInto(char* out, std::uint64_t wanted) {
        wanted = std::min(wanted, size() - std::min(position, size()));
        std::uint64_t done = 0;
        if (position < prefixSize && wanted > 0) {
            const std::uint64_t n = std::min(wanted, prefixSize - position);
            if (!read(position, out, static_cast<std::size_t>(n))) {
                zip_error_set(&error, ZIP_ER_READ, 0);
                return -1;
            }
            done = n;
        }
        if (done < wanted) {
            const std::uint64_t from = position + done - prefixSize;
            std::memcpy(out + done, tail.data() + from, static_cast<std::size_t>(wanted - done));
            done = wanted;
        }
        position += done;
        return static_cast<zip_int64_t>(done);
    }
};

zip_int64_t callback(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* s = static_cast<Spliced*>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        s->position = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return s->readInto(static_cast<char*>(data), length);
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->size = s->size();
        st->comp_size = s->size();
        st->comp_method = ZIP_CM_STORE;
        st->encryption_method = ZIP_EM_NONE;
        st->valid =
            ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&s->error);
        delete s;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t to =
            zip_source_seek_compute_offset(s->position, s->size(), data, length, &s->error);
        if (to < 0) {
            return -1;
        }
        s->position = static_cast<std::uint64_t>(to);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(s->position);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(
            ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR,
            ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_SUPPORTS, -1);
    default:
        zip_error_set(&s->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

} // namespace

zip_t* openSpliced(ReadAt read, std::uint64_t prefixSize, std::string tail, int& error) {
    auto* s = new Spliced{std::move(read), prefixSize, std::move(tail), 0, {}};
    zip_error_init(&s->error);
    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* source = zip_source_function_create(callback, s, &zerr);
    zip_t* za = nullptr;
    if (source == nullptr) {
        zip_error_fini(&s->error);
        delete s;
    } else {
        za = zip_open_from_source(source, ZIP_RDONLY, &zerr);
        if (za == nullptr) {
            zip_source_free(source);
        }
    }
    if (za == nullptr) {
        error = zip_error_code_zip(&zerr);
    }
    zip_error_fini(&zerr);
    return za;
}

} // namespace unz
