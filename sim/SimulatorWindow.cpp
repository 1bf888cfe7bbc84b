#include "sim/SimulatorWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/SystemLog.h"
#include "platform/ui/views/UIScreen.h"
#include "sim/DeviceScreen.h"
#include "sim/WindowTyping.h"

namespace {

constexpr int kFramesPerSecond = 60;
// What a desktop's title bar and window borders take around the window, in pixels.
constexpr CGFloat kDecorationWidth = 16;
constexpr CGFloat kDecorationHeight = 48;

CGSize screenPoints() {
    return UIScreen::mainScreen().bounds().size;
}

struct WindowSize {
    int width, height;
};

// The window's size for `zoom` on the display that shows `window` (the first display before the
// window exists).
WindowSize windowSizeFor(WindowZoom zoom, SDL_Window* window) {
    SDL_Rect usable{0, 0, 1280, 1024};
    const int display = window != nullptr ? std::max(0, SDL_GetWindowDisplayIndex(window)) : 0;
    SDL_GetDisplayUsableBounds(display, &usable);
    const CGSize room{usable.w - kDecorationWidth, usable.h - kDecorationHeight};
    const CGSize points = screenPoints();
    const ZoomFactor factor = zoomFactor(zoom, points, UIScreen::mainScreen().scale(), room);
    if (!factor.asAsked) {
        NSLog("the " + std::string(windowZoomName(zoom)) +
              " zoom is too large for the display; the window fits the screen to it instead");
    }
    return {static_cast<int>(std::lround(points.width * factor.windowPixelsPerPoint)),
            static_cast<int>(std::lround(points.height * factor.windowPixelsPerPoint))};
}

[[noreturn]] void failWithSDLError(const std::string& what) {
    throw std::runtime_error(what + ": " + SDL_GetError());
}

// SDL falls back to drivers that show nothing when no display answers; a window there would run
// unseen until killed. They are used only when asked for by name (SDL_VIDEODRIVER).
bool isUnseenFallback(std::string_view driver) {
    return std::getenv("SDL_VIDEODRIVER") == nullptr &&
           (driver == "offscreen" || driver == "dummy");
}

}  // namespace

SimulatorWindow::VideoSubsystem::VideoSubsystem() {
    // Termination signals are the simulator's own (TerminationSignals), not SDL's quit events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) failWithSDLError("SDL can't start its video");
    const std::string driver = SDL_GetCurrentVideoDriver();
    if (isUnseenFallback(driver)) {
        SDL_Quit();
        throw std::runtime_error("SDL found no display, only its " + driver + " driver");
    }
}

SimulatorWindow::VideoSubsystem::~VideoSubsystem() {
    SDL_Quit();
}

void SimulatorWindow::SDLDeleter::operator()(SDL_Window* window) const {
    SDL_DestroyWindow(window);
}

void SimulatorWindow::SDLDeleter::operator()(SDL_Renderer* renderer) const {
    SDL_DestroyRenderer(renderer);
}

void SimulatorWindow::SDLDeleter::operator()(SDL_Texture* texture) const {
    SDL_DestroyTexture(texture);
}

SimulatorWindow::SimulatorWindow(DeviceScreen& screen, Settings settings)
    : screen_(screen), settings_(std::move(settings)), zoom_(settings_.zoom) {
    const WindowSize size = windowSizeFor(zoom_, nullptr);
    window_.reset(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.width,
                                   size.height, SDL_WINDOW_RESIZABLE));
    if (!window_) failWithSDLError("SDL can't open a window");
    updateTitle();
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_) failWithSDLError("SDL can't draw in its window");
    placement_.emplace(screenPoints(), size.width, size.height);
    const Compositor& compositor = screen_.compositor();
    texture_.reset(SDL_CreateTexture(
        renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
        static_cast<int>(compositor.pixelWidth()), static_cast<int>(compositor.pixelHeight())));
    if (!texture_) failWithSDLError("SDL can't make the screen's texture");
    // The screen's pixels are seldom one to one with the window's: filtered, never dropped.
    SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeBest);
}

SimulatorWindow::~SimulatorWindow() = default;

void SimulatorWindow::run() {
    const Uint64 ticksPerSecond = SDL_GetPerformanceFrequency();
    const Uint64 ticksPerFrame = ticksPerSecond / kFramesPerSecond;
    Uint64 nextFrame = SDL_GetPerformanceCounter();
    while (runFrame()) {
        nextFrame += ticksPerFrame;
        const Uint64 now = SDL_GetPerformanceCounter();
        if (now < nextFrame) {
            SDL_Delay(static_cast<Uint32>((nextFrame - now) * 1000 / ticksPerSecond));
        } else {
            nextFrame = now;  // behind: start afresh rather than rush to catch up
        }
    }
}

void SimulatorWindow::updateTitle() {
    std::string title = settings_.title ? settings_.title() : std::string();
    if (title == title_) return;
    title_ = std::move(title);
    SDL_SetWindowTitle(window_.get(), title_.c_str());
}

bool SimulatorWindow::runFrame() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!handleEvent(event)) return false;
    }
    if (input_.respringRequested()) return false;
    NSRunLoop::mainRunLoop().runOneTurn();
    updateTitle();
    if (screen_.render()) {
        const Compositor& compositor = screen_.compositor();
        // The compositor's native words, 0xAARRGGBB, are SDL's ARGB8888.
        SDL_UpdateTexture(texture_.get(), nullptr, compositor.pixels(),
                          static_cast<int>(compositor.pixelWidth() * sizeof(std::uint32_t)));
        needsPresent_ = true;
    }
    if (needsPresent_) {
        drawScreen();
        SDL_RenderPresent(renderer_.get());
        needsPresent_ = false;
    }
    return true;
}

bool SimulatorWindow::handleEvent(const SDL_Event& event) {
    if (input_.handleEvent(event, *placement_) || handleTypingEvent(event, recorder_) ||
        handleZoomKey(event)) {
        return true;
    }
    switch (event.type) {
        case SDL_QUIT:
            return false;
        case SDL_KEYDOWN:
            return event.key.keysym.sym != SDLK_ESCAPE;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                placement_->setWindowSize(event.window.data1, event.window.data2);
            // Uncovered or resized: the window's old picture is gone.
            needsPresent_ = true;
            return true;
        default:
            return true;
    }
}

bool SimulatorWindow::handleZoomKey(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN || !(event.key.keysym.mod & KMOD_CTRL)) return false;
    const SDL_Keycode key = event.key.keysym.sym;
    if (key != SDLK_1 && key != SDLK_2 && key != SDLK_3) return false;
    if (event.key.repeat) return true;
    const WindowZoom zoom = key == SDLK_1   ? WindowZoom::Point
                            : key == SDLK_2 ? WindowZoom::Pixel
                                            : WindowZoom::Fit;
    setZoom(zoom);
    if (settings_.zoomPicked) settings_.zoomPicked(zoom);
    return true;
}

void SimulatorWindow::setZoom(WindowZoom zoom) {
    zoom_ = zoom;
    const WindowSize size = windowSizeFor(zoom, window_.get());
    SDL_SetWindowSize(window_.get(), size.width, size.height);
    placement_->setWindowSize(size.width, size.height);
    needsPresent_ = true;
}

void SimulatorWindow::record(std::shared_ptr<ScriptRecorder> recorder) {
    input_.record(recorder);
    recorder_ = std::move(recorder);
}

void SimulatorWindow::drawScreen() {
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    const ScreenPlacement::PixelRect& placed = placement_->screenRect();
    const SDL_Rect target{placed.x, placed.y, placed.width, placed.height};
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
}

CGImageRef SimulatorWindow::contentsForTesting() {
    // Drawn again rather than read after presenting: a presented buffer's contents are undefined.
    drawScreen();
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                         width * static_cast<int>(sizeof(std::uint32_t)));
    return std::make_shared<CGImage>(width, height, std::move(pixels), true);
}
