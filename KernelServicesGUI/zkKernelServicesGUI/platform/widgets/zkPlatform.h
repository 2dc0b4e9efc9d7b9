#pragma once

// Screen metrics of the platform the widgets run on. Fixed pixel sizes of the user interface are
// designed for 96 DPI and multiplied by the DPI scales.
class zkPlatform
{
public:
    zkPlatform() = delete;

    static double getDpiScaleX();
    static double getDpiScaleY();

    // Icon sizes in pixels for tree views and for buttons.
    static int getTreeViewIconSizeX();
    static int getTreeViewIconSizeY();
    static int getMediumIconSizeX();
    static int getMediumIconSizeY();
};
