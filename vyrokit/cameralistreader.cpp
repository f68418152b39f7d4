// cameralistreader.cpp: the count-then-list protocol of the SDK's camera list.
#include "vyrokit/cameralistreader.h"

#include <algorithm>

namespace vyrokit {

CameraListReader::CameraListReader(CountFunction count, ListFunction list)
    : m_count(count), m_list(list)
{
}

bool CameraListReader::read()
{
    m_cameras.clear();
    m_failedStep = Step::None;
    int32_t count = 0;
    m_result = m_count(&count);
    if (m_result != VY_SUCCESS) {
        m_failedStep = Step::Count;
        return false;
    }
    if (count <= 0)
        return true;
    // Whole u32 words, aligned for the record, sized for the count we announce: the library
    // never writes more entries than that, even when cameras arrived since we counted.
    std::vector<uint32_t> buffer((VY_CAMERA_LIST_SIZE(count) + 3) / 4, 0);
    auto *list = reinterpret_cast<VY_CAMERA_LIST *>(buffer.data());
    list->count = static_cast<uint32_t>(count);
    m_result = m_list(list);
    if (m_result != VY_SUCCESS) {
        m_failedStep = Step::List;
        return false;
    }
    const uint32_t valid = std::min(list->count, static_cast<uint32_t>(count));
    m_cameras.reserve(valid);
    for (uint32_t i = 0; i < valid; ++i)
        m_cameras.push_back(ListedCamera::fromEntry(list->entries[i]));
    return true;
}

} // namespace vyrokit
