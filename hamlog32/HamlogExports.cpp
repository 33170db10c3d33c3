// The C exports of HAMLOG32.DLL; each hands over to the core at once.
#include "hamlog32/HamlogExports.h"

#include "hamlog32/AddressCode.h"
#include "hamlog32/BandPlan.h"
#include "hamlog32/WorkArea.h"

extern "C" {

HAMLOG_API int32_t HAMLOG_CALL GetThdllVersion(void) {
    return kHamlogVersion;
}

HAMLOG_API int32_t HAMLOG_CALL HamlogOpen(int32_t, void* work, const char* path, int32_t, int32_t) {
    return WorkArea::open(work, path);
}

HAMLOG_API int32_t HAMLOG_CALL THW_read(void* work, int32_t recordNumber, int32_t) {
    return WorkArea::read(work, recordNumber);
}

HAMLOG_API int32_t HAMLOG_CALL THW_cutFields(void* work) {
    return WorkArea::cutFields(work);
}

HAMLOG_API int32_t HAMLOG_CALL HamlogClose(void* work, int32_t) {
    return WorkArea::close(work);
}

HAMLOG_API int32_t HAMLOG_CALL FreqPCheck(const char* text) {
    return text ? BandPlan::indexOf(text) : BandPlan::kOtherBand;
}

HAMLOG_API int32_t HAMLOG_CALL ChosonCheck(const char* code) {
    return code ? AddressCode::kindOf(code) : AddressCode::kNone;
}

} // extern "C"
