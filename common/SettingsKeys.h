#pragma once

// The preference domain both deliverables share, its file, and every key it holds.
namespace Settings {

inline constexpr char kDomain[] = "com.ovamo.plakko";
inline constexpr char kFile[] = "/var/mobile/Library/Preferences/com.ovamo.plakko.plist";

namespace Key {
inline constexpr char enabled[] = "enabled";
inline constexpr char fontSize[] = "fontSize";
inline constexpr char alpha[] = "alpha";
inline constexpr char duration[] = "duration";
inline constexpr char animation[] = "animation";
inline constexpr char text[] = "Text";
inline constexpr char x[] = "X";
inline constexpr char y[] = "Y";
inline constexpr char hidden[] = "hidden";
inline constexpr char passEnabled[] = "passEnabled";
inline constexpr char pass[] = "pass";
inline constexpr char lockTitle[] = "lockTitle";
inline constexpr char lockMessage[] = "lockMessage";
inline constexpr char settingsTitle[] = "settingsTitle";
inline constexpr char settingsMessage[] = "settingsMessage";
inline constexpr char sizeiPhone[] = "sizeiPhone";
inline constexpr char xoff[] = "xoff";
inline constexpr char yoff[] = "yoff";
inline constexpr char color[] = "color";
inline constexpr char redPlakko[] = "red_plakko";
inline constexpr char greenPlakko[] = "green_plakko";
inline constexpr char bluePlakko[] = "blue_plakko";
inline constexpr char alphaFPlakko[] = "alphaF_plakko";
inline constexpr char colorFont[] = "color_font";
inline constexpr char red[] = "red";
inline constexpr char green[] = "green";
inline constexpr char blue[] = "blue";
inline constexpr char alphaF[] = "alphaF";
}  // namespace Key

}  // namespace Settings
