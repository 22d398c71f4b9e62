#include "KeyPaintBox.h"

#include <utility>

#include <QPainter>

KeyPaintBox::KeyPaintBox(SceneSource source, QWidget* parent) : QWidget(parent), m_source(std::move(source)) {}

KeyBoxScene KeyPaintBox::scene() const
{
    return m_source(*this);
}

void KeyPaintBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    PaintKeyBoxScene(painter, scene());
}
