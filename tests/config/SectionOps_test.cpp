// Name lists read with growing buffers, and the section operations over real files
// through the store this build uses (ours natively, the platform's under Wine). How
// values and lists are cut is in the conformance corpus; ReplaceSection is checked
// through its callers (EntryOrder, ButtonSections) and the corpus's write-section cases.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>

#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "tests/support/CorpusRunner.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using test::Crlf;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

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

TEST(CopySection, WritesEverySourceKeyIntoTheDestination)
{
    // Longer than the first buffer, and longer than any buffer we read with.
    const std::string longPath(30000, 'p'), hugePath(1400000, 'h');
    const struct {
        const char* name;
        std::string before;  // sections 0 (the destination) and 1 (the source)
        bool emptyFirst;
        std::string after;
        bool copied = true;
    } cases[] = {
        // A button moved over one that has a key the source lacks: that key keeps its
        // value and its place; keys both have keep the destination's order.
        {"DestinationOnlyKeyStays", "[0]\nsubkey=K0\niCommand=5\nsButtonText=old\n[1]\nsButtonText=new\nsubkey=K1\n",
         false, "[0]\nsubkey=K1\niCommand=5\nsButtonText=new\n[1]\nsButtonText=new\nsubkey=K1\n"},
        {"EmptyFirstDropsTheDestination", "[0]\nsubkey=K0\niCommand=5\n[1]\nsButtonText=new\nsubkey=K1\n", true,
         "[1]\nsButtonText=new\nsubkey=K1\n[0]\nsButtonText=new\nsubkey=K1\n"},
        {"MissingDestinationIsAdded", "[1]\nsFolderPath=C:\\b\n", false, "[1]\nsFolderPath=C:\\b\n[0]\nsFolderPath=C:\\b\n"},
        {"EmptyValuesAreCopiedAsEmpty", "[0]\niCommand=3\n[1]\niCommand=\n", false, "[0]\niCommand=\n[1]\niCommand=\n"},
        {"MissingSourceChangesNothing", "[0]\nsubkey=K0\n", false, "[0]\nsubkey=K0\n"},
        {"LongValuesWhole", "[1]\nsFolderPath=" + longPath + "\n", false,
         "[1]\nsFolderPath=" + longPath + "\n[0]\nsFolderPath=" + longPath + "\n"},
        {"HugeValueCopiesNothing", "[0]\nsubkey=K0\n[1]\nsubkey=K1\nsFolderPath=" + hugePath + "\n", true,
         "[0]\nsubkey=K0\n[1]\nsubkey=K1\nsFolderPath=" + hugePath + "\n", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.File("Quorbel.ini");
        ASSERT_TRUE(WriteFileBytes(path, Crlf(c.before)));
        EXPECT_EQ(CopySection("1", "0", path, c.emptyFirst), c.copied) << c.name;
        EXPECT_EQ(ReadFileBytes(path), Crlf(c.after)) << c.name;
    }
}

TEST(IniSection, IntegersRoundTripSignedAndRemovedKeysGiveTheFallback)
{
    TempDir dir;
    const IniSection main("main", dir.File("Quorbel.ini"));
    for (int value : {-250, -1, 0, 30, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(main.WriteInt("iGlueX", value));
        EXPECT_EQ(main.ReadInt("iGlueX", 100), value);
    }
    EXPECT_EQ(main.ReadInt("iGlueY", 100), 100);
    EXPECT_TRUE(main.RemoveKey("iGlueX"));
    EXPECT_EQ(main.ReadInt("iGlueX", -7), -7);
    EXPECT_EQ(main.ReadString("iGlueX", "gone"), "gone");
}

}  // namespace
}  // namespace quorbel
