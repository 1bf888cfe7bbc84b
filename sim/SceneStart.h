#pragma once

#include <memory>

#include "sim/SimulatorOptions.h"

class SampleScene;

// Starts what the device runs (SimulatorOptions::Scene); the sample scene is on screen while the
// returned object lives. SpringBoard opens its apps in processes of the options' app program.
std::shared_ptr<SampleScene> startScene(const SimulatorOptions& options);

// The scenes that are one app: Settings and Notes.
bool isAppScene(SimulatorOptions::Scene scene);
// Starts the app of an app scene in this process, over a device root its deliverables are
// installed in already (an app's process, whose SpringBoard installed them).
void launchApp(const SimulatorOptions& options);
