#include "zentara/shell/statusline.h"

#include "vyrokit/richtext.h"

#include <QLabel>
#include <QMovie>

StatusLine::StatusLine(QLabel *text, QLabel *busy, QObject *parent)
    : QObject(parent), m_text(text), m_busy(busy),
      m_movie(new QMovie(QStringLiteral(":/images/indicator.gif"), QByteArray(), this))
{
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_busy->setMovie(m_movie);
    m_busy->hide();
}

void StatusLine::showSentence(const QString &text, const QColor &colour, bool busy)
{
    if (m_held)
        return;
    const QString sentence = vyrokit::RichText::coloured(colour, text);
    m_text->setText(m_notice.isEmpty() ? sentence : m_notice + QStringLiteral("<br/>") + sentence);
    m_busy->setVisible(busy);
    if (busy)
        m_movie->start();
    else
        m_movie->stop();
}

void StatusLine::showRichText(const QString &richText)
{
    if (!m_held)
        m_text->setText(richText);
}

void StatusLine::setNotice(const QString &text, const QColor &colour, uint32_t deviceId)
{
    m_notice = vyrokit::RichText::coloured(colour, text);
    m_noticeDevice = deviceId;
}

void StatusLine::clearNotice()
{
    m_notice.clear();
}

void StatusLine::followSelection(uint32_t selectedDevice)
{
    if (m_noticeDevice != noDevice && m_noticeDevice != selectedDevice)
        m_notice.clear();
}
