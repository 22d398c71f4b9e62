#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

/// The maker's own picture of name (":/maker/icons/NAME.svg"), drawn at 16, 24 and 32 pixels.
QIcon MakerIcon(const QString& name);

/// An SVG resource drawn into a pixmap of size.
QPixmap RenderSvg(const QString& resource, const QSize& size);
