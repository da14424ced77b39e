// Stands in for kestrin.exe where a test needs a generator that misbehaves.
// What it does is read from "stand-in.txt" in the current folder:
//   slow    writes the first line of a run log, then keeps running until the
//           test releases it (or for ten seconds);
//   silent  writes no run log at all.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    std::string mode;
    std::ifstream("stand-in.txt") >> mode;
    if (mode == "slow") {
        std::ofstream("kestrin.log", std::ios::binary) << "Opening \"vyr_recent.ini\".\r\n" << std::flush;
        const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"KestrinStandInRelease");
        WaitForSingleObject(release, 10000);
        CloseHandle(release);
    }
    return 0;
}
