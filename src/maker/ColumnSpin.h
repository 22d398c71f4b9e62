#pragma once

#include <QWidget>

class QLineEdit;

/// A horizontal up-down pair beside a number edit: the left arrow lowers, the right arrow raises the edit's
/// number within [minimum, maximum]. A text that is not a number counts as the minimum.
class ColumnSpin : public QWidget
{
    Q_OBJECT
public:
    ColumnSpin(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    void step(int delta);

private:
    QLineEdit* m_buddy;
    int m_minimum;
    int m_maximum;
};
