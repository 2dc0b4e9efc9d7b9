#pragma once

class QIcon;

// Icons that many views share.
class zkIconCache
{
public:
    zkIconCache() = delete;

    static QIcon getFilterIcon();
    static QIcon getMenuArrowIcon();
    static QIcon getHierarchyIcon();
    static QIcon getMaterialTagIcon();
};
