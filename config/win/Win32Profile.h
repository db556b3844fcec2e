#pragma once
#include "config/ProfileApi.h"

namespace quorbel {

// The platform's own profile functions, unchanged.
class Win32Profile final : public ProfileApi {
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
