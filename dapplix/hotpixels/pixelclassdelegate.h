// The class column of the hot pixel list: shows factory, user or ignore in the user's language
// and edits it with a combo box.
#ifndef DAPPLIX_HOTPIXELS_PIXELCLASSDELEGATE_H
#define DAPPLIX_HOTPIXELS_PIXELCLASSDELEGATE_H

#include <QStyledItemDelegate>

class PixelclassDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit PixelclassDelegate(QObject *parent = nullptr);

    // The model keeps the English class texts (files and setData rely on them); the view shows
    // them translated.
    static QString translatedClass(const QString &modelText);

    QString displayText(const QVariant &value, const QLocale &locale) const override;

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
