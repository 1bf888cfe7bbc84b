#pragma once

#include <cstddef>
#include <string_view>

// Checks made on a property list's bytes before the parser sees them, so that a hostile file can
// neither recurse the parser (and its free) off the stack, nor make it build more nodes than
// memory holds, nor trip its assertion on strings with a NUL. The checks err on the side of
// refusing.
namespace PropertyListBounds {

// Containers nest at most this deep in a document we read.
constexpr int kMaxDepth = 512;
// A document we read expands to at most this many values (a dictionary's keys count too).
constexpr std::size_t kMaxValues = 2'000'000;
// Files larger than this are not read at all.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// An XML list whose <array> and <dict> elements nest no deeper than `maxDepth`. Comments,
// CDATA sections, processing instructions and declarations are skipped as the parser skips them.
bool xmlNestingWithin(std::string_view xml, int maxDepth);

// Whether an XML list holds a NUL character, raw or as a character reference: XML 1.0 allows
// neither, and the parser would hand such a string back cut short.
bool xmlHoldsNul(std::string_view xml);

// A binary list ("bplist00") that is well formed enough to walk, whose objects, with every shared
// reference counted each time it is used (the parser copies them), are at most `maxValues` and
// nest no deeper than `maxDepth`, without cycles, and whose dictionary keys hold no NUL.
bool binaryExpansionWithin(std::string_view bytes, int maxDepth, std::size_t maxValues);

}  // namespace PropertyListBounds
