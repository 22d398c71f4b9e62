#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

/// A framed column of radio buttons with an item index that may also be -1 (no selection), as the option frames
/// of the main window need. clicked() reports clicks by the user only.
class RadioGroup : public QFrame
{
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    /// Selects item index, or nothing for -1 (or any index outside the items).
    void setItemIndex(int index);
    QRadioButton* button(int index) const;

Q_SIGNALS:
    void clicked();

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
};
