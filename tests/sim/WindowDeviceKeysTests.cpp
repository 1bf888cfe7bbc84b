#include <gtest/gtest.h>

#include <SDL.h>

#include <sstream>

#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/ScreenPlacement.h"
#include "sim/SimulatorCommand.h"
#include "sim/WindowInput.h"
#include "tests/sim/LeftoverWindows.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

SDL_Event ctrlKey(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = KMOD_LCTRL;
    return event;
}

TEST(WindowDeviceKeysTest, CtrlKeysLockUnlockRespringAndInstallConvergance) {
    removeLeftoverWindows();
    TemporaryDeviceRoot root;
    std::istringstream script("wait 0.1\n");
    std::ostringstream out, err;
    ASSERT_EQ(runSimulator({"--root", root.path().string(), "--script", "-"}, script, out, err), 0)
        << err.str();
    SpringBoard& springBoard = SpringBoard::shared();
    ASSERT_TRUE(springBoard.isLocked());

    WindowInput input;
    const ScreenPlacement placement({320, 568}, 320, 568);
    const auto handleEvent = [&](const SDL_Event& event) {
        return input.handleEvent(event, placement);
    };
    EXPECT_TRUE(handleEvent(ctrlKey(SDLK_u)));
    EXPECT_FALSE(springBoard.isLocked());
    EXPECT_TRUE(handleEvent(ctrlKey(SDLK_l)));
    EXPECT_TRUE(springBoard.isLocked());

    EXPECT_TRUE(handleEvent(ctrlKey(SDLK_k)));
    EXPECT_TRUE(isConverganceInstalled());
    EXPECT_TRUE(handleEvent(ctrlKey(SDLK_k)));
    EXPECT_FALSE(isConverganceInstalled());

    EXPECT_FALSE(input.respringRequested());
    EXPECT_TRUE(handleEvent(ctrlKey(SDLK_r)));
    EXPECT_TRUE(input.respringRequested());
    EXPECT_FALSE(handleEvent(ctrlKey(SDLK_x))) << "left for the window";
}

}  // namespace
