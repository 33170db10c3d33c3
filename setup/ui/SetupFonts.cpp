// Font families in the order they are tried.
#include "ui/SetupFonts.h"

#include <QStringList>

namespace {

QFont fontOf(const QStringList& families, int pixels, bool italic = false) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont SetupFonts::pGothic(int pixels) {
    return fontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic")},
                  pixels);
}

QFont SetupFonts::gothic(int pixels) {
    return fontOf(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")},
        pixels);
}

QFont SetupFonts::timesItalic(int pixels) {
    return fontOf({QStringLiteral("Times New Roman")}, pixels, true);
}

QFont SetupFonts::pGothicItalic(int pixels) {
    QFont font = pGothic(pixels);
    font.setItalic(true);
    return font;
}
