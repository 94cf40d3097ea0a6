// The computer's move: on "O's Turn", the first matching row of the rule table places one O.
#include "mainform.h"
#include "ruletable.h"

#include <optional>

namespace game {

void MainForm::CpuTurn_Timer()
{
    if (statusText() != kOsTurn)
        return;

    // MoveStage is read once, when the walk first reaches a row with a stage condition.
    std::optional<std::int16_t> stage;
    for (const Rule& rule : kRuleTable) {
        if (rule.stage != 0) {
            if (!stage)
                stage = MoveStage;
            if (*stage != rule.stage)
                continue;
        }
        // Every listed square is compared before the results are combined.
        bool held = true;
        for (int square : rule.mustHold) {
            if (square != 0)
                held = holds(square, rule.mark) && held;
        }
        if (!held)
            continue;
        if (rule.testsTarget && !isEmpty(rule.target))
            continue;

        setPicture(rule.target, Mark::O);
        if (rule.advancesStage)
            advanceMoveStage();
        setStatusText(kXsTurn);
        appendItem(m_lstP2M, Change::Property::P2MoveList, rule.target);
        return;
    }
    // No row matched: only on a full board. The token stays "O's Turn".
}

} // namespace game
