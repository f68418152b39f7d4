// deviceinfoitem.h: one row of the device information tree.
#ifndef ZENTARA_DEVINFO_DEVICEINFOITEM_H
#define ZENTARA_DEVINFO_DEVICEINFOITEM_H

#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace zentara {
class Camera;
}

// A node of the tree: a label, a value and its children. A row with a value function takes its
// value from the camera on every refresh; a group row has none and carries the expand flag; a
// row with a fixed value (the USB chain) is given its value once. Children are owned by their
// parent, the root by the model.
class DeviceInfoItem final
{
public:
    using ValueFunction = std::function<QVariant(const zentara::Camera *)>;

    // Appends the new item to parent's children when parent is not null.
    DeviceInfoItem(const QVariant &label, DeviceInfoItem *parent,
                   ValueFunction valueFunction = ValueFunction(), bool expand = false);
    ~DeviceInfoItem();

    DeviceInfoItem *parent() const { return m_parent; }
    DeviceInfoItem *child(int row) const;
    int childCount() const { return static_cast<int>(m_children.size()); }
    // The position among the parent's children; 0 for the root.
    int row() const;
    void removeChildren();

    QVariant label() const { return m_label; }
    void setLabel(const QVariant &label) { m_label = label; }
    QVariant value() const { return m_value; }
    void setValue(const QVariant &value) { m_value = value; }
    bool expand() const { return m_expand; }
    bool hasValueFunction() const { return static_cast<bool>(m_valueFunction); }

    // Evaluates the value function against camera (nothing for an item without one). Returns
    // whether the value changed.
    bool refresh(const zentara::Camera *camera);

private:
    Q_DISABLE_COPY(DeviceInfoItem)

    std::vector<std::unique_ptr<DeviceInfoItem>> m_children;
    ValueFunction m_valueFunction;
    QVariant m_label;
    QVariant m_value;
    DeviceInfoItem *m_parent;
    bool m_expand;
};

#endif // ZENTARA_DEVINFO_DEVICEINFOITEM_H
