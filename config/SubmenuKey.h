#pragma once
#include <functional>
#include <string>

namespace quorbel {

// What the platform's UUID service answered.
struct UuidText {
    enum class Status { Ok, ConversionFailed, Unavailable };
    Status status = Status::Unavailable;
    std::string text;  // the 36-character text form when status is Ok
};

// A new UUID in text form from the platform (Unavailable where it has none).
UuidText CreateUuidText();

// A new SubmenuKey: the text of a new UUID; empty text when the UUID cannot be turned
// into text; 32 lower-case letters when the platform gives no UUID at all.
std::string MakeSubmenuKey();

// Tests: replaces the platform's UUID service (null restores it).
void SetUuidSourceForTesting(UuidText (*source)());

// The 32-letter key used when the platform has no UUID. It differs from every key made
// before in this run and from every key for which `taken` answers true.
std::string MakeLetterKey(const std::function<bool(const std::string&)>& taken);

// True when `key` already names a submenu in either INI file: as a section of the
// submenu file (alone or with "E") or as the `subkey` of a section of the main file.
bool SubmenuKeyInUse(const std::string& key);

}  // namespace quorbel
