// The twelve court figures as a table: what each one holds, wears and looks like, so that the
// four kings, four queens and four jacks tell apart at a glance and a reader can review them
// in one place.
#pragma once

#include <QColor>

namespace zarvelo::cardlib {

// What the figure holds in the hand on the viewer's right (the left when mirrored).
enum class Held {
    Sword,
    Axe,
    Orb,
    Sceptre,
    Rose,
    Fan,
    Tulip,
    OrbSceptre,
    Leaf,
    Halberd,
    Torch,
    Bow
};

enum class Headwear {
    SpikedCrown,
    TallCrown,    // a crown over a velvet cap
    ArchedCrown,  // two arches meeting under a cross
    FleuronCrown,
    Coronet,
    VeiledTiara,
    BunCrown,  // a small crown on hair gathered up
    Wimple,    // a crown over white linen framing the face
    FeatherCap,
    Beret,
    Hood,
    PlumedHat,
};

enum class Hair { Short, LongWaves, Braids, Curls, Bob, SideCurls, LongStraight, Hidden };

enum class Beard { None, Moustache, Full, Short, Forked, Pointed };

// The robe's pattern, in the lining colour.
enum class Pattern { Plain, Stripes, Chevrons, Dots, Lattice, Rosettes };

struct CourtDesign {
    Held held;
    Headwear headwear;
    Hair hair;
    Beard beard;
    Pattern pattern;
    bool mirrored;  // the figure turned to the other side: the item in the other hand
    bool turned;    // the face in three-quarter view towards the item, else full face
    QColor robe, lining, hairColour;
};

// Suit 1 clubs .. 4 spades, value 11 jack .. 13 king.
const CourtDesign& DesignOf(int suit, int value);

}  // namespace zarvelo::cardlib
