#pragma once

#include <QList>
#include <QListWidget>
#include <QUrl>

/// The distribution dialog's list of puzzle paths: single selection, owner-drawn rows (AcnListDelegate), and a
/// target for files dropped from the file manager (text/uri-list), which it hands on as urlsDropped.
class AcnListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit AcnListBox(QWidget* parent = nullptr);

    /// The paths in list order.
    QStringList Paths() const;
    /// Replaces the entries by paths, keeping the selection empty.
    void SetPaths(const QStringList& paths);

Q_SIGNALS:
    void urlsDropped(const QList<QUrl>& urls);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
