// Binding open logs to the callers' work areas.
#include "hamlog32/WorkArea.h"

#include "hamlog32/HamlogExports.h"
#include "hamlog32/LogDatabase.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

static_assert(sizeof(QsoRecord) == kHamlogRecordSize);
static_assert(kHamlogStateOffset >= kHamlogRecordSize && kHamlogStateOffset % alignof(void*) == 0);
static_assert(kHamlogStateOffset + sizeof(std::uint64_t) <= kHamlogWorkAreaSize);

// The area's bytes are the caller's and may hold anything, so nothing read from them is ever used
// as a pointer. The library keeps each open log under the address of its area, and the area holds
// only the token it was opened with: a copied, closed, never-opened or garbage-filled area names no
// log, and a log is only reached, or freed, through the very area it was opened in.
namespace {

struct OpenLog {
    std::uint64_t token;
    std::unique_ptr<LogDatabase> database;
};

struct Registry {
    std::mutex mutex;
    std::unordered_map<const void*, OpenLog> logs;
    std::uint64_t lastToken = 0; // tokens are never reused; 0 is never given out
};

Registry& registry() {
    static Registry instance;
    return instance;
}

std::uint64_t storedToken(const void* work) {
    std::uint64_t token = 0;
    std::memcpy(&token, static_cast<const unsigned char*>(work) + kHamlogStateOffset, sizeof token);
    return token;
}

void storeToken(void* work, std::uint64_t token) {
    std::memcpy(static_cast<unsigned char*>(work) + kHamlogStateOffset, &token, sizeof token);
}

// The log open in the area, or null when the area names none.
LogDatabase* openDatabase(const void* work) {
    const std::uint64_t token = storedToken(work);
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.logs.find(work);
    return it != r.logs.end() && it->second.token == token ? it->second.database.get() : nullptr;
}

// Takes the log registered under the area out of the registry: only when the area still holds its
// token, unless anyToken (an area opened again drops whatever it held before). The log is
// freed by the caller, outside the lock.
std::unique_ptr<LogDatabase> takeDatabase(const void* work, bool anyToken) {
    const std::uint64_t token = storedToken(work);
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.logs.find(work);
    if (it == r.logs.end() || (!anyToken && it->second.token != token)) {
        return nullptr;
    }
    std::unique_ptr<LogDatabase> database = std::move(it->second.database);
    r.logs.erase(it);
    return database;
}

} // namespace

std::int32_t WorkArea::open(void* work, const char* hostPath) {
    if (!work) {
        return kHamlogCannotOpen;
    }
    takeDatabase(work, true);
    storeToken(work, 0);
    if (!hostPath) {
        return kHamlogCannotOpen;
    }
    try {
        LogDatabase::OpenResult result;
        std::unique_ptr<LogDatabase> database = LogDatabase::open(hostPath, result);
        if (!database) {
            return result == LogDatabase::OpenResult::kUnrecognised ? kHamlogUnrecognised
                                                                    : kHamlogCannotOpen;
        }
        Registry& r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        const std::uint64_t token = ++r.lastToken;
        r.logs[work] = OpenLog{token, std::move(database)};
        storeToken(work, token);
        return kHamlogOk;
    } catch (const std::exception&) {
        return kHamlogCannotOpen;
    }
}

std::int32_t WorkArea::read(void* work, std::int32_t recordNumber) {
    if (!work || recordNumber < 1) {
        return kHamlogNoRecord;
    }
    LogDatabase* database = openDatabase(work);
    if (!database) {
        return kHamlogNoRecord;
    }
    try {
        QsoRecord record;
        if (!database->read(static_cast<std::size_t>(recordNumber), record)) {
            return kHamlogNoRecord;
        }
        std::memcpy(work, &record, sizeof record);
        return kHamlogOk;
    } catch (const std::exception&) {
        return kHamlogNoRecord;
    }
}

std::int32_t WorkArea::cutFields(const void* work) {
    if (!work) {
        return 0;
    }
    LogDatabase* database = openDatabase(work);
    return database ? static_cast<std::int32_t>(database->cutFields()) : 0;
}

std::int32_t WorkArea::close(void* work) {
    if (!work) {
        return kHamlogOk;
    }
    takeDatabase(work, false);
    storeToken(work, 0);
    return kHamlogOk;
}
