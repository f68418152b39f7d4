// aravissource.cpp: a standard camera's stream and controls.
#include "sdk/genicam/aravissource.h"

#include <arv.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vygenicam {

namespace {

constexpr int StreamBuffers = 4;

struct Format
{
    ArvPixelFormat format;
    int shift; // bits below the 8 that are kept
    int bytes;
};

// What the SDK's 8-bit images take, best first: 8 bits as they are, deeper pixels reduced.
const Format Formats[] = {
    {ARV_PIXEL_FORMAT_MONO_8, 0, 1},      {ARV_PIXEL_FORMAT_BAYER_RG_8, 0, 1},
    {ARV_PIXEL_FORMAT_BAYER_GR_8, 0, 1},  {ARV_PIXEL_FORMAT_BAYER_GB_8, 0, 1},
    {ARV_PIXEL_FORMAT_BAYER_BG_8, 0, 1},  {ARV_PIXEL_FORMAT_MONO_10, 2, 2},
    {ARV_PIXEL_FORMAT_MONO_12, 4, 2},     {ARV_PIXEL_FORMAT_MONO_16, 8, 2},
    {ARV_PIXEL_FORMAT_BAYER_RG_10, 2, 2}, {ARV_PIXEL_FORMAT_BAYER_RG_12, 4, 2},
    {ARV_PIXEL_FORMAT_BAYER_RG_16, 8, 2}, {ARV_PIXEL_FORMAT_BAYER_GR_12, 4, 2},
    {ARV_PIXEL_FORMAT_BAYER_GB_12, 4, 2}, {ARV_PIXEL_FORMAT_BAYER_BG_12, 4, 2},
};

bool chooseFormat(ArvCamera *camera, Format *chosen)
{
    guint count = 0;
    GError *error = nullptr;
    gint64 *available = arv_camera_dup_available_pixel_formats(camera, &count, &error);
    g_clear_error(&error);
    bool found = false;
    for (const Format &f : Formats) {
        for (guint i = 0; i < count && !found; ++i)
            found = ArvPixelFormat(available[i]) == f.format;
        if (found) {
            *chosen = f;
            break;
        }
    }
    g_free(available);
    return found;
}

} // namespace

std::unique_ptr<AravisSource> AravisSource::open(const QString &id, std::function<void()> closed)
{
    GError *error = nullptr;
    ArvCamera *camera = arv_camera_new(id.toUtf8().constData(), &error);
    g_clear_error(&error);
    if (!camera)
        return nullptr;
    ArvDevice *device = arv_camera_get_device(camera);
    if (ARV_IS_GV_DEVICE(device) && !arv_gv_device_is_controller(ARV_GV_DEVICE(device))) {
        g_object_unref(camera);
        return nullptr;
    }
    return std::unique_ptr<AravisSource>(new AravisSource(camera, std::move(closed)));
}

AravisSource::AravisSource(ArvCamera *camera, std::function<void()> closed)
    : m_camera(camera), m_closed(std::move(closed))
{
    GError *error = nullptr;
    // The whole sensor, as the SDK's images are cut from it.
    gint minValue = 0, width = 0, height = 0;
    arv_camera_get_width_bounds(m_camera, &minValue, &width, &error);
    g_clear_error(&error);
    arv_camera_get_height_bounds(m_camera, &minValue, &height, &error);
    g_clear_error(&error);
    if (width > 0 && height > 0)
        arv_camera_set_region(m_camera, 0, 0, width, height, &error);
    g_clear_error(&error);
    Format format{ARV_PIXEL_FORMAT_MONO_8, 0, 1};
    if (chooseFormat(m_camera, &format))
        arv_camera_set_pixel_format(m_camera, format.format, &error);
    g_clear_error(&error);
    m_shift = format.shift;
    m_bytesPerPixel = format.bytes;
    arv_camera_set_acquisition_mode(m_camera, ARV_ACQUISITION_MODE_CONTINUOUS, &error);
    g_clear_error(&error);
}

AravisSource::~AravisSource()
{
    stop();
    g_object_unref(m_camera);
    if (m_closed)
        m_closed();
}

bool AravisSource::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stream)
        return true;
    GError *error = nullptr;
    m_stream = arv_camera_create_stream(m_camera, nullptr, nullptr, &error);
    g_clear_error(&error);
    if (!m_stream)
        return false;
    const guint payload = arv_camera_get_payload(m_camera, &error);
    g_clear_error(&error);
    for (int i = 0; i < StreamBuffers; ++i)
        arv_stream_push_buffer(m_stream, arv_buffer_new(payload, nullptr));
    arv_camera_start_acquisition(m_camera, &error);
    if (error) {
        g_clear_error(&error);
        g_clear_object(&m_stream);
        return false;
    }
    return true;
}

void AravisSource::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_stream)
        return;
    GError *error = nullptr;
    arv_camera_stop_acquisition(m_camera, &error);
    g_clear_error(&error);
    g_clear_object(&m_stream);
}

bool AravisSource::read(const vysim::Area &area, uint8_t *dst, uint32_t pitch, uint32_t columns,
                        uint32_t rows, int timeoutMs)
{
    if (!m_stream)
        return false;
    ArvBuffer *buffer = arv_stream_timeout_pop_buffer(m_stream, guint64(timeoutMs) * 1000);
    if (!buffer)
        return false;
    // Only the newest frame counts; older ones go back to the stream at once.
    while (ArvBuffer *newer = arv_stream_try_pop_buffer(m_stream)) {
        arv_stream_push_buffer(m_stream, buffer);
        buffer = newer;
    }
    bool ok = arv_buffer_get_status(buffer) == ARV_BUFFER_STATUS_SUCCESS;
    if (ok) {
        size_t size = 0;
        const auto *data = static_cast<const uint8_t *>(arv_buffer_get_data(buffer, &size));
        const uint32_t width = uint32_t(arv_buffer_get_image_width(buffer));
        const uint32_t height = uint32_t(arv_buffer_get_image_height(buffer));
        const size_t stride = size_t(width) * m_bytesPerPixel;
        ok = data && size >= stride * height;
        for (uint32_t y = 0; ok && y < rows; ++y) {
            uint8_t *out = dst + size_t(y) * pitch;
            const uint32_t sy = area.y + y;
            if (sy >= height) {
                std::memset(out, 0, columns);
                continue;
            }
            const uint8_t *in = data + sy * stride;
            for (uint32_t x = 0; x < columns; ++x) {
                const uint32_t sx = area.x + x;
                if (sx >= width)
                    out[x] = 0;
                else if (m_bytesPerPixel == 1)
                    out[x] = in[sx];
                else
                    out[x] = uint8_t(std::min(
                        255, (in[2 * size_t(sx)] | in[2 * size_t(sx) + 1] << 8) >> m_shift));
            }
        }
    }
    arv_stream_push_buffer(m_stream, buffer);
    return ok;
}

double AravisSource::setExposure(double ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    double minUs = 0, maxUs = 0;
    arv_camera_get_exposure_time_bounds(m_camera, &minUs, &maxUs, &error);
    g_clear_error(&error);
    const double us = maxUs > minUs ? std::clamp(ms * 1000.0, minUs, maxUs) : ms * 1000.0;
    arv_camera_set_exposure_time(m_camera, us, &error);
    g_clear_error(&error);
    const double now = arv_camera_get_exposure_time(m_camera, &error);
    g_clear_error(&error);
    return now / 1000.0;
}

double AravisSource::exposure() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    const double us = arv_camera_get_exposure_time(m_camera, &error);
    g_clear_error(&error);
    return us / 1000.0;
}

double AravisSource::setFrameRate(double fps)
{
    double minFps = 0, maxFps = 0;
    frameRateRange(&minFps, &maxFps);
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    // 0 or less asks for the slowest rate, as on the SDK's own cameras.
    const double wanted = fps <= 0          ? minFps
                          : maxFps > minFps ? std::clamp(fps, minFps, maxFps)
                                            : fps;
    arv_camera_set_frame_rate(m_camera, wanted, &error);
    g_clear_error(&error);
    const double now = arv_camera_get_frame_rate(m_camera, &error);
    g_clear_error(&error);
    return now;
}

double AravisSource::frameRate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    const double fps = arv_camera_get_frame_rate(m_camera, &error);
    g_clear_error(&error);
    return fps;
}

void AravisSource::setGain(int32_t percent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    double minGain = 0, maxGain = 0;
    arv_camera_get_gain_bounds(m_camera, &minGain, &maxGain, &error);
    if (!error && maxGain > minGain)
        arv_camera_set_gain(
            m_camera, minGain + (maxGain - minGain) * std::clamp(percent, 0, 100) / 100.0, &error);
    g_clear_error(&error);
}

void AravisSource::exposureRange(double *minMs, double *maxMs) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    double minUs = 0, maxUs = 0;
    arv_camera_get_exposure_time_bounds(m_camera, &minUs, &maxUs, &error);
    g_clear_error(&error);
    *minMs = minUs / 1000.0;
    *maxMs = maxUs / 1000.0;
}

void AravisSource::frameRateRange(double *minFps, double *maxFps) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    GError *error = nullptr;
    arv_camera_get_frame_rate_bounds(m_camera, minFps, maxFps, &error);
    g_clear_error(&error);
}

} // namespace vygenicam
