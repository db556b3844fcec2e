#include "config/ProfileCache.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace quorbel {

namespace {

enum QueryKind { kString, kInt };

}  // namespace

ProfileCache::FileMemory* ProfileCache::Trusted(const char* path)
{
    if (reading_ && watch_ && watch_->Covers(path))
        return ByReports(path);
    if (!reading_)
        return CheckStamp(path);
    const auto checked = checkedInReading_.find(std::string_view(path));
    if (checked != checkedInReading_.end())
        return checked->second;
    FileMemory* memory = CheckStamp(path);
    checkedInReading_.emplace(path, memory);
    return memory;
}

ProfileCache::FileMemory* ProfileCache::ByReports(const char* path)
{
    // The reading took in every report there was as it began: if none came since these
    // answers were read, the file is as it was, whatever its time stamps say.
    auto found = files_.find(std::string_view(path));
    if (found == files_.end())
        found = files_.emplace(path, FileMemory{}).first;
    FileMemory& memory = found->second;
    if (memory.reports != readingReports_) {
        memory = FileMemory{};
        memory.reports = readingReports_;
    }
    return &memory;
}

ProfileCache::FileMemory* ProfileCache::CheckStamp(const char* path)
{
    const FileStamp stamp = clock_.Stamp(path);
    auto found = files_.find(std::string_view(path));
    if (found != files_.end() && found->second.stamp != stamp)
        files_.erase(found);

    // An absent file stays absent until its stamp says otherwise; a present one is
    // trusted only once it is old enough for its stamp to tell every change.
    const bool settled = !stamp.exists || clock_.Now() - stamp.writeTime > clock_.TrustAfter();
    if (!settled)
        return nullptr;
    FileMemory& memory = files_[path];
    if (!memory.stamp) {
        memory.stamp = stamp;
        // A change after this check brings a report beyond this count.
        if (watch_ && watch_->Covers(path))
            memory.reports = watch_->Reports();
    }
    return &memory;
}

std::uint32_t ProfileCache::GetString(const char* section, const char* key, const char* fallback,
                                      char* buffer, std::uint32_t size, const char* path)
{
    FileMemory* memory = path && buffer && size > 0 ? Trusted(path) : nullptr;
    if (!memory)
        return service_.GetString(section, key, fallback, buffer, size, path);

    const Query query{kString, Name{section != nullptr, section ? section : ""}, Name{key != nullptr, key ? key : ""},
                      Name{fallback != nullptr, fallback ? fallback : ""}, size};
    const auto known = memory->answers.find(query);
    if (known != memory->answers.end()) {
        ++hits_;
        std::memcpy(buffer, known->second.bytes.data(), known->second.bytes.size());
        return known->second.result;
    }
    const auto hold = clock_.HoldForReading(path);
    const std::uint32_t result = service_.GetString(section, key, fallback, buffer, size, path);
    if (!hold)
        return result;
    // A value and its final zero; a name list and the extra zero that ends it. Nothing
    // beyond is given back, so the caller's buffer changes exactly as the service left it.
    const std::size_t ending = section && key ? 1 : 2;
    const std::size_t meaningful = std::min<std::size_t>(size, static_cast<std::size_t>(result) + ending);
    memory->answers.emplace(query, Answer{result, std::string(buffer, meaningful)});
    return result;
}

std::uint32_t ProfileCache::GetInt(const char* section, const char* key, std::int32_t fallback,
                                   const char* path)
{
    FileMemory* memory = path ? Trusted(path) : nullptr;
    if (!memory)
        return service_.GetInt(section, key, fallback, path);

    const Query query{kInt, Name{section != nullptr, section ? section : ""}, Name{key != nullptr, key ? key : ""},
                      Name{true, std::to_string(fallback)}, 0};
    const auto known = memory->answers.find(query);
    if (known != memory->answers.end()) {
        ++hits_;
        return known->second.result;
    }
    const auto hold = clock_.HoldForReading(path);
    const std::uint32_t result = service_.GetInt(section, key, fallback, path);
    if (hold)
        memory->answers.emplace(query, Answer{result, std::string()});
    return result;
}

void ProfileCache::BeginReading(bool reportsTakenIn)
{
    reading_ = true;
    checkedInReading_.clear();
    if (!watch_)
        return;
    if (!reportsTakenIn)
        watch_->TakeReports();
    readingReports_ = watch_->Reports();
}

void ProfileCache::EndReading()
{
    reading_ = false;
    checkedInReading_.clear();
}

void ProfileCache::Forget(const char* path)
{
    if (!path)
        return;
    const auto memory = files_.find(std::string_view(path));
    if (memory != files_.end())
        files_.erase(memory);
    const auto checked = checkedInReading_.find(std::string_view(path));
    if (checked != checkedInReading_.end())
        checkedInReading_.erase(checked);
}

bool ProfileCache::WriteString(const char* section, const char* key, const char* value, const char* path)
{
    Forget(path);
    return service_.WriteString(section, key, value, path);
}

bool ProfileCache::WriteSection(const char* section, const char* lines, const char* path)
{
    Forget(path);
    return service_.WriteSection(section, lines, path);
}

ProfileApi& CachedPlatformProfile()
{
    static ProfileCache cache(PlatformProfile(), PlatformFileClock(), PlatformChangeWatch());
    return cache;
}

}  // namespace quorbel
