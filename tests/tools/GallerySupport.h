#pragma once

#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "platform/foundation/Clock.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/views/UIScreen.h"

// What the gallery tools share: the command line (one output folder), virtual time, a screen of
// the gallery's size, and one PNG per look.

// Writes the screen to FOLDER/NAME.png and prints its path; false, saying so, when it can't.
inline bool writeGalleryScreen(const Compositor& compositor, const std::filesystem::path& folder,
                               const std::string& name, std::string_view tool) {
    const auto path = folder / (name + ".png");
    if (!PNGCodec::writeFile(*compositor.snapshot(), path.string())) {
        std::cerr << tool << ": could not write " << path << "\n";
        return false;
    }
    std::cout << path.string() << "\n";
    return true;
}

// Runs `renderAll` with the output folder made; the exit status of the tool.
inline int runGallery(int argc, char** argv, std::string_view tool, CGSize screen, CGFloat scale,
                      const std::function<bool(const std::filesystem::path&)>& renderAll) {
    if (argc != 2) {
        std::cerr << "usage: " << tool << " OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    Clock::setCurrent(std::make_shared<VirtualClock>());
    UIScreen::mainScreen().configure(screen, scale);
    return renderAll(folder) ? 0 : 1;
}
