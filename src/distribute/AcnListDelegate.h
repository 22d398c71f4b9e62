#pragma once

#include <QFont>
#include <QStyledItemDelegate>

/// Draws one path of the distribution list: 2 pixels from the row's left edge, black, or white on the system's
/// selection colour when selected. A row is the font's text height plus 4 pixels.
class AcnListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit AcnListDelegate(QFont font, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// The row height for this font: the height of "M" plus 4.
    static int RowHeight(const QFont& font);

private:
    QFont m_font;
};
