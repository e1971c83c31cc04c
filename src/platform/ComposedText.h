#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pieces one after another, in one string. A chain of + makes a
// temporary string for each piece, and the code for it at every use: the
// program's texts are composed this way instead.
std::string composed(std::initializer_list<std::string_view> pieces);
