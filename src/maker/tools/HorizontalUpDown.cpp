#include "HorizontalUpDown.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

namespace {

QToolButton* arrowButton(const QString& icon, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(icon));
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

HorizontalUpDown::HorizontalUpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum),
      m_previous(arrowButton(QStringLiteral(":/tools/arrow-left.svg"), QStringLiteral("previousButton"), this)),
      m_next(arrowButton(QStringLiteral(":/tools/arrow-right.svg"), QStringLiteral("nextButton"), this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    connect(m_previous, &QToolButton::clicked, this, [this] { step(false); });
    connect(m_next, &QToolButton::clicked, this, [this] { step(true); });
    updateArrows();
}

bool HorizontalUpDown::step(bool next)
{
    const int target = m_position + (next ? 1 : -1);
    if (target < m_minimum || target > m_maximum) {
        return false;
    }
    m_position = target;
    updateArrows();
    Q_EMIT clicked(next);
    return true;
}

void HorizontalUpDown::updateArrows()
{
    m_previous->setEnabled(m_position > m_minimum);
    m_next->setEnabled(m_position < m_maximum);
}
