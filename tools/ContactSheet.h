// A picture of every card face, the slot mark and the panels that show the suit symbols and the
// small print, for judging the artwork at one pixel ratio.
#pragma once

#include <QImage>

namespace zarvelo {

class MainForm;

// The faces in suit rows (clubs, diamonds, hearts, spades) from ace to king, then the slot mark
// and the chart and prize panels of the prepared main window, at the application's pixel ratio.
QImage RenderContactSheet(MainForm& form);

}  // namespace zarvelo
