#include "platform/foundation/PropertyListBounds.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace PropertyListBounds {
namespace {

// Whether `text` at `at` starts with `prefix`.
bool startsAt(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

// Where a markup declaration ("<!DOCTYPE ... [ ... ]>") that starts at `at` ends, past its '>'.
std::size_t declarationEnd(std::string_view xml, std::size_t at) {
    int brackets = 0;
    for (std::size_t i = at; i < xml.size(); ++i) {
        if (xml[i] == '[') {
            ++brackets;
        } else if (xml[i] == ']' && brackets > 0) {
            --brackets;
        } else if (xml[i] == '>' && brackets == 0) {
            return i + 1;
        }
    }
    return xml.size();
}

// Past the end of the `terminator` after `at`, or the end of the text.
std::size_t pastTerminator(std::string_view xml, std::size_t at, std::string_view terminator) {
    std::size_t end = xml.find(terminator, at);
    return end == std::string_view::npos ? xml.size() : end + terminator.size();
}

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == ':' || c == '.';
}

bool isContainer(std::string_view name) {
    return name == "array" || name == "dict";
}

}  // namespace

bool xmlNestingWithin(std::string_view xml, int maxDepth) {
    int depth = 0;
    std::size_t i = 0;
    while ((i = xml.find('<', i)) != std::string_view::npos) {
        if (startsAt(xml, i, "<!--")) {
            i = pastTerminator(xml, i + 4, "-->");
        } else if (startsAt(xml, i, "<![CDATA[")) {
            i = pastTerminator(xml, i + 9, "]]>");
        } else if (startsAt(xml, i, "<?")) {
            i = pastTerminator(xml, i + 2, "?>");
        } else if (startsAt(xml, i, "<!")) {
            i = declarationEnd(xml, i + 2);
        } else {
            const bool closing = startsAt(xml, i, "</");
            std::size_t nameStart = i + (closing ? 2 : 1), nameEnd = nameStart;
            while (nameEnd < xml.size() && isNameCharacter(xml[nameEnd]))
                ++nameEnd;
            std::size_t tagEnd = xml.find('>', nameEnd);
            if (tagEnd == std::string_view::npos)
                tagEnd = xml.size();
            if (isContainer(xml.substr(nameStart, nameEnd - nameStart))) {
                const bool empty = !closing && tagEnd > nameEnd && xml[tagEnd - 1] == '/';
                if (closing) {
                    --depth;
                } else if (!empty && ++depth > maxDepth) {
                    return false;
                }
            }
            i = tagEnd;
        }
    }
    return true;
}

namespace {

// Walks a binary list's object graph from its top object, counting values as the parser will
// make them. The layout: "bplist00", the objects, a table of their offsets, and a 32-byte trailer
// giving the sizes of offsets and of object references, the object count, the top object and
// where the offset table starts. Integers are big-endian.
class BinaryListWalk {
  public:
    BinaryListWalk(std::string_view bytes, int maxDepth, std::size_t maxValues)
        : bytes_(bytes),
          maxDepth_(maxDepth),
          maxValues_(std::min<std::size_t>(maxValues, UINT32_MAX)) {}

    bool within() {
        constexpr std::size_t kHeader = 8, kTrailer = 32;
        if (bytes_.size() < kHeader + kTrailer || !startsAt(bytes_, 0, "bplist"))
            return false;
        const std::size_t trailer = bytes_.size() - kTrailer;
        offsetSize_ = static_cast<unsigned char>(bytes_[trailer + 6]);
        refSize_ = static_cast<unsigned char>(bytes_[trailer + 7]);
        const std::uint64_t objects = number(trailer + 8, 8);
        const std::uint64_t top = number(trailer + 16, 8);
        tableStart_ = number(trailer + 24, 8);
        if (offsetSize_ < 1 || offsetSize_ > 8 || refSize_ < 1 || refSize_ > 8 ||
            tableStart_ < kHeader || tableStart_ > trailer || top >= objects ||
            objects > (trailer - tableStart_) / offsetSize_)
            return false;
        objectCount_ = objects;
        seen_.assign(objects, Seen{});
        auto total = walk(top, 0);
        return total && *total <= maxValues_;
    }

  private:
    struct Seen {
        std::uint32_t values = 0;  // 0: not walked yet
        std::uint16_t height = 0;
        bool walking = false;
    };

    std::uint64_t number(std::size_t at, std::size_t size) const {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes_[at + i]);
        return value;
    }

    // The element count of a container or string whose marker is at `at`, and where its elements
    // start.
    std::optional<std::pair<std::uint64_t, std::size_t>> elementsAt(std::size_t at) const {
        const unsigned info = static_cast<unsigned char>(bytes_[at]) & 0x0F;
        if (info != 0x0F)
            return std::pair<std::uint64_t, std::size_t>{info, at + 1};
        if (at + 2 > tableStart_)
            return std::nullopt;
        const unsigned char marker = static_cast<unsigned char>(bytes_[at + 1]);
        if ((marker >> 4) != 0x1 || (marker & 0x0F) > 3)
            return std::nullopt;
        const std::size_t size = std::size_t{1} << (marker & 0x0F);
        if (at + 2 + size > tableStart_)
            return std::nullopt;
        return std::pair<std::uint64_t, std::size_t>{number(at + 2, size), at + 2 + size};
    }

    // Where the object starts; nothing when the offset table points outside the objects.
    std::optional<std::size_t> offsetOf(std::uint64_t object) const {
        const std::uint64_t at = number(tableStart_ + object * offsetSize_, offsetSize_);
        if (at < 8 || at >= tableStart_)
            return std::nullopt;
        return at;
    }

    // Whether the object is a string with a NUL character in it, or can't be read as a string.
    // The parser can't hand such a dictionary key back whole, so such lists are refused.
    bool holdsNul(std::uint64_t object) const {
        const auto at = offsetOf(object);
        if (!at)
            return true;
        const unsigned type = static_cast<unsigned char>(bytes_[*at]) >> 4;
        if (type != 0x5 && type != 0x6)
            return false;  // not a string: the parser refuses it as a key itself
        const auto length = elementsAt(*at);
        const std::uint64_t unit = type == 0x6 ? 2 : 1;
        if (!length || length->first > (tableStart_ - length->second) / unit)
            return true;
        const std::string_view text = bytes_.substr(length->second, length->first * unit);
        for (std::size_t i = 0; i < text.size(); i += unit) {
            if (text.substr(i, unit).find_first_not_of('\0') == std::string_view::npos)
                return true;
        }
        return false;
    }

    // How many values the object expands to, with its height recorded in seen_; nothing when it
    // breaks a bound or can't be walked.
    std::optional<std::uint64_t> walk(std::uint64_t object, int depth) {
        if (depth > maxDepth_)
            return std::nullopt;
        Seen& seen = seen_[object];
        if (seen.walking)
            return std::nullopt;  // a cycle
        if (seen.values != 0) {
            if (depth + seen.height > maxDepth_)
                return std::nullopt;
            return seen.values;
        }
        const auto at = offsetOf(object);
        if (!at)
            return std::nullopt;
        const unsigned type = static_cast<unsigned char>(bytes_[*at]) >> 4;
        std::uint64_t values = 1;
        int height = 0;
        if (type == 0xA || type == 0xC || type == 0xD) {
            auto size = elementsAt(*at);
            if (!size)
                return std::nullopt;
            const std::uint64_t perElement = type == 0xD ? 2 : 1;  // a key and a value
            if (size->first > (tableStart_ - size->second) / refSize_ / perElement)
                return std::nullopt;
            const std::uint64_t references = size->first * perElement;
            seen_[object].walking = true;
            for (std::uint64_t i = 0; i < references; ++i) {
                const std::uint64_t child = number(size->second + i * refSize_, refSize_);
                if (child >= objectCount_ || (type == 0xD && i < size->first && holdsNul(child)))
                    return std::nullopt;
                auto childValues = walk(child, depth + 1);
                if (!childValues)
                    return std::nullopt;
                values += *childValues;
                if (values > maxValues_)
                    return std::nullopt;
                height = std::max<int>(height, seen_[child].height + 1);
            }
        }
        Seen& done = seen_[object];
        done = Seen{static_cast<std::uint32_t>(values), static_cast<std::uint16_t>(height), false};
        return values;
    }

    std::string_view bytes_;
    int maxDepth_;
    std::size_t maxValues_;
    unsigned offsetSize_ = 0;
    unsigned refSize_ = 0;
    std::uint64_t tableStart_ = 0;
    std::uint64_t objectCount_ = 0;
    std::vector<Seen> seen_;
};

}  // namespace

bool xmlHoldsNul(std::string_view xml) {
    if (xml.find('\0') != std::string_view::npos)
        return true;
    for (std::size_t i = 0; (i = xml.find("&#", i)) != std::string_view::npos;) {
        i += 2;
        const bool hex = i < xml.size() && (xml[i] == 'x' || xml[i] == 'X');
        i += hex ? 1 : 0;
        const std::size_t digits = i;
        while (i < xml.size() && xml[i] == '0')
            ++i;
        const bool zero = i > digits && i < xml.size() && xml[i] == ';';
        if (zero)
            return true;
    }
    return false;
}

bool binaryExpansionWithin(std::string_view bytes, int maxDepth, std::size_t maxValues) {
    return BinaryListWalk(bytes, maxDepth, maxValues).within();
}

}  // namespace PropertyListBounds
