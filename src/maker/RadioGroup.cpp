#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "RadioTabFocus.h"

RadioGroup::RadioGroup(const QString& objectName, const QStringList& items, QWidget* parent)
    : QFrame(parent), m_group(new QButtonGroup(this))
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + QStringLiteral("Item%1").arg(i));
        m_group->addButton(button, i);
        m_buttons.append(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    TabToCheckedButton(*m_group);
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons[index]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button, so exclusivity is lifted for the moment.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_buttons) {
        button->setChecked(false);
    }
    m_group->setExclusive(true);
}

QRadioButton* RadioGroup::button(int index) const
{
    return m_buttons.value(index);
}
