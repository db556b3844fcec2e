#pragma once
#include "framework/MessageLoop.h"

namespace quorbel {

// Watches the folder of the INI files while it lives, in the program's own message loops:
// a hand edit of either file is taken in the moment it is made, so that a glue tick those
// loops hand on needs to look at no file. Where the platform gives no notification for
// the folder, the files are checked by their stamps instead.
class SettingsWatch final : public fw::LoopWaitable {
public:
    SettingsWatch();
    ~SettingsWatch();
    SettingsWatch(const SettingsWatch&) = delete;
    SettingsWatch& operator=(const SettingsWatch&) = delete;

    HANDLE WaitHandle() const override;
    void OnSignalled() override;
};

}  // namespace quorbel
