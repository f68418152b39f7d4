// deviceinfoitem.cpp: the rows of the device information tree.
#include "zentara/devinfo/deviceinfoitem.h"

#include <algorithm>
#include <utility>

using zentara::Camera;

DeviceInfoItem::DeviceInfoItem(const QVariant &label, DeviceInfoItem *parent,
                               ValueFunction valueFunction, bool expand)
    : m_valueFunction(std::move(valueFunction)), m_label(label), m_parent(parent), m_expand(expand)
{
    if (m_parent)
        m_parent->m_children.emplace_back(this);
}

DeviceInfoItem::~DeviceInfoItem() = default;

DeviceInfoItem *DeviceInfoItem::child(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    return m_children[static_cast<size_t>(row)].get();
}

int DeviceInfoItem::row() const
{
    if (!m_parent)
        return 0;
    const auto &siblings = m_parent->m_children;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto &sibling) { return sibling.get() == this; });
    return static_cast<int>(it - siblings.begin());
}

void DeviceInfoItem::removeChildren()
{
    m_children.clear();
}

bool DeviceInfoItem::refresh(const Camera *camera)
{
    if (!m_valueFunction)
        return false;
    QVariant value = m_valueFunction(camera);
    if (value == m_value && value.isValid() == m_value.isValid())
        return false;
    m_value = std::move(value);
    return true;
}
