// Icons from dapplix's resources.
#include "dapplix/ui/resourceicon.h"

#include <QFile>

void ResourceIcon::registerResources()
{
    // A static library's resources are only linked when something names them.
    Q_INIT_RESOURCE(dapplix_ui);
}

QIcon ResourceIcon::get(const QString &name)
{
    registerResources();
    QIcon icon(QStringLiteral(":/res/%1.png").arg(name));
    for (int size : {16, 22}) {
        const QString small = QStringLiteral(":/res/%1/%2.png").arg(size).arg(name);
        if (QFile::exists(small))
            icon.addFile(small, QSize(size, size));
    }
    return icon;
}

QIcon ResourceIcon::programIcon()
{
    registerResources();
    return QIcon(QStringLiteral(":/res/main.ico"));
}
