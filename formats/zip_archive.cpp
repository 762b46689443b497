// A zipped .jpz: the archive is opened from memory, its entries counted and sized before any
// is inflated, and the one puzzle file inside handed back. Folders and the resource forks an
// archiver adds beside each file ("__MACOSX/", "._name") are not puzzles.
#include <zip.h>

#include <memory>

#include "formats_internal.h"

namespace {

constexpr char kSignature[] = "PK\x03\x04";

bool IsPuzzleEntry(std::string_view name)
{
    if (name.empty() || name.back() == '/' || name.compare(0, 9, "__MACOSX/") == 0)
        return false;
    const size_t slash = name.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
    return base.compare(0, 2, "._") != 0 && base != ".DS_Store";
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

bool IsArchive(std::string_view bytes)
{
    return bytes.size() >= 4 && bytes.compare(0, 4, kSignature) == 0;
}

ReadResult ExtractArchivePuzzle(std::string_view bytes, std::string* puzzle)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return Damaged("its archive cannot be opened");
    }
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return Damaged("its archive is broken");
    }
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    if (entries < 0 || entries > kMaxArchiveEntries)
        return Refuse(kDocumentTooLarge, "The archive holds more files than a puzzle needs.");
    zip_int64_t found = -1;
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(archive.get(), zip_uint64_t(i), 0);
        if (!name || !IsPuzzleEntry(name))
            continue;
        if (found >= 0)
            return Refuse(kDocumentUnknownFormat,
                          "The archive holds more than one file; the game reads one puzzle.");
        found = i;
    }
    if (found < 0)
        return Refuse(kDocumentUnknownFormat, "The archive holds no puzzle file.");
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), zip_uint64_t(found), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        return Damaged("its archive is broken");
    if (stat.size > zip_uint64_t(kDocumentMaxInput))
        return Refuse(kDocumentTooLarge, "The puzzle in the archive is larger than 4 MB.");
    std::unique_ptr<zip_file_t, EntryCloser> file(
        zip_fopen_index(archive.get(), zip_uint64_t(found), 0));
    if (!file)
        return Damaged("the puzzle in its archive cannot be unpacked");
    // The stated size is the archive's word only: read no more than the limit, whatever it says.
    puzzle->assign(size_t(stat.size), '\0');
    size_t got = 0;
    while (got < puzzle->size()) {
        const zip_int64_t n = zip_fread(file.get(), puzzle->data() + got, puzzle->size() - got);
        if (n <= 0)
            break;
        got += size_t(n);
    }
    char extra = 0;
    if (got != puzzle->size() || zip_fread(file.get(), &extra, 1) != 0)
        return Damaged("the puzzle in its archive cannot be unpacked");
    return {};
}
