// GCC's runtime only (the MSVC build does not compile this file).
//
// The C++ library's own error throwers, which the linker takes in place of
// the library's. The library's build their exceptions' messages with a
// second, older string implementation of its own: 56 KB of the program, for
// texts nobody reads. The wizard tells no exception from another (a dialog
// procedure ends its dialog on any, see ui/Dialog.cpp), and each of these
// means a size, a position or a null text that no code of this program hands
// the library, so each throws the one exception that needs no text.
#include <new>

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_alloc();
}

void __throw_length_error(const char*) {
    throw bad_alloc();
}

void __throw_logic_error(const char*) {
    throw bad_alloc();
}

void __throw_out_of_range_fmt(const char*, ...) {
    throw bad_alloc();
}

}  // namespace std
