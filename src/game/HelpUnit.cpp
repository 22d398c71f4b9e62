#include "HelpUnit.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "PuzzleFile.h"
#include "QtCodePage.h"

namespace {

constexpr int TabRowHeight = 25;
constexpr int TabWidth = 75;

struct HelpTab
{
    const char* caption;
    const char* prefix;
    const char* resource;
};
constexpr HelpTab HelpTabs[] = {
    {"Overview", "", "HELPTEXT"},
    {"Cipher", "Cipher ", "CIPHERTEXT"},
    {"Railfence", "Railfence ", "RAILTEXT"},
    {"Playfair", "Playfair ", "PLAYTEXT"},
    {"Quagmire", "Quagmire ", "QUAGTEXT"},
    {"Vigenere", "Vigenere ", "VIGENTEXT"},
};

// The tab row's tabs are all 75 pixels wide, or as wide as the longest caption needs where the font is larger.
class HelpTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int) const override
    {
        int width = TabWidth;
        for (int i = 0; i < count(); ++i) {
            width = qMax(width, QTabBar::tabSizeHint(i).width());
        }
        return {width, TabRowHeight};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

THelpForm::THelpForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Help for Tessarin"));
    setModal(true);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tabs = new HelpTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabControl1"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    for (const HelpTab& tab : HelpTabs) {
        m_tabs->addTab(QString::fromLatin1(tab.caption));
    }
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    m_close->setFixedSize(75, 25);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tabs, &QTabBar::currentChanged, this, &THelpForm::TabControl1Change);
    resize(678, 458);
}

QString THelpForm::HelpResourceText(const QString& name)
{
    QFile file(QStringLiteral(":/game/help/") + name.toUpper() + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (const std::string& line : SplitPuzzleLines(std::string_view(bytes.constData(), bytes.size()))) {
        lines.append(FromCodePage(line));
    }
    return lines.join(QLatin1Char('\n'));
}

void THelpForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // FormShow: the fixed-pitch font keeps the letter tables in columns; the window opens on the overview.
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_memo->setFont(font);
    m_tabs->setCurrentIndex(0);
    ShowHelpText(QString(), QStringLiteral("HELPTEXT"));
}

void THelpForm::TabControl1Change(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(HelpTabs))) {
        return;
    }
    const HelpTab& tab = HelpTabs[index];
    ShowHelpText(QString::fromLatin1(tab.prefix), QString::fromLatin1(tab.resource));
}

void THelpForm::ShowHelpText(const QString& prefix, const QString& resource)
{
    setWindowTitle(prefix + QStringLiteral("Help for Tessarin"));
    m_memo->clear();
    m_memo->setPlainText(HelpResourceText(resource));
    m_memo->moveCursor(QTextCursor::Start);
}

void THelpForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void THelpForm::placeControls()
{
    const int tabTop = height() - TabRowHeight;
    m_memo->setGeometry(0, 0, width(), tabTop);
    m_tabs->setGeometry(0, tabTop, 520, TabRowHeight);
    m_close->move(525, tabTop);
}
