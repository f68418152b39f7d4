// The class column of the hot pixel list: translated texts and the combo box editor.
#include "dapplix/hotpixels/pixelclassdelegate.h"

#include <QComboBox>

namespace {

const char *const classTexts[] = {QT_TRANSLATE_NOOP("PixelclassDelegate", "factory"),
                                  QT_TRANSLATE_NOOP("PixelclassDelegate", "user"),
                                  QT_TRANSLATE_NOOP("PixelclassDelegate", "ignore")};

} // namespace

PixelclassDelegate::PixelclassDelegate(QObject *parent) : QStyledItemDelegate(parent)
{
}

QString PixelclassDelegate::translatedClass(const QString &modelText)
{
    for (const char *text : classTexts) {
        if (modelText == QLatin1String(text))
            return tr(text);
    }
    return modelText;
}

QString PixelclassDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.type() == QVariant::String)
        return translatedClass(value.toString());
    return QStyledItemDelegate::displayText(value, locale);
}

QWidget *PixelclassDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &) const
{
    auto *combo = new QComboBox(parent);
    // The item data keeps the model's untranslated class text, whatever the language shown.
    for (const char *text : classTexts)
        combo->addItem(tr(text), QLatin1String(text));
    return combo;
}

void PixelclassDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    const int item = combo->findData(index.model()->data(index, Qt::EditRole).toString(),
                                     Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        combo->setCurrentIndex(item);
}

void PixelclassDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentData(), Qt::EditRole);
}

void PixelclassDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
