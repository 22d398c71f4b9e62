#include "AcnListBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "AcnListDelegate.h"

AcnListBox::AcnListBox(QWidget* parent) : QListWidget(parent)
{
    QFont listFont(QStringLiteral("Tahoma"), 9);
    setFont(listFont);
    setItemDelegate(new AcnListDelegate(listFont, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white); // the rows draw black text
    setPalette(colours);
}

QStringList AcnListBox::Paths() const
{
    QStringList paths;
    for (int i = 0; i < count(); ++i) {
        paths.append(item(i)->text());
    }
    return paths;
}

void AcnListBox::SetPaths(const QStringList& paths)
{
    clear();
    addItems(paths);
    clearSelection();
    setCurrentRow(-1);
}

void AcnListBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void AcnListBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void AcnListBox::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT urlsDropped(event->mimeData()->urls());
}
