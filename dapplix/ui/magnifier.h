// An enlarged view of the pixels around the focus pixel, with the focus pixel framed.
#ifndef DAPPLIX_UI_MAGNIFIER_H
#define DAPPLIX_UI_MAGNIFIER_H

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QSize>

class Magnifier final : public QLabel
{
    Q_OBJECT
public:
    explicit Magnifier(QWidget *parent = nullptr);

    QPoint position() const { return m_position; }
    int zoom() const { return m_zoom; }
    const QImage &image() const { return m_image; }
    // Source pixels shown across and down for the current label size and zoom.
    QSize cells() const;
    // The Bayer colour letter of a sensor position.
    static QString bayerColor(const QPoint &pos);

signals:
    void pixelInfoChanged(QString bayerColor, int value);
    void changePosition(QPoint position);

public slots:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void setPosition(QPoint position);
    void setZoom(int zoom);
    void setImage(const QImage &image);
    void redrawImage();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Q_DISABLE_COPY(Magnifier)

    void emitPixelInfo();

    QPoint m_position{0, 0};
    // The last frame, kept as delivered; only the magnified part is converted to 32 bits.
    QImage m_image;
    int m_zoom = 20;
};

#endif // DAPPLIX_UI_MAGNIFIER_H
