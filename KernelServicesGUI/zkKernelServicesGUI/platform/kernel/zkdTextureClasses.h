#pragma once

// Registers the image and the texture classes with the kernel.
void registerTextureClasses();
