// The layout's font names mapped to the fonts of this system.
#include "platform/Fonts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zarvelo::platform {

QFont UiFont(const QString& family, double points, bool bold, bool italic) {
    QStringList families;
    if (family == QLatin1String("Arial")) {
        families = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    } else if (family == QLatin1String("MS PGothic")) {
        families = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    } else if (family == QLatin1String("Small Fonts")) {
        families = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    } else {  // "System" and the window default
        families = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    }
    // Japanese text falls back to the Gothic face.
    families << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic");
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace zarvelo::platform
