// Each king, queen and jack by what sets it apart. Kings: sword, axe, orb, sceptre and four
// beards; queens: rose, fan, tulip, orb-topped sceptre and four ways of dressing the hair;
// jacks: leaf, halberd, torch, bow and four hats. Robes differ in colour and pattern too.
#include "cardlib/CourtDesigns.h"

#include <algorithm>
#include <array>

namespace zarvelo::cardlib {

namespace {

const QColor kRed(200, 32, 44);
const QColor kBlue(38, 74, 168);
const QColor kGreen(36, 116, 68);
const QColor kPurple(100, 56, 140);
const QColor kOrange(214, 112, 36);
const QColor kDeepGreen(24, 88, 74);
const QColor kWine(132, 28, 52);
const QColor kCharcoal(58, 58, 70);
const QColor kPaleGold(244, 220, 128);
const QColor kGoldHair(214, 160, 56);
const QColor kAuburn(150, 70, 30);
const QColor kDarkBrown(86, 54, 30);
const QColor kBrown(140, 86, 38);
const QColor kGrey(176, 176, 182);
const QColor kBlack(44, 38, 38);
const QColor kBlond(232, 198, 104);
const QColor kCopper(186, 84, 34);
const QColor kChestnut(112, 56, 34);

using H = Held;
using W = Headwear;
using R = Hair;
using B = Beard;
using P = Pattern;

// [suit - 1][value - 11]: jack, queen, king.
const std::array<std::array<CourtDesign, 3>, 4> kDesigns{{
    // Clubs
    {{{H::Torch, W::Hood, R::Short, B::None, P::Chevrons, false, true, kWine, kGreen, kBlack},
      {H::Tulip, W::BunCrown, R::Curls, B::None, P::Dots, true, true, kBlue, kRed, kBlack},
      {H::Orb, W::ArchedCrown, R::Short, B::Forked, P::Stripes, true, true, kGreen, kRed,
       kGoldHair}}},
    // Diamonds
    {{{H::Halberd, W::Beret, R::SideCurls, B::None, P::Lattice, false, true, kBlue, kRed, kBlond},
      {H::Fan, W::VeiledTiara, R::Braids, B::None, P::Stripes, true, true, kOrange, kBlue, kBrown},
      {H::Axe, W::TallCrown, R::Short, B::Short, P::Chevrons, true, true, kBlue, kRed,
       kDarkBrown}}},
    // Hearts
    {{{H::Leaf, W::FeatherCap, R::Bob, B::Moustache, P::Stripes, true, true, kRed, kBlue, kBrown},
      {H::Rose, W::Coronet, R::LongWaves, B::None, P::Dots, false, false, kRed, kPaleGold,
       kChestnut},
      {H::Sword, W::SpikedCrown, R::Short, B::Full, P::Rosettes, false, false, kRed, kBlue,
       kAuburn}}},
    // Spades
    {{{H::Bow, W::PlumedHat, R::LongStraight, B::None, P::Dots, false, false, kCharcoal, kRed,
       kCopper},
      {H::OrbSceptre, W::Wimple, R::Hidden, B::None, P::Plain, false, false, kDeepGreen, kPurple,
       kGrey},
      {H::Sceptre, W::FleuronCrown, R::Short, B::Pointed, P::Lattice, false, true, kPurple, kGreen,
       kGrey}}},
}};

}  // namespace

const CourtDesign& DesignOf(int suit, int value) {
    const auto s = static_cast<std::size_t>(std::clamp(suit, 1, 4) - 1);
    const auto v = static_cast<std::size_t>(std::clamp(value, 11, 13) - 11);
    return kDesigns[s][v];
}

}  // namespace zarvelo::cardlib
