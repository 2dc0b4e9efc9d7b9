#pragma once

// Registers the sub-objects that material kinds share (common settings, raytracing, clearcoats,
// flake layers, incandescence ...) with the kernel.
void registerMaterialComponentClasses();
