#pragma once

#include <functional>

#include <QWidget>

#include "KeyBoxScene.h"

/// A paint box of the key windows: it asks its window for the scene to draw, at its current size, at every paint.
class KeyPaintBox : public QWidget
{
    Q_OBJECT

public:
    /// Computes the scene for a paint box (its width sets the box size, it is the device for font metrics).
    using SceneSource = std::function<KeyBoxScene(const QWidget& paintBox)>;

    KeyPaintBox(SceneSource source, QWidget* parent = nullptr);

    KeyBoxScene scene() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SceneSource m_source;
};
