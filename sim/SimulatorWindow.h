#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/CGImage.h"
#include "sim/ScreenPlacement.h"
#include "sim/WindowInput.h"
#include "sim/WindowZoom.h"

class DeviceScreen;
class ScriptRecorder;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

// The device's screen in a desktop window, in real time at 60 frames a second. Each frame takes
// the window's events, runs one turn of the main run loop and, when the screen changed, shows it.
// The zoom sets the window's size (Ctrl+1 point, Ctrl+2 pixel, Ctrl+3 fit); the person may resize
// it, and the screen is scaled smoothly to the window, its proportions kept. Main thread only;
// the window owns SDL (initialised with its video) while it is open.
class SimulatorWindow {
public:
    // How the window opens.
    struct Settings {
        // Asked each frame: the title follows what the device shows.
        std::function<std::string()> title;
        WindowZoom zoom = WindowZoom::Point;
        // Told each zoom the person picks with Ctrl+1, Ctrl+2 or Ctrl+3.
        std::function<void(WindowZoom)> zoomPicked;
    };

    // Throws std::runtime_error with SDL's reason when no window can be opened.
    SimulatorWindow(DeviceScreen& screen, Settings settings);
    ~SimulatorWindow();
    SimulatorWindow(const SimulatorWindow&) = delete;
    SimulatorWindow& operator=(const SimulatorWindow&) = delete;

    // Runs frames until the window is closed, Escape is pressed or a respring is asked for.
    void run();
    bool respringRequested() const { return input_.respringRequested(); }
    // One frame; false once the person asked to quit.
    bool runFrame();

    // Sizes the window for `zoom`; a point or pixel zoom too large for the display fits instead,
    // saying so in the log.
    void setZoom(WindowZoom zoom);
    WindowZoom zoom() const { return zoom_; }

    // From now on what the person does to the device is told to `recorder`.
    void record(std::shared_ptr<ScriptRecorder> recorder);

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
    // True for Ctrl+1, Ctrl+2 and Ctrl+3.
    bool handleZoomKey(const SDL_Event& event);
    void drawScreen();
    void updateTitle();

    DeviceScreen& screen_;
    Settings settings_;
    VideoSubsystem video_;
    WindowZoom zoom_;
    std::string title_;
    std::unique_ptr<SDL_Window, SDLDeleter> window_;
    std::unique_ptr<SDL_Renderer, SDLDeleter> renderer_;
    std::unique_ptr<SDL_Texture, SDLDeleter> texture_;
    std::optional<ScreenPlacement> placement_;
    std::shared_ptr<ScriptRecorder> recorder_;
    bool needsPresent_ = true;
    // The mouse as a finger, and the device's keys.
    WindowInput input_;
};
