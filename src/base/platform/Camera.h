// The video capture device: switched on and off, delivering its frames as
// pictures on the user-interface thread. The real device comes from the camera
// module, loaded on first use; tests replace the device through the factory,
// since test machines have no camera.
#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>

#include <functional>

class Camera : public QObject
{
    Q_OBJECT

public:
    explicit Camera(QObject* parent = nullptr);
    ~Camera() override;

    // Whether the computer has a video capture device at all.
    virtual bool available() const = 0;
    // Switches the default device on; frames follow through frameReady, a
    // device that cannot start reports through failed.
    virtual void start() = 0;
    // Switches it off; no frame follows. Harmless when already off.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // Why there is no camera when the computer may well have one (the camera
    // module cannot be loaded); empty otherwise.
    virtual QString unavailableReason() const;

    // The camera of the computer, or what a test installed in its place,
    // owned by parent.
    static Camera* create(QObject* parent);

    using Factory = std::function<Camera*(QObject* parent)>;
    // Replaces the device for tests; an empty factory restores the real one.
    static void setFactory(Factory factory);

    // Where the camera module is looked for: beside the executable, then in
    // the installed library folder. Tests point it elsewhere; an empty list
    // restores these.
    static QStringList defaultModuleFolders();
    static void setModuleFolders(const QStringList& folders);

signals:
    // A new frame, always delivered on the user-interface thread.
    void frameReady(const QImage& frame);
    // The device could not be used; the text is the system's own.
    void failed(const QString& reason);
};
