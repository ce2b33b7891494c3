// What the camera module gives the program: a video capture device behind a
// plain interface. The module is the only code that links Qt Multimedia, and
// the program loads it the first time the camera window opens, so start-up
// never pays for the media libraries.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class CameraDevice
{
public:
    // Where the device reports; both are called on the user-interface thread.
    // The device's own objects live under owner while it exists.
    struct Events
    {
        QObject* owner = nullptr;
        std::function<void(const QImage&)> frame;
        std::function<void(const QString&)> failure;
    };

    virtual ~CameraDevice() = default;
    virtual bool available() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The module's one exported function, looked up by this name.
using OpenCameraDevice = CameraDevice* (*)(CameraDevice::Events events);
#define SELVORA_CAMERA_ENTRY "selvoraOpenCameraDevice"
