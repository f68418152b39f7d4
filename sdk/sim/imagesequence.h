// imagesequence.h: an open camera's image memory (the buffers of vy_AllocImageMem) and its
// capture sequence: order, locks, the buffer being written and the last one filled.
#ifndef SDK_SIM_IMAGESEQUENCE_H
#define SDK_SIM_IMAGESEQUENCE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace vysim {

// One buffer of vy_AllocImageMem.
struct ImageMemory
{
    std::unique_ptr<char[]> memory;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    size_t size = 0;
    bool busy = false;       // the capture thread is writing into it
    int64_t frameIndex = -1; // the frame it holds
};

// Not thread-safe: its camera guards it with its own mutex. A buffer stays allocated while it
// is busy, so the capture thread may write into it without holding that mutex.
class ImageSequence final
{
public:
    // Takes the buffer and answers its memory ID (from 1).
    int32_t add(std::unique_ptr<char[]> memory, uint32_t width, uint32_t height,
                uint32_t bitsPerPixel, size_t size);
    // The buffer of a memory ID; null when there is none or memory is not its pointer.
    ImageMemory *find(int32_t memoryId, const char *memory);
    // The buffer of a memory ID; null when there is none.
    ImageMemory *buffer(int32_t memoryId);
    // The buffer whose memory this is; null when none is.
    const ImageMemory *bufferAt(const char *memory) const;
    bool isBusy(int32_t memoryId) const;
    // Frees the buffer and takes it out of the sequence and the locks.
    void remove(int32_t memoryId);

    bool isEmpty() const { return m_order.empty(); }
    // False when the buffer is already in the sequence.
    bool append(int32_t memoryId);
    // Empties the sequence (the buffers stay allocated).
    void clear();
    // Position of a memory ID in the sequence, -1 when it is not in it.
    int position(int32_t memoryId) const;
    // The memory ID of a sequence buffer named by its 1-based number, or by its memory when
    // number is VY_IGNORE_PARAMETER; an SDK code.
    int32_t idOf(int32_t number, const char *memory, int32_t *memoryId) const;
    void lock(int32_t memoryId) { m_locked.insert(memoryId); }
    void unlock(int32_t memoryId) { m_locked.erase(memoryId); }

    // The 1-based number and memory of the buffer being written, or else the one the next frame
    // goes to, and the memory of the last filled one (null when none). False without a sequence.
    bool active(int32_t *number, char **memory, char **lastMemory);

    // The buffer the next frame goes to: the next one after the last filled one that is neither
    // locked nor being written; 0 when there is none.
    int32_t nextTarget();
    // The capture thread writes into the buffer.
    void beginFill(int32_t memoryId);
    // The frame is complete; the buffer becomes the last filled one if still in the sequence.
    void endFill(int32_t memoryId, int64_t frameIndex);
    bool isFilling() const { return m_fillingId != 0; }

private:
    std::map<int32_t, ImageMemory> m_memories; // by memory ID
    int32_t m_nextMemoryId = 1;
    std::vector<int32_t> m_order; // memory IDs in sequence order
    std::set<int32_t> m_locked;
    int32_t m_lastFilledId = 0; // memory ID of the last completed frame, 0 when none
    int32_t m_fillingId = 0;    // memory ID being written, 0 when none
};

} // namespace vysim

#endif // SDK_SIM_IMAGESEQUENCE_H
