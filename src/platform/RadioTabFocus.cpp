#include "RadioTabFocus.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {

// Only the checked button keeps the Tab stop; a group with none checked keeps all of them.
void moveTabStop(const QButtonGroup& group)
{
    const QAbstractButton* checked = group.checkedButton();
    for (QAbstractButton* button : group.buttons()) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        const bool tabStop = checked == nullptr || button == checked;
        button->setFocusPolicy(static_cast<Qt::FocusPolicy>(tabStop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

} // namespace

void TabToCheckedButton(QButtonGroup& group)
{
    QObject::connect(&group, &QButtonGroup::buttonToggled, &group, [&group] { moveTabStop(group); });
    moveTabStop(group);
}
