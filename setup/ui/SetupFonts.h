// The faces of setup's windows by their Windows names, with the metric-compatible IPA faces where
// the Windows ones are not installed.
#pragma once

#include <QFont>

class SetupFonts {
public:
    static QFont pGothic(int pixels); // "ＭＳ Ｐゴシック"
    static QFont gothic(int pixels);  // "ＭＳ ゴシック", fixed pitch
    static QFont timesItalic(int pixels);
    static QFont pGothicItalic(int pixels);
};
