#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorbel {

// The key names of `section` in the order in which they stand in the file. Empties
// `keys` first. False (with an empty list) only when no memory can be had for reading.
bool ListSectionKeys(const std::string& section, const std::string& path,
                     std::vector<std::string>& keys);

// The section names of the file, in file order. Same contract as ListSectionKeys.
bool ListSectionNames(const std::string& path, std::vector<std::string>& names);

// The value of `key` in `section` read whole, empty text when absent. Nothing when it is
// longer than a megabyte: such a value is never written back, since it would come back cut.
std::optional<std::string> ReadWholeValue(const std::string& section, const std::string& key,
                                          const std::string& path);

using IniEntries = std::vector<std::pair<std::string, std::string>>;

// The key/value pairs of `section` in file order, every value read whole. Nothing when
// a value is longer than a megabyte: such a section is never written back, since what
// was read of it would come back cut.
std::optional<IniEntries> ReadSectionEntries(const std::string& section, const std::string& path);

// Replaces everything `section` holds with `entries`, in their order, in one write of
// the file, so that no moment exists in which the section is gone.
bool ReplaceSection(const std::string& section, const IniEntries& entries,
                    const std::string& path);

}  // namespace quorbel
