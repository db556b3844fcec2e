// Name lists read with growing buffers. How values and lists are cut is in the
// conformance corpus; ReplaceSection is checked through its callers (EntryOrder,
// ButtonSections) and the corpus's write-section cases, values read whole through the
// same callers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "config/SectionOps.h"
#include "tests/support/Corpus.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

// A store that answers every string read through `answer` and notes the buffer sizes.
struct FakeStore final : ProfileApi {
    std::function<std::uint32_t(char*, std::uint32_t)> answer;
    std::vector<std::uint32_t> sizes;

    std::uint32_t GetString(const char*, const char*, const char*, char* buffer, std::uint32_t size,
                            const char*) override
    {
        sizes.push_back(size);
        return answer(buffer, size);
    }
    std::uint32_t GetInt(const char*, const char*, std::int32_t fallback, const char*) override
    {
        return static_cast<std::uint32_t>(fallback);
    }
    bool WriteString(const char*, const char*, const char*, const char*) override { return false; }
    bool WriteSection(const char*, const char*, const char*) override { return false; }
};

TEST(ListSectionKeys, DoublesTheBufferWhileTheListComesBackCut)
{
    const struct {
        std::uint32_t shortBy;    // a cut list is reported as the size minus this
        std::uint32_t wholeFrom;  // the first buffer size the list fits
        std::size_t reads;
        bool listed;
    } cases[] = {
        {2, 80000, 3, true},
        // The platform reports a list of double-byte names that it had to cut while
        // converting it with the size minus one, not minus two.
        {1, 40000, 2, true},
        // Twenty megabytes are enough: a store that always cuts must not lead us on.
        {2, UINT32_MAX, 11, false},
    };
    for (const auto& c : cases) {
        FakeStore store;
        store.answer = [&](char* buffer, std::uint32_t size) {
            if (size >= c.wholeFrom)
                return std::memcpy(buffer, "a\0b\0", 5), 4u;
            std::memset(buffer, 'x', size);
            std::memcpy(buffer + size - c.shortBy - 1, "\0\0", 2);
            return size - c.shortBy;
        };
        const test::ProfileScope scope(store);
        std::vector<std::string> keys{"left over"};
        EXPECT_EQ(ListSectionKeys("s", "p", keys), c.listed);
        EXPECT_EQ(keys, (c.listed ? std::vector<std::string>{"a", "b"} : std::vector<std::string>{}));
        std::vector<std::uint32_t> sizes;
        for (std::size_t n = 0; n < c.reads; ++n)
            sizes.push_back(20000u << n);
        EXPECT_EQ(store.sizes, sizes);
    }
}

}  // namespace
}  // namespace quorbel
