// cameraverdict.h: what the status evaluation decides for one camera (or for no camera).
#ifndef ZENTARA_INVENTORY_CAMERAVERDICT_H
#define ZENTARA_INVENTORY_CAMERAVERDICT_H

#include <QColor>
#include <QString>

// The outcome of the main-window evaluation. A button the evaluation does not enable stays
// disabled, whichever camera was selected before.
struct CameraVerdict
{
    enum class Picture
    {
        Unchanged, // leave the model picture as it is
        Clear,     // no picture
        Blank,     // a white picture of blankPictureSize
        Resource,  // the resource named by picturePath
    };

    QString sentence; // translated, wrapped where the rules say so
    // The verdict's stable name for scripts ("ready", "opened", "in-use", ...), never translated.
    QString key;
    QColor colour;
    Picture picture = Picture::Unchanged;
    QString picturePath; // ":/images/..." when picture is Resource

    bool cameraInformation = false;
    bool manualEthConfiguration = false;
    bool automaticEthConfiguration = false;
    bool uploadStarterFirmware = false;
    bool additionalCameraInfo = false;
    bool createSupportFile = true;
    bool daemonControl = true;

    bool discontinuedVisible = false;
    QString discontinuedText; // rich text, set when discontinuedVisible

    // The sentence as the status label shows it, in its colour (vyrokit::RichText::coloured).
    QString html() const;
};

#endif // ZENTARA_INVENTORY_CAMERAVERDICT_H
