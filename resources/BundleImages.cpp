// Draws the settings bundle's images: the note's two backgrounds (paper, and a light neutral one
// that a colour tints), the hide, delete, export and keyboard icons and the settings row's icon,
// all at scale 2.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"

namespace {

using Drawing = std::function<void(const CGContextRef&, CGSize)>;

bool writeImage(const std::filesystem::path& file, CGSize size, const Drawing& draw) {
    UIGraphicsBeginImageContextWithOptions(size, false, 2);
    draw(UIGraphicsGetCurrentContext(), size);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    auto png = UIImagePNGRepresentation(image);
    if (!png) return false;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png->data()),
              static_cast<std::streamsize>(png->size()));
    return static_cast<bool>(out);
}

// A sheet of note paper with a gummed strip along the top, faint rules and a turned-up corner.
Drawing notePaper(CGFloat red, CGFloat green, CGFloat blue) {
    return [=](const CGContextRef& context, CGSize size) {
        const CGRect paper = CGRectInset(CGRectMake(0, 0, size.width, size.height), 4, 4);
        const CGFloat fold = 26;
        CGContextSetRGBFillColor(context, red, green, blue, 1);
        CGContextMoveToPoint(context, CGRectGetMinX(paper), CGRectGetMinY(paper));
        CGContextAddLineToPoint(context, CGRectGetMaxX(paper), CGRectGetMinY(paper));
        CGContextAddLineToPoint(context, CGRectGetMaxX(paper), CGRectGetMaxY(paper) - fold);
        CGContextAddLineToPoint(context, CGRectGetMaxX(paper) - fold, CGRectGetMaxY(paper));
        CGContextAddLineToPoint(context, CGRectGetMinX(paper), CGRectGetMaxY(paper));
        CGContextClosePath(context);
        CGContextFillPath(context);
        // The gummed strip, a little darker.
        CGContextSetRGBFillColor(context, red * 0.93, green * 0.90, blue * 0.86, 1);
        CGContextFillRect(context,
                          CGRectMake(paper.origin.x, paper.origin.y, paper.size.width, 26));
        // Rules where the text sits.
        CGContextSetRGBStrokeColor(context, red * 0.75, green * 0.72, blue * 0.70, 0.35);
        CGContextSetLineWidth(context, 0.5);
        for (CGFloat y = 56; y < CGRectGetMaxY(paper) - 40; y += 24) {
            CGContextMoveToPoint(context, paper.origin.x + 10, y);
            CGContextAddLineToPoint(context, CGRectGetMaxX(paper) - 10, y);
        }
        CGContextStrokePath(context);
        // The turned-up corner.
        CGContextSetRGBFillColor(context, red * 0.82, green * 0.78, blue * 0.72, 1);
        CGContextMoveToPoint(context, CGRectGetMaxX(paper), CGRectGetMaxY(paper) - fold);
        CGContextAddLineToPoint(context, CGRectGetMaxX(paper) - fold, CGRectGetMaxY(paper) - fold);
        CGContextAddLineToPoint(context, CGRectGetMaxX(paper) - fold, CGRectGetMaxY(paper));
        CGContextClosePath(context);
        CGContextFillPath(context);
    };
}

// A round dark button face for the icons.
void buttonFace(const CGContextRef& context, CGSize size, CGFloat alpha) {
    CGContextSetRGBFillColor(context, 0.15, 0.15, 0.17, alpha);
    CGContextFillEllipseInRect(context,
                               CGRectInset(CGRectMake(0, 0, size.width, size.height), 1, 1));
    CGContextSetRGBStrokeColor(context, 1, 1, 1, 1);
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextSetLineJoin(context, kCGLineJoinRound);
}

void drawHide(const CGContextRef& context, CGSize size) {
    buttonFace(context, size, 0.75);
    const CGFloat cx = size.width / 2, cy = size.height / 2, r = size.width * 0.28;
    CGContextSetLineWidth(context, 2);
    // An eye: two arcs and a pupil.
    CGContextAddArc(context, cx, cy + r * 0.9, r * 1.35, -std::numbers::pi * 0.78,
                    -std::numbers::pi * 0.22, 0);
    CGContextAddArc(context, cx, cy - r * 0.9, r * 1.35, std::numbers::pi * 0.22,
                    std::numbers::pi * 0.78, 0);
    CGContextStrokePath(context);
    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    CGContextFillEllipseInRect(context, CGRectMake(cx - r * 0.35, cy - r * 0.35, r * 0.7, r * 0.7));
}

void drawDelete(const CGContextRef& context, CGSize size) {
    buttonFace(context, size, 0.6);
    const CGFloat inset = size.width * 0.32;
    CGContextSetLineWidth(context, 2);
    CGContextMoveToPoint(context, inset, inset);
    CGContextAddLineToPoint(context, size.width - inset, size.height - inset);
    CGContextMoveToPoint(context, size.width - inset, inset);
    CGContextAddLineToPoint(context, inset, size.height - inset);
    CGContextStrokePath(context);
}

void drawExport(const CGContextRef& context, CGSize size) {
    CGContextSetRGBStrokeColor(context, 0.25, 0.22, 0.18, 1);
    CGContextSetLineWidth(context, 2.5);
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextSetLineJoin(context, kCGLineJoinRound);
    const CGFloat cx = size.width / 2;
    // A tray with an arrow leaving it.
    CGContextMoveToPoint(context, cx - 6, 17);
    CGContextAddLineToPoint(context, cx - 11, 17);
    CGContextAddLineToPoint(context, cx - 11, 32);
    CGContextAddLineToPoint(context, cx + 11, 32);
    CGContextAddLineToPoint(context, cx + 11, 17);
    CGContextAddLineToPoint(context, cx + 6, 17);
    CGContextMoveToPoint(context, cx, 24);
    CGContextAddLineToPoint(context, cx, 7);
    CGContextMoveToPoint(context, cx - 5, 12);
    CGContextAddLineToPoint(context, cx, 7);
    CGContextAddLineToPoint(context, cx + 5, 12);
    CGContextStrokePath(context);
}

void drawKeyboard(const CGContextRef& context, CGSize size) {
    buttonFace(context, size, 0.6);
    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 4; ++key) {
            CGContextFillRect(context, CGRectMake(4.5 + key * 3, 6.5 + row * 3, 2, 2));
        }
    }
    CGContextFillRect(context, CGRectMake(6.5, 12.5, 7, 2));
}

// The settings row's icon: a small yellow note on an amber tile with rounded corners.
void drawIcon(const CGContextRef& context, CGSize size) {
    const CGFloat w = size.width, h = size.height, r = 6.5;
    CGContextSetRGBFillColor(context, 0.98, 0.70, 0.15, 1);
    CGContextMoveToPoint(context, r, 0);
    CGContextAddArcToPoint(context, w, 0, w, h, r);
    CGContextAddArcToPoint(context, w, h, 0, h, r);
    CGContextAddArcToPoint(context, 0, h, 0, 0, r);
    CGContextAddArcToPoint(context, 0, 0, w, 0, r);
    CGContextClosePath(context);
    CGContextFillPath(context);
    // The note, its bottom-right corner turned up.
    CGContextSetRGBFillColor(context, 1.0, 0.96, 0.70, 1);
    CGContextMoveToPoint(context, 5, 5);
    CGContextAddLineToPoint(context, w - 5, 5);
    CGContextAddLineToPoint(context, w - 5, h - 10);
    CGContextAddLineToPoint(context, w - 10, h - 5);
    CGContextAddLineToPoint(context, 5, h - 5);
    CGContextClosePath(context);
    CGContextFillPath(context);
    CGContextSetRGBFillColor(context, 0.85, 0.78, 0.48, 1);
    CGContextMoveToPoint(context, w - 5, h - 10);
    CGContextAddLineToPoint(context, w - 10, h - 10);
    CGContextAddLineToPoint(context, w - 10, h - 5);
    CGContextClosePath(context);
    CGContextFillPath(context);
    // Two lines of writing.
    CGContextSetRGBStrokeColor(context, 0.45, 0.35, 0.20, 1);
    CGContextSetLineWidth(context, 1.2);
    CGContextMoveToPoint(context, 8, 11);
    CGContextAddLineToPoint(context, w - 8, 11);
    CGContextMoveToPoint(context, 8, 15.5);
    CGContextAddLineToPoint(context, w - 12, 15.5);
    CGContextStrokePath(context);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: plakko-bundle-images FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const struct {
        const char* name;
        CGSize size;
        Drawing draw;
    } images[] = {
        {"iphone-plakko@2x.png", {275, 300}, notePaper(1.0, 0.91, 0.49)},
        {"iphone-plakko-black@2x.png", {275, 300}, notePaper(0.93, 0.93, 0.93)},
        {"hide@2x.png", {30, 30}, drawHide},
        {"delete@2x.png", {20, 20}, drawDelete},
        {"export@2x.png", {40, 40}, drawExport},
        {"keyboard@2x.png", {20, 20}, drawKeyboard},
        {"icon@2x.png", {29, 29}, drawIcon},
    };
    for (const auto& image : images) {
        if (!writeImage(folder / image.name, image.size, image.draw)) {
            std::cerr << "plakko-bundle-images: can't write " << (folder / image.name).string()
                      << "\n";
            return 1;
        }
    }
    return 0;
}
