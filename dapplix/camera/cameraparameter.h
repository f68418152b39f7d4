// One camera setting with its range and step, in the SDK's units.
#ifndef DAPPLIX_CAMERA_CAMERAPARAMETER_H
#define DAPPLIX_CAMERA_CAMERAPARAMETER_H

#include <QMetaType>

template <typename T> struct CameraParameter
{
    T min = T(0);
    T max = T(0);
    T inc = T(1);
    T value = T(0);

    // Limits v to [min, max]; a range that was never read (max < min) leaves v as it is.
    T clamp(T v) const
    {
        if (max < min)
            return v;
        return v < min ? min : (v > max ? max : v);
    }
};

Q_DECLARE_METATYPE(CameraParameter<int>)
Q_DECLARE_METATYPE(CameraParameter<double>)

#endif // DAPPLIX_CAMERA_CAMERAPARAMETER_H
