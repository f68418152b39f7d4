// The class column's editor of the hot pixel list: factory, user or ignore.
#ifndef DAPPLIX_HOTPIXELS_PIXELCLASSDELEGATE_H
#define DAPPLIX_HOTPIXELS_PIXELCLASSDELEGATE_H

#include <QItemDelegate>

class PixelclassDelegate final : public QItemDelegate
{
    Q_OBJECT
public:
    explicit PixelclassDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    Q_DISABLE_COPY(PixelclassDelegate)
};

#endif // DAPPLIX_HOTPIXELS_PIXELCLASSDELEGATE_H
