#pragma once

#include <memory>
#include <string>

#include "platform/graphics/CGImage.h"
#include "sim/WindowInput.h"

class DeviceScreen;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

// The device's screen in a desktop window, in real time at 60 frames a second. Each frame takes
// the window's events, runs one turn of the main run loop and, when the screen changed, shows it.
// One window pixel per screen point, screens too tall for a 1080-line display scaled down to
// fit; the window can be resized and keeps the screen's proportions. Main thread only; the
// window owns SDL (initialised with its video) while it is open.
class SimulatorWindow {
public:
    // Throws std::runtime_error with SDL's reason when no window can be opened.
    SimulatorWindow(DeviceScreen& screen, const std::string& title);
    ~SimulatorWindow();
    SimulatorWindow(const SimulatorWindow&) = delete;
    SimulatorWindow& operator=(const SimulatorWindow&) = delete;

    // Runs frames until the window is closed, Escape is pressed or a respring is asked for.
    void run();
    bool respringRequested() const { return input_.respringRequested(); }
    // One frame; false once the person asked to quit.
    bool runFrame();

    // What the window shows, in its own pixels.
    CGImageRef contentsForTesting();

private:
    struct VideoSubsystem {
        VideoSubsystem();
        ~VideoSubsystem();
    };
    struct SDLDeleter {
        void operator()(SDL_Window* window) const;
        void operator()(SDL_Renderer* renderer) const;
        void operator()(SDL_Texture* texture) const;
    };

    // False when the event asks to quit.
    bool handleEvent(const SDL_Event& event);
    void drawScreen();

    DeviceScreen& screen_;
    VideoSubsystem video_;
    std::unique_ptr<SDL_Window, SDLDeleter> window_;
    std::unique_ptr<SDL_Renderer, SDLDeleter> renderer_;
    std::unique_ptr<SDL_Texture, SDLDeleter> texture_;
    bool needsPresent_ = true;
    // The mouse as a finger, and the device's keys.
    WindowInput input_;
};
