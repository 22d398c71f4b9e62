#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTabBar;

/// The help window: six help texts, one at a time, chosen with tabs along the bottom.
class THelpForm : public QDialog
{
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent);

    QPlainTextEdit* memo() const { return m_memo; }
    QTabBar* tabs() const { return m_tabs; }

    /// The text of a help resource (HELPTEXT, CIPHERTEXT, RAILTEXT, PLAYTEXT, QUAGTEXT or VIGENTEXT), looked up
    /// without regard to case; empty for an unknown name.
    static QString HelpResourceText(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void TabControl1Change(int index);
    void ShowHelpText(const QString& prefix, const QString& resource);
    void placeControls();

    QPlainTextEdit* m_memo = nullptr;
    QTabBar* m_tabs = nullptr;
    QPushButton* m_close = nullptr;
};
