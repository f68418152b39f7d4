// camerastatus.h: the one place that decides the status verdicts of a camera.
#ifndef ZENTARA_INVENTORY_CAMERASTATUS_H
#define ZENTARA_INVENTORY_CAMERASTATUS_H

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

#include "zentara/inventory/cameraverdict.h"

namespace zentara {
class Camera;
}

// Pure evaluations over a Camera record; none of them calls the camera library. Verdict
// texts are translated in the context "CameraStatus", list texts in "CameraListModel".
class CameraStatus final
{
public:
    using Rule = std::function<bool(const zentara::Camera &)>;

    CameraStatus() = delete;

    // The main-window verdict; camera null means no camera is selected.
    static CameraVerdict evaluate(const zentara::Camera *camera);

    // The rules of the discontinued-model line; the line shows when any matches.
    static const std::vector<Rule> &discontinuedRules();
    static bool isDiscontinued(const zentara::Camera &camera);

    // What the list's "Free" and "Avail." columns say: free, free only because the camera
    // runs in boot boost ("Yes (BB)"), available.
    static bool isFree(const zentara::Camera &camera);
    static bool isFreeInBootBoost(const zentara::Camera &camera);
    static bool isAvailable(const zentara::Camera &camera);

    // The list icon (":/images/..."), and the "Free" and "Avail." texts of the list.
    static QString listIcon(const zentara::Camera &camera);
    static QString freeText(const zentara::Camera &camera);
    // What the list icon and the "Free" text mean, for the tooltip of the "Free" column.
    static QString listToolTip(const zentara::Camera &camera);
    static QString availableText(const zentara::Camera &camera);

    // The size of the blank picture shown for devices without a drawing.
    static QSize blankPictureSize() { return QSize(170, 80); }

    // "%1.%2.%3" of a packed version, minor two and build four digits wide.
    static QString versionText(uint32_t packed);
};

#endif // ZENTARA_INVENTORY_CAMERASTATUS_H
