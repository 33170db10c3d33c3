// libmspack reads and writes through an mspack_system; this one serves the compressed bytes from
// memory and collects the output in memory, refusing to grow it past the length in the header.
#include "services/platform/posix/SzddExpander.h"

#include "common/Cp932.h"

#include <cstdlib>
#include <cstring>
#include <mspack.h>

namespace {

constexpr char kSignature[8] = {
    'S', 'Z', 'D', 'D', static_cast<char>(0x88), static_cast<char>(0xF0), 0x27, 0x33};
constexpr std::size_t kHeaderSize = 14;

struct MemorySystem {
    mspack_system base; // first, so the library's pointer to it is a pointer to this
    std::string_view input;
    std::string* output;
    std::size_t outputLimit;
};

struct MemoryFile {
    MemorySystem* system;
    bool isInput;
    std::size_t position;
};

mspack_file* openFile(mspack_system* self, const char* name, int mode) {
    auto* system = reinterpret_cast<MemorySystem*>(self);
    bool input = std::strcmp(name, "in") == 0 && mode == MSPACK_SYS_OPEN_READ;
    bool output = std::strcmp(name, "out") == 0 && mode == MSPACK_SYS_OPEN_WRITE;
    if (!input && !output) {
        return nullptr;
    }
    return reinterpret_cast<mspack_file*>(new MemoryFile{system, input, 0});
}

void closeFile(mspack_file* file) {
    delete reinterpret_cast<MemoryFile*>(file);
}

int readFile(mspack_file* file, void* buffer, int bytes) {
    auto* f = reinterpret_cast<MemoryFile*>(file);
    if (!f->isInput || bytes < 0) {
        return -1;
    }
    std::string_view in = f->system->input;
    std::size_t n = std::min(static_cast<std::size_t>(bytes), in.size() - f->position);
    std::memcpy(buffer, in.data() + f->position, n);
    f->position += n;
    return static_cast<int>(n);
}

int writeFile(mspack_file* file, void* buffer, int bytes) {
    auto* f = reinterpret_cast<MemoryFile*>(file);
    std::string* out = f->system->output;
    if (f->isInput || bytes < 0 ||
        out->size() + static_cast<std::size_t>(bytes) > f->system->outputLimit) {
        return -1;
    }
    out->append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
    return bytes;
}

int seekFile(mspack_file* file, off_t offset, int mode) {
    auto* f = reinterpret_cast<MemoryFile*>(file);
    std::size_t size = f->isInput ? f->system->input.size() : f->system->output->size();
    off_t base = mode == MSPACK_SYS_SEEK_START ? 0
                 : mode == MSPACK_SYS_SEEK_CUR ? static_cast<off_t>(f->position)
                                               : static_cast<off_t>(size);
    off_t target = base + offset;
    if (target < 0 || static_cast<std::size_t>(target) > size) {
        return -1;
    }
    f->position = static_cast<std::size_t>(target);
    return 0;
}

off_t tellFile(mspack_file* file) {
    return static_cast<off_t>(reinterpret_cast<MemoryFile*>(file)->position);
}

void message(mspack_file*, const char*, ...) {}

void* allocate(mspack_system*, size_t bytes) {
    return std::malloc(bytes);
}

void release(void* p) {
    std::free(p);
}

void copy(void* source, void* destination, size_t bytes) {
    std::memmove(destination, source, bytes);
}

bool librarySelfTestPasses() {
    static const bool passes = [] {
        int result = 0;
        MSPACK_SYS_SELFTEST(result);
        return result == MSPACK_ERR_OK;
    }();
    return passes;
}

} // namespace

bool SzddExpander::isCompressed(std::string_view bytes) {
    return bytes.size() >= sizeof kSignature &&
           bytes.substr(0, sizeof kSignature) == std::string_view(kSignature, sizeof kSignature);
}

std::optional<SzddExpander::Header> SzddExpander::header(std::string_view bytes) {
    // After the signature: the compression mode 'A', the missing character, the length.
    if (!isCompressed(bytes) || bytes.size() < kHeaderSize || bytes[8] != 'A') {
        return std::nullopt;
    }
    Header h;
    h.missingChar = bytes[9];
    for (int i = 13; i >= 10; --i) {
        h.length = (h.length << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return h;
}

bool SzddExpander::expand(std::string_view compressed, std::string& expanded) {
    expanded.clear();
    auto h = header(compressed);
    if (!h || h->length > 0x7FFFFFFF || !librarySelfTestPasses()) {
        return false;
    }
    MemorySystem system{};
    system.base.open = openFile;
    system.base.close = closeFile;
    system.base.read = readFile;
    system.base.write = writeFile;
    system.base.seek = seekFile;
    system.base.tell = tellFile;
    system.base.message = message;
    system.base.alloc = allocate;
    system.base.free = release;
    system.base.copy = copy;
    system.base.null_ptr = nullptr;
    system.input = compressed;
    system.output = &expanded;
    system.outputLimit = h->length;

    msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(&system.base);
    if (!decompressor) {
        return false;
    }
    bool ok = false;
    char inputName[] = "in";
    char outputName[] = "out";
    if (msszddd_header* opened = decompressor->open(decompressor, inputName)) {
        ok = decompressor->extract(decompressor, opened, outputName) == MSPACK_ERR_OK &&
             expanded.size() == h->length;
        decompressor->close(decompressor, opened);
    }
    mspack_destroy_szdd_decompressor(decompressor);
    if (!ok) {
        expanded.clear();
    }
    return ok;
}

std::string SzddExpander::expandedName(std::string_view name, const Header& header) {
    // The final "_" must be a character of its own, not the trail byte of a double-byte one.
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size();) {
        last = i;
        i += cp932::isLeadByte(static_cast<unsigned char>(name[i])) ? 2 : 1;
    }
    if (name.empty() || last != name.size() - 1 || name.back() != '_') {
        return std::string(name);
    }
    std::string out(name.substr(0, name.size() - 1));
    if (header.missingChar != 0) {
        out += header.missingChar;
    }
    return out;
}
