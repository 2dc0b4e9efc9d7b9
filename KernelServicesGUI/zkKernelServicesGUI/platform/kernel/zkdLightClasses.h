#pragma once

// Registers the light nodes and their sub-objects (after the lens-flare classes) and the light
// enumerations, with the couplings of their values: the intensity follows the unit, a light
// texture's image switches it on, a ray file's name reads the file.
void registerLightClasses();
