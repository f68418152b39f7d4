// qipdot.h: the dot between two octet fields of the IPv4 input widget.
#ifndef ZENTARA_NETWORK_QIPDOT_H
#define ZENTARA_NETWORK_QIPDOT_H

#include <QLabel>

// A "." label painted in the line edits' base colour, so that the compound widget reads as one
// line edit whether it is enabled or not.
class QIpDot final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(QIpDot)
public:
    explicit QIpDot(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateBackground();
};

#endif // ZENTARA_NETWORK_QIPDOT_H
