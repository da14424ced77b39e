// Stands in for kestrin.exe where a test needs a generator that misbehaves.
// What it does is read from "stand-in.txt" in the current folder:
//   slow    writes the first line of a run log, then keeps running for a while;
//   silent  writes no run log at all.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    std::string mode;
    std::ifstream("stand-in.txt") >> mode;
    if (mode == "slow") {
        std::ofstream("kestrin.log", std::ios::binary) << "Opening \"vyr_recent.ini\".\r\n" << std::flush;
        Sleep(8000);
    }
    return 0;
}
