// Which signal report the "RST" QSO data field of a rule yields.
#pragma once

enum class RstSource {
    Sent,    // the report sent to the station worked (hisRst)
    Received // the report received from it (myRst)
};
