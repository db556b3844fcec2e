#pragma once

namespace quorbel {

// What a folder dropped on the bar can become, decided from the hit-tested position and
// the number of buttons before anything is asked or written.
struct DropPlan {
    // False on an empty bar: the folder becomes button 0 at once, without the menu.
    bool askUser = false;
    // "아래 메뉴로 추가" needs a button to add to: only a drop on a button offers it
    // (the shell greys the item otherwise).
    bool offerSubmenu = false;
    // "옆에 버튼으로 추가" needs room: a bar that shows as many buttons as it can would
    // hide the new one past its end, where a later delete would lose it.
    bool offerButton = false;
    // The button the dialogs are placed below and whose menu gets the entry; -1 for none.
    int anchor = -1;
    // Where "옆에 버튼으로 추가" puts the new button.
    int newPosition = 0;
};

// A drop beside the buttons (negative hit, or a position the file no longer has) adds
// after the last button: it must never overwrite an existing button section, and the
// end of the bar is where the user let go.
DropPlan PlanDrop(int hitPosition, int buttonCount);

}  // namespace quorbel
