#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace quorbel {

// Owns a C stream: closed when the owner goes.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

enum class FileRead {
    Read,     // `bytes` holds the whole file
    Missing,  // there is no such file: it reads as empty
    Failed    // the file may be there but cannot be read (in use, no permission)
};

// The whole content of the file at `path`, as it is on disk now.
FileRead ReadWholeFile(const char* path, std::string& bytes);

// Makes `bytes` the whole content of the file at `path` without a moment in which the
// file is half written: the bytes go into a new file beside it, which then takes its
// place in one step. False, with the file as it was, when the file is read-only or in use
// or the new file cannot be written.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

// Platform side (config/posix, config/win).

// True when `path` is a file marked read-only (the read-only attribute; on POSIX, no
// write permission for its owner). Such a file is never replaced, even by an
// administrator, whom the platform would let do it.
bool IsReadOnlyFile(const std::string& path);

// Makes what was written through `file` durable before it replaces anything.
bool FlushFileToDisk(std::FILE* file);

// Puts the file `from` in the place of `to` in one step, replacing `to`.
bool MoveFileOver(const std::string& from, const std::string& to);

}  // namespace quorbel
