// The pictures of dapplix's resources as icons, with the sizes drawn for small tool buttons.
#ifndef DAPPLIX_UI_RESOURCEICON_H
#define DAPPLIX_UI_RESOURCEICON_H

#include <QIcon>
#include <QString>

class ResourceIcon final
{
public:
    ResourceIcon() = delete;

    // ":/res/<name>.png", with the 16 and 22 pixel drawings of the same picture, so that menus
    // and small tool bars show them sharp instead of scaled down.
    static QIcon get(const QString &name);
    // ":/res/main.ico", the program's icon.
    static QIcon programIcon();
    // Makes the resources of this library known; the functions above do it themselves.
    static void registerResources();
};

#endif // DAPPLIX_UI_RESOURCEICON_H
