#pragma once

// Registers the scene classes: nodes (with the lights and lens flares), cameras, scene plates,
// the other scene objects, variant sets and actions, and the scene enumerations. Runs after the
// material classes, whose images and materials some scene properties hold.
void registerSceneClasses();
