// boxanswerer.h: answers the message boxes a window action opens while leaving its progress
// dialogs alone, and records their texts.
#ifndef TESTS_ZENTARA_SHELL_BOXANSWERER_H
#define TESTS_ZENTARA_SHELL_BOXANSWERER_H

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class BoxAnswerer final : public QObject
{
    Q_OBJECT
public:
    BoxAnswerer()
    {
        // The timer only polls; nothing waits on its period.
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::look);
        m_timer.start();
    }

    QStringList texts() const { return m_texts; }
    QStringList titles() const { return m_titles; }
    QList<QMessageBox::Icon> icons() const { return m_icons; }

signals:
    void answered();

private:
    void look()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            m_texts << box->text();
            m_titles << box->windowTitle();
            m_icons << box->icon();
            box->done(QMessageBox::Ok);
            emit answered();
        }
    }

    QTimer m_timer;
    QStringList m_texts;
    QStringList m_titles;
    QList<QMessageBox::Icon> m_icons;
};

#endif // TESTS_ZENTARA_SHELL_BOXANSWERER_H
