// Binding open logs to the callers' work areas.
#include "hamlog32/WorkArea.h"

#include "hamlog32/HamlogExports.h"
#include "hamlog32/LogDatabase.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_set>

static_assert(sizeof(QsoRecord) == kHamlogRecordSize);
static_assert(kHamlogStateOffset >= kHamlogRecordSize && kHamlogStateOffset % alignof(void*) == 0);
static_assert(kHamlogStateOffset + sizeof(void*) <= kHamlogWorkAreaSize);

// The area may be unaligned and its bytes are the caller's, so the state pointer is copied in and
// out with memcpy, and only pointers this library handed out and has not freed yet are ever used: a
// copied, stale or never-opened area cannot make it free or read foreign memory.
namespace {

std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::unordered_set<LogDatabase*>& liveDatabases() {
    static std::unordered_set<LogDatabase*> live;
    return live;
}

LogDatabase* storedPointer(const void* work) {
    LogDatabase* database = nullptr;
    std::memcpy(&database, static_cast<const unsigned char*>(work) + kHamlogStateOffset,
                sizeof database);
    return database;
}

void storePointer(void* work, LogDatabase* database) {
    std::memcpy(static_cast<unsigned char*>(work) + kHamlogStateOffset, &database, sizeof database);
}

// The open log of the area, or null when the area holds no pointer this library handed out.
LogDatabase* openDatabase(const void* work) {
    LogDatabase* database = storedPointer(work);
    std::lock_guard<std::mutex> lock(registryMutex());
    return database && liveDatabases().count(database) ? database : nullptr;
}

} // namespace

std::int32_t WorkArea::open(void* work, const char* hostPath) {
    if (!work) {
        return kHamlogCannotOpen;
    }
    close(work);
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
        {
            std::lock_guard<std::mutex> lock(registryMutex());
            liveDatabases().insert(database.get());
        }
        storePointer(work, database.release());
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

std::int32_t WorkArea::close(void* work) {
    if (!work) {
        return kHamlogOk;
    }
    LogDatabase* database = storedPointer(work);
    storePointer(work, nullptr);
    if (database) {
        std::lock_guard<std::mutex> lock(registryMutex());
        if (liveDatabases().erase(database) == 0) {
            return kHamlogOk;
        }
    }
    delete database;
    return kHamlogOk;
}
