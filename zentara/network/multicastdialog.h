// multicastdialog.h: the "Add multicast" dialog: registers a read-only device for the selected
// network camera.
#ifndef ZENTARA_NETWORK_MULTICASTDIALOG_H
#define ZENTARA_NETWORK_MULTICASTDIALOG_H

#include <QDialog>

#include "zentara/inventory/camera.h"

class QComboBox;
class QPushButton;
class QSpinBox;

// Holds a copy of the camera taken at construction. The user picks the camera ID the read-only
// device is listed under and how it treats incomplete or faulty images; "Add read-only Device"
// registers it and closes the dialog, after an error box when the driver refused.
class MulticastDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit MulticastDialog(const zentara::Camera &camera, QWidget *parent = nullptr);

    QSpinBox *cameraIdBox() const { return m_cameraId; }
    QComboBox *errorModeBox() const { return m_errorMode; }
    QPushButton *addButton() const { return m_addButton; }

    // What a failed registration's code likely means, for a box whose driver gave no message of
    // its own (empty for codes without a hint).
    static QString hint(int32_t result);

public slots:
    void addPMC();

private:
    Q_DISABLE_COPY(MulticastDialog)

    zentara::Camera m_camera;
    QSpinBox *m_cameraId = nullptr;
    QComboBox *m_errorMode = nullptr;
    QPushButton *m_addButton = nullptr;
};

#endif // ZENTARA_NETWORK_MULTICASTDIALOG_H
