#include "sim/WheelCommand.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>

#include "platform/graphics/PNGCodec.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/ColorPickerView.h"

namespace {

constexpr char kUsage[] =
    "usage: plakko-sim wheel DIAMETER [--scale S] [--padding P] -o FILE.png\n";

struct Options {
    double diameter = 0;
    double scale = 2;
    double padding = ColorPickerView::paddingDistance;
    std::string output;
};

std::optional<double> parseNumber(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Null with the reason on `err` when the arguments are not a valid request.
std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::ostream& err) {
    Options options;
    std::optional<double> diameter;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-o" && hasValue) {
            options.output = arguments[++i];
        } else if ((argument == "--scale" || argument == "--padding") && hasValue) {
            const auto value = parseNumber(arguments[++i]);
            if (!value) {
                err << "plakko-sim wheel: " << argument << " needs a number\n";
                return std::nullopt;
            }
            (argument == "--scale" ? options.scale : options.padding) = *value;
        } else if (!diameter && !argument.starts_with("-")) {
            diameter = parseNumber(argument);
            if (!diameter) {
                err << "plakko-sim wheel: \"" << argument << "\" is not a diameter\n";
                return std::nullopt;
            }
        } else {
            err << "plakko-sim wheel: unexpected \"" << argument << "\"\n";
            return std::nullopt;
        }
    }
    if (!diameter || options.output.empty()) return std::nullopt;
    if (*diameter <= 0 || options.scale <= 0) {
        err << "plakko-sim wheel: the diameter and the scale must be greater than 0\n";
        return std::nullopt;
    }
    options.diameter = *diameter;
    return options;
}

}  // namespace

int runWheelCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    const auto options = parseOptions(arguments, err);
    if (!options) {
        err << kUsage;
        return 2;
    }
    const auto wheel = ColorPickerView::bitmapForDiameter_scale_padding_shouldCache(
        options->diameter, options->scale, options->padding, false);
    if (!wheel) {
        err << "plakko-sim wheel: can't make a wheel of " << options->diameter * options->scale
            << " pixels with " << options->padding * options->scale << " pixels of padding\n";
        return 1;
    }
    const CGImageRef image = wheel->CGImage();
    if (!image || !PNGCodec::writeFile(*image, options->output)) {
        err << "plakko-sim wheel: can't write " << options->output << "\n";
        return 1;
    }
    out << "wrote a wheel of " << CGImageGetWidth(image) << " × " << CGImageGetHeight(image)
        << " pixels to " << options->output << "\n";
    return 0;
}
