// modalanswerer.h: answers the modal boxes and dialogs a tested action opens, and records what
// they said, so that a test can run code that blocks in exec().
#ifndef TESTS_SUPPORT_MODALANSWERER_H
#define TESTS_SUPPORT_MODALANSWERER_H

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class ModalAnswerer final : public QObject
{
    Q_OBJECT
public:
    // Watches from construction until destruction. A message box is answered with the given
    // button; one without it with its escape button, else its first button. A progress dialog
    // is left alone; any other dialog is closed with dialogResult.
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok,
                           int dialogResult = QDialog::Rejected, QObject *parent = nullptr);

    // The texts of the message boxes answered so far, in order.
    QStringList texts() const { return m_texts; }
    QStringList titles() const { return m_titles; }
    QStringList informativeTexts() const { return m_informativeTexts; }
    QList<QMessageBox::Icon> icons() const { return m_icons; }
    // Every modal widget answered, message boxes included.
    int count() const { return m_count; }

signals:
    void answered(const QString &text);

private:
    Q_DISABLE_COPY(ModalAnswerer)

    void look();

    QMessageBox::StandardButton m_answer;
    int m_dialogResult;
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_titles;
    QStringList m_informativeTexts;
    QList<QMessageBox::Icon> m_icons;
    int m_count = 0;
};

#endif // TESTS_SUPPORT_MODALANSWERER_H
