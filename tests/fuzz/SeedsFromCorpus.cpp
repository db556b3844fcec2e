// Writes the INI files of the conformance corpus as seeds for the fuzzers: each file with
// a few steering bytes in front (see FuzzInput.h).
//
//   fuzz_seeds CORPUS_DIR OUTPUT_DIR
#include <cstdio>
#include <filesystem>

#include "tests/support/Corpus.h"
#include "tests/support/TestFiles.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[2]);
    try {
        int written = 0;
        for (const quorbel::test::CorpusCase& c : quorbel::test::LoadCorpus(argv[1])) {
            if (!c.file || c.file->size() > 4096)
                continue;
            // Eight steering bytes: the case's code page, then a mix of steps.
            const char codePage = c.codePage == 932 ? 1 : c.codePage == 949 ? 2 : 0;
            const std::string seed = std::string("\x08", 1) + codePage + std::string("\x00\x00\x02\x03\x04\x01\x00", 7) + *c.file;
            const auto out = std::filesystem::path(argv[2]) / (c.id + ".seed");
            if (!quorbel::test::WriteFileBytes(out.string(), seed))
                return 1;
            ++written;
        }
        std::printf("%d seeds in %s\n", written, argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
