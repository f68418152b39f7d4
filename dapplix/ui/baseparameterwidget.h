// The parts every camera setting row shares: its label, its slider and whether a change comes
// from the user.
#ifndef DAPPLIX_UI_BASEPARAMETERWIDGET_H
#define DAPPLIX_UI_BASEPARAMETERWIDGET_H

#include <QObject>
#include <QString>

class QLabel;
class QSlider;
class QWidget;

class BaseParameterWidget : public QObject
{
    Q_OBJECT
public:
    // The row's widgets are children of parent, placed by whoever lays the row out.
    explicit BaseParameterWidget(QWidget *parent);

    QLabel *label() const { return m_label; }
    QSlider *slider() const { return m_slider; }
    // False while the row itself moves its widgets: those moves are not the user's.
    bool isUserChange() const { return m_userChange; }

public slots:
    void setText(const QString &text);

protected:
    QLabel *m_label = nullptr;
    QSlider *m_slider = nullptr;
    bool m_userChange = true;

private:
    Q_DISABLE_COPY(BaseParameterWidget)
};

#endif // DAPPLIX_UI_BASEPARAMETERWIDGET_H
