// The fuzz target's checks of the file layer: names, sizes and kinds of file.
#pragma once

#include <QByteArray>

namespace zarvelo::fuzz {

// Reads the input as a kind of file, a name and a content, makes them in a folder of its own and
// aborts when the file layer follows a link, opens what is not a regular file, loses a file, or
// accepts a name it cannot store.
void CheckFileLayer(const QByteArray& input);

}  // namespace zarvelo::fuzz
