// The live image in the centre of the editor: scrollable, zoomable, with the hot pixels marked.
#ifndef DAPPLIX_UI_DISPLAYWIDGET_H
#define DAPPLIX_UI_DISPLAYWIDGET_H

#include "dapplix/camera/imageinfo.h"
#include "dapplix/ui/displayrenderer.h"

#include <QImage>
#include <QItemSelectionModel>
#include <QPoint>
#include <QPointer>
#include <QScrollArea>

class BadpixelListModel;
class ImageLabel;
class QLabel;

class DisplayWidget final : public QScrollArea
{
    Q_OBJECT
public:
    explicit DisplayWidget(QWidget *parent = nullptr);
    ~DisplayWidget() override;

    // The list whose entries are marked and clicked; borrowed.
    void setModel(BadpixelListModel *model);
    BadpixelListModel *model() const { return m_model; }
    QItemSelectionModel *selectionModel() const { return m_selectionModel; }

    const QImage &image() const { return m_renderer.image(); }
    double scale() const { return m_scale; }
    bool highlight() const { return m_highlight; }
    QPoint magnifierPosition() const { return m_magnifierPos; }
    ImageInfo bufferSize() const { return m_info; }
    // The label the image is drawn on; the window shows and hides it with the camera.
    QLabel *imageLabel() const;
    void setImageAreaVisible(bool visible);
    // A sentence shown in the middle of the image area (empty: none), e.g. while the camera is
    // away.
    void setMessage(const QString &text);
    QString message() const;
    // Scrolls the sensor pixel into view; a pixel in view already leaves the image where it is,
    // so that the user's next click lands where it was aimed.
    void ensurePixelVisible(QPoint pixel);
    // The scaled image as a whole, painted the straightforward way; the label shows the same
    // pixels part by part.
    QImage renderedImage() const { return m_renderer.renderFull(); }

signals:
    void positionClicked(QPoint position);
    void scaleChanged(double scale);

public slots:
    void setBufferSize(ImageInfo info);
    void setImage(const QImage &image);
    void clear();
    void redrawImage();
    void setHighlight(bool enabled);
    void setSelectionModel(QItemSelectionModel *selectionModel);
    void setScale(double scale);
    void updateMagnifierPosition(QPoint pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Q_DISABLE_COPY(DisplayWidget)

    void onSelectionChanged();

    DisplayRenderer m_renderer;
    ImageLabel *m_label = nullptr;
    QLabel *m_message = nullptr;
    BadpixelListModel *m_model = nullptr;
    QPointer<QItemSelectionModel> m_selectionModel;
    ImageInfo m_info;
    bool m_highlight = false;
    QPoint m_dragStart;
    QPoint m_magnifierPos{-1, -1};
    double m_scale = 1.0;
};

#endif // DAPPLIX_UI_DISPLAYWIDGET_H
