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
    for (const QString& path : paths) {
        auto* entry = new QListWidgetItem(path, this);
        entry->setToolTip(path); // a long path may not fit the list's width
    }
    clearSelection();
    setCurrentRow(-1);
}

namespace {

// Files are only ever copied from the drop: the action is Copy, never Move, so that no file manager deletes a
// puzzle it believes was moved onto the list.
bool acceptAsCopy(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls() || !event->possibleActions().testFlag(Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

void AcnListBox::dragEnterEvent(QDragEnterEvent* event)
{
    acceptAsCopy(event);
}

void AcnListBox::dragMoveEvent(QDragMoveEvent* event)
{
    acceptAsCopy(event);
}

void AcnListBox::dropEvent(QDropEvent* event)
{
    if (acceptAsCopy(event)) {
        Q_EMIT urlsDropped(event->mimeData()->urls());
    }
}
