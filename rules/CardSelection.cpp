// Paying card points, and the deal that follows a cleared stage.
#include "rules/CardSelection.h"

#include "rules/Dealing.h"
#include "state/GameState.h"

namespace zarvelo {

int CardPointMultiplier(int n) {
    switch (n) {
        case 10: return 1;
        case 13: case 16: case 19: return 2;
        case 22: case 25: case 28: return 3;
        case 31: case 34: case 37: return 4;
        case 40: case 43: case 46: return 5;
        case 49: return 6;
        case 50: return 7;
        case 51: return 8;
        case 52: return 500;
        default: return 0;
    }
}

void AwardCardPoints() {
    const Counter n = GameCards - (Stage - 1) * 52;
    const int multiplier = CardPointMultiplier(n);
    if (multiplier == 0) return;
    Win = SaturatingAdd(Win, SaturatingMul(SaturatingMul(Stage, multiplier), Bet));
}

void RedealTable() {
    DealTable();
    RefreshTable();
}

}  // namespace zarvelo
