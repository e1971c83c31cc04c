// GCC's runtime only (the MSVC build does not compile this file).
//
// The runtime's default terminate handler prints the name of the uncaught
// exception's type before it aborts, and for that links in the whole C++ name
// demangler and a printf: about 75 KB, a quarter of the program. A window
// program has no console to print to, and no exception leaves the dialog
// procedure, so this handler, which the linker takes in place of the
// runtime's own, just aborts.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
