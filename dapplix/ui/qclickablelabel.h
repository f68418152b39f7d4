// A label that looks like a link and reports clicks.
#ifndef DAPPLIX_UI_QCLICKABLELABEL_H
#define DAPPLIX_UI_QCLICKABLELABEL_H

#include <QLabel>

class QClickableLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit QClickableLabel(QWidget *parent = nullptr);
    QClickableLabel(const QString &text, int id, QWidget *parent = nullptr);

    // The number the label reports with each click, so one slot can serve several labels.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

signals:
    void clicked(int id);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Q_DISABLE_COPY(QClickableLabel)

    int m_id = 0;
};

#endif // DAPPLIX_UI_QCLICKABLELABEL_H
