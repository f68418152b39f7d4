// aravisdiscovery.h: the standard cameras on the machine's interfaces, found through Aravis.
#ifndef SDK_GENICAM_ARAVISDISCOVERY_H
#define SDK_GENICAM_ARAVISDISCOVERY_H

#include "sdk/genicam/standardcamera.h"

#include <map>
#include <vector>

namespace vygenicam {

class AravisDiscovery final
{
public:
    AravisDiscovery() = delete;

    // Looks for cameras (GigE Vision discovery waits about a second for answers) and reads what
    // each tells about itself, opening it for a moment. A camera this process holds is not
    // opened again: its description in held stands.
    static std::vector<StandardCamera> scan(const std::map<QString, StandardCamera> &held);

    // Writes a GigE Vision camera's persistent IP configuration; an SDK code.
    static int32_t writeNetwork(const StandardCamera &camera);
};

} // namespace vygenicam

#endif // SDK_GENICAM_ARAVISDISCOVERY_H
