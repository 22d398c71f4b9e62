#include "ToolUnit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "QtCodePage.h"
#include "UiServices.h"

namespace {
constexpr int ButtonHeight = 25;

QFont MemoFont(int points)
{
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
} // namespace

TToolForm::TToolForm(ToolKeys keys, Dialogs* dialogs, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_keys(std::move(keys)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ToolForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Tool"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("ToolMemo"));
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFont(MemoFont(12));
    QPalette pal = m_memo->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    m_memo->setPalette(pal);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("KwLbl1"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("KwLbl2"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setFixedSize(75, ButtonHeight);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    resize(513, m_memoHeight + ButtonHeight + 36);
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().topLeft());
    }
}

void TToolForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_built) {
        return;
    }
    m_built = true;
    const ToolContent content = BuildToolContent(m_keys);
    if (content.built) {
        showContent(content);
    }
}

void TToolForm::showContent(const ToolContent& content)
{
    setWindowTitle(FromCodePage(content.caption));
    m_label1->setText(FromCodePage(content.label1));
    m_label2->setText(FromCodePage(content.label2));
    m_memo->setFont(MemoFont(content.fontPoints));
    m_memoHeight = content.memoHeight;
    m_memoWidth = content.memoWidth;
    resize(content.clientWidth, m_memoHeight + ButtonHeight + 36);
    placeControls();
    if (!content.error.empty()) {
        m_memo->clear();
        m_dialogs->showError(this, QString::fromUtf8(content.error));
        return;
    }
    QStringList lines;
    for (const std::string& line : content.lines) {
        lines.append(FromCodePage(line));
    }
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TToolForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TToolForm::placeControls()
{
    const int h = height();
    m_memo->setGeometry(0, 0, m_memoWidth > 0 ? m_memoWidth : width(), m_memoHeight);
    m_label1->setGeometry(230, h - 47, width() - 230, 20);
    m_label2->setGeometry(230, h - 25, width() - 230, 20);
    m_ok->move(32, h - 5 - ButtonHeight);
}
