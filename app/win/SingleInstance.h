#pragma once

namespace quorbel {

// False when a mutex of this name already exists (another copy of the program runs).
// The first copy keeps its handle open, unowned, for the life of its process: the name
// exists exactly as long as that process does.
bool IsFirstInstance(const char* mutexName);

}  // namespace quorbel
