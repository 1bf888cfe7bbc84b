#pragma once

#include <memory>
#include <vector>

#include <nlohmann/json.hpp>

class UIScreen;
class UIWindow;

// The screen and its windows' view trees, for scripts and bug reports:
//   {"screen": {"width": W, "height": H, "scale": S}, "windows": [VIEW, ...]}
//   VIEW = {"class": NAME, "frame": [x, y, w, h], "alpha": A, "hidden": B,
//           "text": T (text-bearing views only, see ViewTextRegistry),
//           "image": FILE (image views showing an image loaded from a file),
//           fields of some view classes (see ViewDumpFields),
//           "subviews": [VIEW, ...]}
// Frames are in the superview's coordinates, frames and alphas model values; windows and subviews
// back to front.
nlohmann::ordered_json viewTreeDump(const UIScreen& screen,
                                    const std::vector<std::shared_ptr<UIWindow>>& windows);
