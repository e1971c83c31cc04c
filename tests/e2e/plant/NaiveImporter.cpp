// The control for the planting test: imports the spooler's client library the
// ordinary way, so the loader resolves it before any code of this program runs
// and searches the program's own folder first.
#include <windows.h>

#include <cstdio>

int main() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPortsA(nullptr, 1, nullptr, 0, &needed, &count);
    std::printf("the spooler reports %lu bytes of ports\n", static_cast<unsigned long>(needed));
    return 0;
}
