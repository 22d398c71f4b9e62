#include "MakerIcons.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

QPixmap RenderSvg(const QString& resource, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon MakerIcon(const QString& name)
{
    QIcon icon;
    const QString resource = QStringLiteral(":/maker/icons/%1.svg").arg(name);
    for (int side : {16, 24, 32}) {
        icon.addPixmap(RenderSvg(resource, QSize(side, side)));
    }
    return icon;
}
