// Which names can be a player's, and the nearest storable name for one read from a file.
#include "files/PlayerNames.h"

#include <QFile>

#include "platform/TextEncoding.h"
#include "state/GameState.h"

namespace zarvelo {

namespace {

const QString kExtension = QStringLiteral(".dat");

// The file system gets the name in its own encoding, which takes at least as many bytes as the
// data files' code page for every character the name may hold.
qsizetype FileNameBytes(const QString& name) { return QFile::encodeName(name + kExtension).size(); }

bool IsControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }
bool IsForbidden(QChar c) { return QStringLiteral("\\/:*?\"<>|").contains(c); }

}  // namespace

std::optional<QString> FileNameProblem(const QString& name, long nameLimit) {
    if (name.isEmpty()) return QStringLiteral("Please enter a name.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    for (const QChar c : name) {
        if (IsControl(c)) return QStringLiteral("A name cannot contain control characters.");
        if (IsForbidden(c))
            return QStringLiteral("A name cannot contain any of \\ / : * ? \" < > |");
    }
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("A name cannot end with a space or a dot.");
    const auto encoded = platform::EncodeCp932(name);
    if (!encoded || platform::DecodeCp932(*encoded) != name)
        return QStringLiteral("The name contains characters that cannot be stored.");
    if (name.compare(QLatin1String("Ranking"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" is reserved for the game's own files.").arg(name);
    const long room = nameLimit - kExtension.size();
    if (FileNameBytes(name) > nameLimit)
        return QStringLiteral(
                   "The name is too long: at most %1 half-width letters, or %2 Japanese "
                   "characters.")
            .arg(room)
            .arg(room / 3);
    return std::nullopt;
}

QString StorableName(const QString& name, long nameLimit) {
    if (!FileNameProblem(name, nameLimit)) return name;
    QString storable;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        QString one = name.mid(i, length);
        i += length;
        if (IsControl(one[0])) continue;
        const auto encoded = platform::EncodeCp932(one);
        if (IsForbidden(one[0]) || !encoded || platform::DecodeCp932(*encoded) != one)
            one = QStringLiteral("_");
        if (FileNameBytes(storable + one) > nameLimit) break;
        storable += one;
    }
    while (storable.endsWith(QLatin1Char(' ')) || storable.endsWith(QLatin1Char('.')))
        storable.chop(1);
    return FileNameProblem(storable, nameLimit) ? kNewPlayerName : storable;
}

}  // namespace zarvelo
