// Which names can be a player's: a name is the stem of the player's file name.
#pragma once

#include <QString>
#include <optional>

namespace zarvelo {

// Why the name cannot name a player's file in a folder whose file names hold at most nameLimit
// bytes, or nothing when it can.
std::optional<QString> FileNameProblem(const QString& name, long nameLimit);

// The name itself when it can name a file, otherwise the nearest name that can: characters that
// cannot be stored become "_" and the end that does not fit is cut off.
QString StorableName(const QString& name, long nameLimit);

}  // namespace zarvelo
