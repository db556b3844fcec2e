// The long soak: the bar glued for ten minutes (or the minutes given) to a host that
// moves or is minimised and restored every second; prints how often it missed and its
// footprint before and after. Not part of scripts/bench's default run:
//
//   scripts/bench soak            (or: wine-run bench_soak.exe --quorbel=... --host=... 10)

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench/support/Soak.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"

using namespace quorbel;
using namespace quorbel::e2e;

int main(int argc, char** argv)
{
    int minutes = 10;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-')
            minutes = std::atoi(argv[i]);
    try {
        Session session;
        const HWND host = session.StartHost({"--pos=200,150,640,420"}).Window();
        session.WriteQuorbelIni(test::Crlf("[main]\nsize=2\nbTray=0\niGlueX=60\niGlueY=30\n"
                                           "[0]\nsButtonText=a\nsFolderPath=C:\\windows\nsubkey=k0\n"
                                           "[1]\nsButtonText=b\nsFolderPath=C:\\users\nsubkey=k1\n"));
        session.StartQuorbel();
        const HWND bar = session.WaitForBar();
        const SoakResult soak = Soak(session, host, bar, std::chrono::seconds(minutes * 60));
        std::printf("\nsoak: %d minutes, %d host changes\n", minutes, soak.steps);
        std::printf("%-46s %10d\n", "bar not beside the host in time", soak.missedGlue);
        std::printf("%-46s %10d\n", "bar not hidden with the host minimised", soak.missedHide);
        std::printf("%-46s %10.1f -> %.1f KB\n", "private memory", soak.before.privateBytes / 1024.0,
                    soak.after.privateBytes / 1024.0);
        if (soak.before.gdiObjects < 0 || soak.after.gdiObjects < 0)
            std::printf("%-46s %10s  (no count in this build)\n", "GDI objects", "unmeasured");
        else
            std::printf("%-46s %10d -> %d\n", "GDI objects", soak.before.gdiObjects, soak.after.gdiObjects);
        std::printf("%-46s %10d -> %d\n", "windows", soak.before.windows, soak.after.windows);
        const bool flat = soak.after.gdiObjects <= soak.before.gdiObjects && soak.after.windows <= soak.before.windows;
        return soak.missedGlue == 0 && soak.missedHide == 0 && flat ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_soak: %s\n", error.what());
        return 2;
    }
}
