#include "platform/graphics/Typesetter.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/detail/CGContext.h"

namespace {

// "Helvetica Neue", the system font, is not on Debian; its metric twin is.
constexpr const char* kFontAliases = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Helvetica Neue</family>
    <prefer><family>Nimbus Sans</family><family>Liberation Sans</family></prefer>
  </alias>
</fontconfig>)";

template <typename T, auto Free>
struct GFree {
    void operator()(T* object) const { Free(object); }
};
using Layout = std::unique_ptr<PangoLayout, GFree<PangoLayout, g_object_unref>>;
using FontDescription =
    std::unique_ptr<PangoFontDescription, GFree<PangoFontDescription, pango_font_description_free>>;
using GString = std::unique_ptr<gchar, GFree<gchar, g_free>>;

// Pango's font map and context are shared and not thread-safe: every use holds the lock.
class FontSystem {
public:
    static FontSystem& shared() {
        // Kept for the life of the process, like the font caches behind it.
        static FontSystem* system = new FontSystem;
        return *system;
    }

    std::unique_lock<std::mutex> lock() { return std::unique_lock(mutex_); }

    Layout makeLayout(std::string_view text, const FontDescriptor& font) {
        Layout layout(pango_layout_new(context_));
        const GString valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
        pango_layout_set_text(layout.get(), valid.get(), -1);
        const FontDescription description(pango_font_description_new());
        pango_font_description_set_family(description.get(), font.family.c_str());
        pango_font_description_set_weight(description.get(), font.weight == FontWeight::Bold
                                                                 ? PANGO_WEIGHT_BOLD
                                                                 : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_absolute_size(description.get(),
                                                 font.usablePointSize() * PANGO_SCALE);
        pango_layout_set_font_description(layout.get(), description.get());
        return layout;
    }

    FontMetrics metrics(const FontDescriptor& font) {
        const Layout layout = makeLayout("", font);
        PangoFontMetrics* metrics = pango_context_get_metrics(
            context_, pango_layout_get_font_description(layout.get()), nullptr);
        const FontMetrics result{
            pango_font_metrics_get_ascent(metrics) / static_cast<CGFloat>(PANGO_SCALE),
            -pango_font_metrics_get_descent(metrics) / static_cast<CGFloat>(PANGO_SCALE),
            pango_font_metrics_get_height(metrics) / static_cast<CGFloat>(PANGO_SCALE)};
        pango_font_metrics_unref(metrics);
        return result;
    }

private:
    FontSystem() {
        FcInit();
        if (!FcConfigParseAndLoadFromMemory(
                FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(kFontAliases), FcTrue)) {
            NSLog("Typesetter: could not load the system font alias");
        }
        fontMap_ = pango_cairo_font_map_new();
        context_ = pango_font_map_create_context(fontMap_);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context_, FALSE);
    }

    std::mutex mutex_;
    PangoFontMap* fontMap_;
    PangoContext* context_;
};

CGFloat fromPango(int units) {
    return units / static_cast<CGFloat>(PANGO_SCALE);
}

int toPango(CGFloat points) {
    return static_cast<int>(
        std::min(points * PANGO_SCALE, static_cast<CGFloat>(std::numeric_limits<int>::max() / 2)));
}

void wrapWithin(PangoLayout* layout, CGFloat width, LineBreak lineBreak) {
    if (width > 0 && std::isfinite(width)) pango_layout_set_width(layout, toPango(width));
    pango_layout_set_wrap(
        layout, lineBreak == LineBreak::CharWrap ? PANGO_WRAP_CHAR : PANGO_WRAP_WORD_CHAR);
}

CGFloat firstLineHeight(PangoLayout* layout) {
    PangoRectangle firstLine;
    pango_layout_line_get_extents(pango_layout_get_line_readonly(layout, 0), nullptr, &firstLine);
    return fromPango(firstLine.height);
}

// The first `count` paragraphs of `text` and the start of the next, if any. Every paragraph takes
// a line at least, so the first `count` lines of a layout of the whole text are the same as of
// this; the paragraph after them tells truncating modes that text is left over.
std::string_view firstParagraphs(std::string_view text, CGFloat count) {
    size_t end = 0;
    for (CGFloat kept = 0; kept <= count; ++kept) {
        end = text.find('\n', end);
        if (end == std::string_view::npos) return text;
        ++end;
    }
    return text.substr(0, end);
}

// Pango's layout time grows with the square of the number of paragraphs (a 40,000-line text
// takes seconds): of a text limited to the lines that fit in `bounds.height`, only the paragraphs
// that can show are laid out. The line height is the first line's, as fitToBounds counts it.
Layout layoutWithin(FontSystem& system, std::string_view text, const FontDescriptor& font,
                    CGSize bounds, LineBreak lineBreak) {
    const size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && std::isfinite(bounds.height)) {
        const Layout firstParagraph = system.makeLayout(text.substr(0, firstBreak), font);
        wrapWithin(firstParagraph.get(), bounds.width, lineBreak);
        const CGFloat lineHeight = firstLineHeight(firstParagraph.get());
        if (lineHeight > 0) {
            const CGFloat fitting =
                std::max<CGFloat>(std::floor(bounds.height / lineHeight + 1e-6), 1);
            text = firstParagraphs(text, fitting);
        }
    }
    Layout layout = system.makeLayout(text, font);
    wrapWithin(layout.get(), bounds.width, lineBreak);
    return layout;
}

// Configures truncation for `bounds` of a layout wrapped by layoutWithin; returns how many lines
// are shown.
int fitToBounds(PangoLayout* layout, CGSize bounds, LineBreak lineBreak) {
    int lineCount = pango_layout_get_line_count(layout);
    const CGFloat lineHeight = firstLineHeight(layout);
    if (lineHeight > 0 && std::isfinite(bounds.height)) {
        // Held to the layout's lines before it becomes an int: a huge finite height (the largest
        // CGFloat, as callers measuring "as tall as it needs" pass) must not overflow the cast.
        const CGFloat fitting = std::floor(bounds.height / lineHeight + 1e-6);
        lineCount = static_cast<int>(std::clamp<CGFloat>(fitting, 1, lineCount));
    }
    const PangoEllipsizeMode ellipsis = lineBreak == LineBreak::TruncateHead ? PANGO_ELLIPSIZE_START
                                        : lineBreak == LineBreak::TruncateTail ? PANGO_ELLIPSIZE_END
                                        : lineBreak == LineBreak::TruncateMiddle
                                            ? PANGO_ELLIPSIZE_MIDDLE
                                            : PANGO_ELLIPSIZE_NONE;
    if (ellipsis != PANGO_ELLIPSIZE_NONE && pango_layout_get_width(layout) > 0) {
        pango_layout_set_ellipsize(layout, ellipsis);
        pango_layout_set_height(layout, -lineCount);
        lineCount = std::min(lineCount, pango_layout_get_line_count(layout));
    }
    return lineCount;
}

// Left-aligned word wrapping at `width`, as drawTextInRect lays out text for a caret.
void wrapForCaret(PangoLayout* layout, CGFloat width) {
    if (width > 0 && std::isfinite(width)) pango_layout_set_width(layout, toPango(width));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
}

// `index` held to the layout's text and moved back to the start of the character it falls in.
int characterBoundary(PangoLayout* layout, size_t index) {
    const char* text = pango_layout_get_text(layout);
    size_t boundary = std::min(index, std::strlen(text));
    while (boundary > 0 && (static_cast<unsigned char>(text[boundary]) & 0xC0) == 0x80) --boundary;
    return static_cast<int>(boundary);
}

int toPangoCoordinate(CGFloat points) {
    constexpr CGFloat kLimit = std::numeric_limits<int>::max() / 2 / PANGO_SCALE;
    return static_cast<int>(std::clamp(std::isnan(points) ? 0 : points, -kLimit, kLimit) *
                            PANGO_SCALE);
}

CGSize sizeOfLines(PangoLayout* layout, int lineCount) {
    CGSize size{};
    // Through the lines in order: reaching line i by its number walks a list.
    GSList* line = pango_layout_get_lines_readonly(layout);
    for (int i = 0; i < lineCount && line != nullptr; ++i, line = line->next) {
        PangoRectangle logical;
        pango_layout_line_get_extents(static_cast<PangoLayoutLine*>(line->data), nullptr, &logical);
        size.width = std::max(size.width, fromPango(logical.width));
        size.height += fromPango(logical.height);
    }
    return size;
}

// Draws the first `lineCount` lines with the layout's top-left at `area`'s origin; only the
// Clip mode cuts glyphs at the area's sides.
void draw(const CGContextRef& context, PangoLayout* layout, int lineCount, CGRect area,
          bool clipWidth, const FontDescriptor& font) {
    // Glyph ink may stray a little outside the logical boxes.
    const CGFloat overhang = font.usablePointSize() / 2;
    const CGRect inked = CGRectInset(area, clipWidth ? 0 : -overhang, -overhang);
    const CGRect deviceArea = CGRectApplyAffineTransform(inked, context->deviceTransform());
    context->fillWithCairo(deviceArea, [&](cairo_t* cr) {
        if (clipWidth) {
            cairo_rectangle(cr, inked.origin.x, inked.origin.y, inked.size.width,
                            inked.size.height);
            cairo_clip(cr);
        }
        PangoLayoutIter* lines = pango_layout_get_iter(layout);
        for (int i = 0; i < lineCount; ++i) {
            PangoRectangle logical;
            pango_layout_iter_get_line_extents(lines, nullptr, &logical);
            cairo_move_to(cr, area.origin.x + fromPango(logical.x),
                          area.origin.y + fromPango(pango_layout_iter_get_baseline(lines)));
            pango_cairo_show_layout_line(cr, pango_layout_iter_get_line_readonly(lines));
            if (!pango_layout_iter_next_line(lines)) break;
        }
        pango_layout_iter_free(lines);
    });
}

}  // namespace

FontMetrics Typesetter::metrics(const FontDescriptor& font) {
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    return system.metrics(font);
}

CGSize Typesetter::sizeOfText(std::string_view text, const FontDescriptor& font) {
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = system.makeLayout(text, font);
    return sizeOfLines(layout.get(), pango_layout_get_line_count(layout.get()));
}

CGSize Typesetter::sizeOfTextInBounds(std::string_view text, const FontDescriptor& font,
                                      CGSize bounds, LineBreak lineBreak) {
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = layoutWithin(system, text, font, bounds, lineBreak);
    const int lines = fitToBounds(layout.get(), bounds, lineBreak);
    return sizeOfLines(layout.get(), lines);
}

void Typesetter::drawTextAtPoint(const CGContextRef& context, std::string_view text,
                                 const FontDescriptor& font, CGPoint point) {
    if (!context) return;
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = system.makeLayout(text, font);
    const CGSize size = sizeOfLines(layout.get(), pango_layout_get_line_count(layout.get()));
    draw(context, layout.get(), pango_layout_get_line_count(layout.get()), {point, size}, false,
         font);
}

CGSize Typesetter::drawTextInRect(const CGContextRef& context, std::string_view text,
                                  const FontDescriptor& font, CGRect rect, LineBreak lineBreak,
                                  TextAlignment alignment) {
    if (!context) return CGSizeZero;
    rect = CGRectStandardize(rect);
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = layoutWithin(system, text, font, rect.size, lineBreak);
    const int lines = fitToBounds(layout.get(), rect.size, lineBreak);
    pango_layout_set_alignment(layout.get(), alignment == TextAlignment::Center ? PANGO_ALIGN_CENTER
                                             : alignment == TextAlignment::Right
                                                 ? PANGO_ALIGN_RIGHT
                                                 : PANGO_ALIGN_LEFT);
    const CGSize size = sizeOfLines(layout.get(), lines);
    draw(context, layout.get(), lines, {rect.origin, {rect.size.width, size.height}},
         lineBreak == LineBreak::Clip, font);
    return size;
}

CGRect Typesetter::caretRectForIndex(std::string_view text, const FontDescriptor& font,
                                     CGFloat width, size_t index) {
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = system.makeLayout(text, font);
    wrapForCaret(layout.get(), width);
    PangoRectangle caret;
    pango_layout_get_cursor_pos(layout.get(), characterBoundary(layout.get(), index), &caret,
                                nullptr);
    return {{fromPango(caret.x), fromPango(caret.y)}, {0, fromPango(caret.height)}};
}

size_t Typesetter::caretIndexAtPoint(std::string_view text, const FontDescriptor& font,
                                     CGFloat width, CGPoint point) {
    FontSystem& system = FontSystem::shared();
    const auto lock = system.lock();
    const Layout layout = system.makeLayout(text, font);
    wrapForCaret(layout.get(), width);
    int index = 0, trailing = 0;
    pango_layout_xy_to_index(layout.get(), toPangoCoordinate(point.x), toPangoCoordinate(point.y),
                             &index, &trailing);
    // `trailing` counts the characters after `index` that the point is beyond.
    const char* laidOut = pango_layout_get_text(layout.get());
    const char* caret = g_utf8_offset_to_pointer(laidOut + index, trailing);
    return static_cast<size_t>(caret - laidOut);
}
