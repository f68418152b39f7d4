// additionalcamerainfo.h: the read-only identity and revision data of one camera.
#ifndef ZENTARA_DEVINFO_ADDITIONALCAMERAINFO_H
#define ZENTARA_DEVINFO_ADDITIONALCAMERAINFO_H

#include <QDialog>
#include <QString>

namespace zentara {
class Camera;
}
class QDialogButtonBox;
class QFormLayout;
class QGroupBox;
class QLabel;

// Reads everything in its constructor, with the camera opened for that time only. Each value
// label is named after its field ("serialNumber", "dspFirmware", ...) so that it can be found.
class AdditionalCameraInfo final : public QDialog
{
    Q_OBJECT
public:
    explicit AdditionalCameraInfo(const zentara::Camera &camera, QWidget *parent = nullptr);

    // The text shown for a field name; empty for an unknown name.
    QString value(const QString &field) const;
    QDialogButtonBox *buttonBox() const { return m_buttons; }

private:
    Q_DISABLE_COPY(AdditionalCameraInfo)

    // Adds a row "label: value" to the form; the value label is named field.
    void addRow(QFormLayout *form, const QString &label, const char *field, const QString &value);

    QDialogButtonBox *m_buttons = nullptr;
};

#endif // ZENTARA_DEVINFO_ADDITIONALCAMERAINFO_H
