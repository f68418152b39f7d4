// modalanswerer.cpp: the modal box answerer; it looks for the active modal widget from the
// event loop the box itself runs.
#include "tests/support/modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProgressDialog>

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton answer, int dialogResult, QObject *parent)
    : QObject(parent), m_answer(answer), m_dialogResult(dialogResult)
{
    // A short interval keeps tests quick; the timer only polls, nothing waits on its period.
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::look);
    m_timer.start();
}

void ModalAnswerer::look()
{
    QWidget *modal = QApplication::activeModalWidget();
    // A progress asks nothing: it ends with its work, and a test may look at it meanwhile.
    if (!modal || qobject_cast<QProgressDialog *>(modal))
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const QString text = box->text();
        m_texts << text;
        m_titles << box->windowTitle();
        m_informativeTexts << box->informativeText();
        m_icons << box->icon();
        ++m_count;
        QAbstractButton *button = box->button(m_answer);
        if (!button)
            button = box->escapeButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().constFirst();
        if (button)
            button->click();
        else
            box->done(m_answer);
        emit answered(text);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        ++m_count;
        dialog->done(m_dialogResult);
        emit answered(QString());
        return;
    }
    ++m_count;
    modal->close();
    emit answered(QString());
}
