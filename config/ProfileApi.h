#pragma once
#include <cstdint>

namespace quorbel {

// The profile-string service in the exact shape of the platform's multibyte calls
// (GetPrivateProfileStringA and friends), so that everything the program does with its
// INI files is written once and runs over either implementation: the platform's own on
// Windows, or our reader/writer where the platform has none.
class ProfileApi {
public:
    virtual ~ProfileApi() = default;

    // As GetPrivateProfileStringA. A null section lists the section names of the file,
    // a null key the key names of the section: each name ended by a zero byte, the list
    // by one more. Returns the number of bytes stored, without the final zero.
    virtual std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                                    char* buffer, std::uint32_t size, const char* path) = 0;

    // As GetPrivateProfileIntA. The platform answers with an unsigned value; callers
    // that store signed numbers cast it back.
    virtual std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                                 const char* path) = 0;

    // As WritePrivateProfileStringA: a null value removes the key, a null key the section.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* path) = 0;

    // As WritePrivateProfileSectionA: the section afterwards holds exactly the given
    // "key=value" lines (each ended by a zero byte, the list by one more), in that order.
    virtual bool WriteSection(const char* section, const char* lines, const char* path) = 0;

    // Reads made between these two are one reading of related settings, with no window
    // message handled in between (so no other message loop runs within it): a store that
    // checks a file for changes before answering may check it once for all of them, so
    // that they come from one version of the file. `reportsTakenIn` says that the
    // caller's message loop has just taken in every report of change there was, so that
    // the store need not ask for one. Stores without such checks ignore both.
    virtual void BeginReading(bool /*reportsTakenIn*/) {}
    virtual void EndReading() {}
};

// The store the program reads and writes through: the platform's service, with reads of
// unchanged files answered from memory.
ProfileApi& Profile();

// Makes `api` the store until called again; null goes back to the platform's own.
void UseProfile(ProfileApi* api);

// Reads made while one lives are one reading of the current store (see BeginReading).
// It must end before the caller handles or sends a window message.
class OneReading {
public:
    explicit OneReading(bool reportsTakenIn) : store_(Profile()) { store_.BeginReading(reportsTakenIn); }
    ~OneReading() { store_.EndReading(); }
    OneReading(const OneReading&) = delete;
    OneReading& operator=(const OneReading&) = delete;

private:
    ProfileApi& store_;
};

// The store this build has by default (the platform's service, or our own files).
ProfileApi& PlatformProfile();

}  // namespace quorbel
