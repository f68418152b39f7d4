// imagesequence.cpp: buffers and sequence order of one open camera.
#include "sdk/sim/imagesequence.h"

#include "sdk/vyro_api.h"

#include <algorithm>

namespace vysim {

int32_t ImageSequence::add(std::unique_ptr<char[]> memory, uint32_t width, uint32_t height,
                           uint32_t bitsPerPixel, size_t size)
{
    const int32_t id = m_nextMemoryId++;
    ImageMemory &im = m_memories[id];
    im.memory = std::move(memory);
    im.width = width;
    im.height = height;
    im.bitsPerPixel = bitsPerPixel;
    im.size = size;
    return id;
}

ImageMemory *ImageSequence::find(int32_t memoryId, const char *memory)
{
    auto m = m_memories.find(memoryId);
    if (m == m_memories.end() || !memory || m->second.memory.get() != memory)
        return nullptr;
    return &m->second;
}

ImageMemory *ImageSequence::buffer(int32_t memoryId)
{
    auto m = m_memories.find(memoryId);
    return m == m_memories.end() ? nullptr : &m->second;
}

const ImageMemory *ImageSequence::bufferAt(const char *memory) const
{
    for (const auto &m : m_memories)
        if (m.second.memory.get() == memory)
            return &m.second;
    return nullptr;
}

bool ImageSequence::isBusy(int32_t memoryId) const
{
    auto m = m_memories.find(memoryId);
    return m != m_memories.end() && m->second.busy;
}

void ImageSequence::remove(int32_t memoryId)
{
    m_order.erase(std::remove(m_order.begin(), m_order.end(), memoryId), m_order.end());
    if (m_lastFilledId == memoryId)
        m_lastFilledId = 0;
    m_locked.erase(memoryId);
    m_memories.erase(memoryId);
}

bool ImageSequence::append(int32_t memoryId)
{
    if (std::find(m_order.begin(), m_order.end(), memoryId) != m_order.end())
        return false;
    m_order.push_back(memoryId);
    return true;
}

void ImageSequence::clear()
{
    m_order.clear();
    m_locked.clear();
    m_lastFilledId = 0;
}

int ImageSequence::position(int32_t memoryId) const
{
    const auto p = std::find(m_order.begin(), m_order.end(), memoryId);
    return memoryId == 0 || p == m_order.end() ? -1 : int(p - m_order.begin());
}

int32_t ImageSequence::idOf(int32_t number, const char *memory, int32_t *memoryId) const
{
    if (number == VY_IGNORE_PARAMETER) {
        for (int32_t id : m_order) {
            if (memory && m_memories.at(id).memory.get() == memory) {
                *memoryId = id;
                return VY_SUCCESS;
            }
        }
        return VY_INVALID_MEMORY_POINTER;
    }
    if (number < 1 || size_t(number) > m_order.size())
        return VY_INVALID_PARAMETER;
    *memoryId = m_order[size_t(number - 1)];
    return VY_SUCCESS;
}

bool ImageSequence::active(int32_t *number, char **memory, char **lastMemory)
{
    if (m_order.empty())
        return false;
    const int last = position(m_lastFilledId);
    const int filling = position(m_fillingId);
    const int current = filling >= 0 ? filling : (last + 1) % int(m_order.size());
    if (number)
        *number = current + 1;
    if (memory)
        *memory = m_memories[m_order[size_t(current)]].memory.get();
    if (lastMemory)
        *lastMemory = last >= 0 ? m_memories[m_lastFilledId].memory.get() : nullptr;
    return true;
}

int32_t ImageSequence::nextTarget()
{
    const int n = int(m_order.size());
    const int last = position(m_lastFilledId);
    for (int i = 1; i <= n; ++i) {
        const int32_t id = m_order[size_t((last + i + n) % n)];
        if (!m_locked.count(id) && !m_memories[id].busy)
            return id;
    }
    return 0;
}

void ImageSequence::beginFill(int32_t memoryId)
{
    m_memories[memoryId].busy = true;
    m_fillingId = memoryId;
}

void ImageSequence::endFill(int32_t memoryId, int64_t frameIndex)
{
    ImageMemory &m = m_memories[memoryId];
    m.busy = false;
    m.frameIndex = frameIndex;
    m_fillingId = 0;
    // The buffer may have left the sequence meanwhile (it stays allocated while busy).
    if (position(memoryId) >= 0)
        m_lastFilledId = memoryId;
}

} // namespace vysim
