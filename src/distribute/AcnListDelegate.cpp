#include "AcnListDelegate.h"

#include <QFontMetrics>
#include <QPainter>

AcnListDelegate::AcnListDelegate(QFont font, QObject* parent) : QStyledItemDelegate(parent), m_font(std::move(font)) {}

int AcnListDelegate::RowHeight(const QFont& font)
{
    // The text height of "M" is the font's line height, as for every other character.
    return QFontMetrics(font).height() + 4;
}

void AcnListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    if (selected) {
        painter->fillRect(option.rect, option.palette.color(QPalette::Active, QPalette::Highlight));
    }
    painter->setFont(m_font);
    painter->setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    const QRect text = option.rect.adjusted(2, 0, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize AcnListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4, RowHeight(m_font)};
}
