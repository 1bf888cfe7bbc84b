#pragma once

#include <string>
#include <string_view>

namespace UTF8 {

// `text` with every byte that isn't part of a well-formed sequence (overlong forms, surrogates and
// code points above U+10FFFF are not) replaced by U+FFFD.
std::string valid(std::string_view text);

}  // namespace UTF8
