#include "toolbar/DropPlan.h"

#include "toolbar/ButtonSections.h"

namespace quorbel {

DropPlan PlanDrop(int hitPosition, int buttonCount)
{
    DropPlan plan;
    if (buttonCount <= 0)
        return plan;
    plan.askUser = true;
    plan.offerButton = buttonCount < kMaxButtons;
    if (hitPosition >= 0 && hitPosition < buttonCount) {
        plan.offerSubmenu = true;
        plan.anchor = hitPosition;
        plan.newPosition = hitPosition + 1;
    } else {
        plan.anchor = buttonCount - 1;
        plan.newPosition = buttonCount;
    }
    return plan;
}

}  // namespace quorbel
