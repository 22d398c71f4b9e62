#include "ColumnSpin.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

ColumnSpin::ColumnSpin(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_minimum(minimum), m_maximum(maximum)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* down = new QToolButton(this);
    down->setObjectName(QStringLiteral("UpDownLeft"));
    down->setArrowType(Qt::LeftArrow);
    down->setAutoRepeat(true);
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("UpDownRight"));
    up->setArrowType(Qt::RightArrow);
    up->setAutoRepeat(true);
    layout->addWidget(down);
    layout->addWidget(up);
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
}

void ColumnSpin::step(int delta)
{
    bool ok = false;
    const int current = m_buddy->text().toInt(&ok);
    const int next = qBound(m_minimum, (ok ? current : m_minimum) + delta, m_maximum);
    m_buddy->setText(QString::number(next));
}
