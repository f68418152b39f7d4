// statusline.h: the main window's status text and busy indicator, shared by three writers.
#ifndef ZENTARA_SHELL_STATUSLINE_H
#define ZENTARA_SHELL_STATUSLINE_H

#include <QColor>
#include <QObject>
#include <QString>

#include <cstdint>

class QLabel;
class QMovie;

// Writers, by priority: a running firmware upload holds the line with its own sentence; the
// daemons' warning replaces the camera's sentence; the selected camera's sentence shows below a
// notice, an answer to what the user did that outlasts the sentence.
class StatusLine final : public QObject
{
    Q_OBJECT
public:
    static constexpr uint32_t noDevice = 0xFFFFFFFFu;

    // The text label and the busy label, which shows the animation; both stay the caller's.
    StatusLine(QLabel *text, QLabel *busy, QObject *parent);

    // The selected camera's sentence, below the notice; busy shows the animation.
    void showSentence(const QString &text, const QColor &colour, bool busy);
    // Rich text in place of everything else (the daemons' warning).
    void showRichText(const QString &richText);

    // A notice about deviceId (noDevice: about no camera), shown above the sentences until it is
    // cleared or, for a device, until another camera is selected.
    void setNotice(const QString &text, const QColor &colour, uint32_t deviceId);
    void clearNotice();
    // Drops a notice about a device other than the selected one (noDevice: none selected).
    void followSelection(uint32_t selectedDevice);

    // While held, the line keeps what it shows; release() lets the writers in again.
    void hold() { m_held = true; }
    void release() { m_held = false; }
    bool isHeld() const { return m_held; }

private:
    QLabel *m_text;
    QLabel *m_busy;
    QMovie *m_movie;
    QString m_notice;
    uint32_t m_noticeDevice = noDevice;
    bool m_held = false;
};

#endif // ZENTARA_SHELL_STATUSLINE_H
