#pragma once

// Registers the material family with the kernel: the materials and everything they are made of
// (components, textures, environment settings, images), with their properties and couplings.
void registerMaterialClasses();
