// The computer's 65-row rule table: the first row that matches the board places one O.
#pragma once

#include "mark.h"

#include <array>

namespace game {

struct Rule {
    // 0: any stage; 1: only the computer's first move of a game; 2: every later move.
    int stage;
    // The squares that must all hold `mark`, in the order they are compared; 0 ends the list.
    std::array<int, 3> mustHold;
    Mark mark;
    int target;
    // Every row but 50 requires its target to be empty.
    bool testsTarget;
    // Rows 49 and 50 add 1 to MoveStage.
    bool advancesStage;
};

constexpr int kRuleCount = 65;
extern const std::array<Rule, kRuleCount> kRuleTable;

} // namespace game
