#pragma once
#include <windows.h>

#include <string>

#include "config/ChangeWatch.h"

namespace quorbel {

// The platform's change notification on one folder (FindFirstChangeNotification): a
// handle that is signalled when a file in the folder is written, made, removed or
// renamed. A message loop that waits on the handle hands each signal to TakeSignal;
// readers that no such loop serves ask for one themselves (TakeReports).
class FolderWatch final : public ChangeWatch {
public:
    FolderWatch() = default;
    ~FolderWatch() override { Stop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Watches `folder` from now on. False where the platform gives no notification for
    // it (some network drives): its files are then checked by their stamps.
    bool Start(const std::string& folder);
    void Stop();

    // The handle to wait on; null while nothing is watched.
    HANDLE Handle() const { return watching() ? handle_ : nullptr; }

    // The handle was found signalled: counts a report and waits for the next change.
    void TakeSignal();

    bool Covers(const char* path) const override;
    std::uint64_t Reports() const override { return reports_; }
    void TakeReports() override;

private:
    bool watching() const { return handle_ != INVALID_HANDLE_VALUE; }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string folder_;
    std::uint64_t reports_ = 0;
};

// The watch the program's settings cache consults.
FolderWatch& ProgramFolderWatch();

}  // namespace quorbel
