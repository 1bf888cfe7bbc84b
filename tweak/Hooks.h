#pragma once

// Replaces the lock-screen and Notes methods the note needs, by class and selector name, keeping
// each previous implementation. Classes this system lacks are skipped by the hooking layer.
void installHooks();
