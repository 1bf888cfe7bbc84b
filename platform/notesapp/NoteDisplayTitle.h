#pragma once

#include <cstddef>
#include <string>

struct StoredNote;

// What the Notes app calls a note, in its list and over its page: the first line of its title
// that isn't blank, else the first such line of its text, else "New Note". Spaces around it are
// dropped, and it stops at kNoteTitleMostBytes (on a character boundary); bytes that are not
// UTF-8 are replaced.
inline constexpr size_t kNoteTitleMostBytes = 200;
std::string noteDisplayTitle(const StoredNote& note);
