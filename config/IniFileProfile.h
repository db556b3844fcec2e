#pragma once
#include "config/ProfileApi.h"

namespace quorbel {

// Our own profile-string service over INI files, for where the platform has none. Every
// call reads the file as it is on disk at that moment, so a hand edit is seen at once;
// every write replaces the file whole, in one step (never half written), and only when
// its bytes change. Text is bytes: nothing is converted, in either direction.
//
// It answers as the platform's multibyte profile functions do, down to buffer lengths
// and quirks (an empty integer value gives the default, as an absent one does), except
// where the platform would change bytes it is given: it recodes text behind a UTF-8
// byte-order mark, replaces bytes that are no character of the code page, cuts values
// beyond 64 KB; we pass bytes through.
// After a write the platform lays the whole file out anew; we change only the lines the
// write is about. The cases are written down in tests/corpus.
class IniFileProfile final : public ProfileApi {
public:
    std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                            char* buffer, std::uint32_t size, const char* path) override;
    std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                         const char* path) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;
};

}  // namespace quorbel
