// Paying card points, and the deal that follows a cleared stage.
#pragma once

namespace zarvelo {

void AwardCardPoints();
void RedealTable();

// Credits multiplier for n cards taken in a stage; 0 when that count pays nothing.
int CardPointMultiplier(int cardsInStage);

}  // namespace zarvelo
