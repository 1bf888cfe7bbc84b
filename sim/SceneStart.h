#pragma once

#include <memory>

class SampleScene;
struct SimulatorOptions;

// Starts what the device runs (SimulatorOptions::Scene); the sample scene is on screen while the
// returned object lives. SpringBoard opens its apps in processes of the options' app program.
std::shared_ptr<SampleScene> startScene(const SimulatorOptions& options);
