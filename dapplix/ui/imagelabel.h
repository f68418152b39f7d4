// The display's image label: paints only the part of the scaled image that is exposed.
#ifndef DAPPLIX_UI_IMAGELABEL_H
#define DAPPLIX_UI_IMAGELABEL_H

#include <QImage>
#include <QLabel>

class DisplayRenderer;

class ImageLabel final : public QLabel
{
    Q_OBJECT
public:
    // The renderer is borrowed and outlives the label.
    explicit ImageLabel(DisplayRenderer &renderer, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(ImageLabel)

    DisplayRenderer &m_renderer;
    QImage m_part; // reused from paint to paint
};

#endif // DAPPLIX_UI_IMAGELABEL_H
