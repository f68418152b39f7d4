// qipdot.cpp: the dot label of the IPv4 input widget.
#include "zentara/network/qipdot.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>

QIpDot::QIpDot(QWidget *parent) : QLabel(QStringLiteral("."), parent)
{
    updateBackground();
}

void QIpDot::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        updateBackground();
    QLabel::changeEvent(event);
}

void QIpDot::updateBackground()
{
    const QPalette palette = QApplication::palette("QLineEdit");
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Inactive;
    setStyleSheet(QStringLiteral("background: ") + palette.color(group, QPalette::Base).name());
}
