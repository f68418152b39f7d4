// A label that looks like a link and reports clicks.
#include "dapplix/ui/qclickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

QClickableLabel::QClickableLabel(QWidget *parent) : QClickableLabel(QString(), 0, parent)
{
}

QClickableLabel::QClickableLabel(const QString &text, int id, QWidget *parent)
    : QLabel(text, parent), m_id(id)
{
    setStyleSheet(QStringLiteral("QLabel { color : blue; text-decoration : underline; }"));
    setCursor(Qt::PointingHandCursor);
    // Reachable with the keyboard too: Tab to it, then Space or Return.
    setFocusPolicy(Qt::StrongFocus);
}

void QClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos())) {
        emit clicked(m_id);
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void QClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked(m_id);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
