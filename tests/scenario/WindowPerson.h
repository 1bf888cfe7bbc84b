#pragma once

#include <SDL.h>

#include <chrono>
#include <functional>
#include <string>

// A person at a simulator window running in this process, as SDL events pushed from a thread of
// their own while the window's frames take them; positions are window pixels.
namespace WindowPerson {

// Waits for `condition`, looking every 20 ms; false when `limit` passed first.
bool waitFor(const std::function<bool()>& condition, std::chrono::seconds limit);
// Until the window has taken every event pushed so far, and a few frames more for its turns.
void letTheWindowCatchUp();
void pushMouse(Uint32 type, int x, int y);
void pushMouseMotion(int x, int y);
// Down, then up at the same place, each taken by the window before the next.
void pushTap(int x, int y);
void pushText(const std::string& text);
void pushKey(SDL_Keycode key, Uint16 modifiers = KMOD_NONE);

}  // namespace WindowPerson
