// The camera module: the real video capture device on Qt Multimedia, built as
// a library of its own that the program loads when the camera is first used.
// Its frames are handed over to the user-interface thread.
#include "base/platform/CameraDevice.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMutex>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>

#include <memory>

namespace {

class MultimediaCamera final : public CameraDevice
{
public:
    explicit MultimediaCamera(Events events)
        : m_events(std::move(events))
        , m_context(std::make_unique<QObject>(m_events.owner))
        , m_sink(new QVideoSink(m_context.get()))
    {
        // The sink is fed on the media backend's own thread. There only the
        // newest frame is kept, and one hand-over at a time is queued to the
        // user-interface thread, where the frame is converted and passed on:
        // the window's pictures are only touched by that thread, and a busy
        // window skips frames instead of piling them up in memory. Hand-overs
        // still queued when the device goes are dropped with its context.
        QObject::connect(
            m_sink, &QVideoSink::videoFrameChanged, m_sink,
            [this](const QVideoFrame& frame) {
                QMutexLocker lock(&m_lock);
                m_latest = frame;
                if (m_pending)
                    return;
                m_pending = true;
                QMetaObject::invokeMethod(
                    m_context.get(), [this] { deliver(); }, Qt::QueuedConnection);
            },
            Qt::DirectConnection);
    }

    ~MultimediaCamera() override
    {
        stop();
        m_session.setVideoSink(nullptr);
        QObject::disconnect(m_sink, &QVideoSink::videoFrameChanged, nullptr, nullptr);
    }

    bool available() const override { return !QMediaDevices::videoInputs().isEmpty(); }

    void start() override
    {
        if (!m_camera) {
            const QCameraDevice device = QMediaDevices::defaultVideoInput();
            if (device.isNull()) {
                m_events.failure(QString());
                return;
            }
            m_camera = new QCamera(device, m_context.get());
            QObject::connect(m_camera, &QCamera::errorOccurred, m_context.get(),
                             [this](QCamera::Error error, const QString& text) {
                                 if (error != QCamera::NoError)
                                     m_events.failure(text);
                             });
            m_session.setCamera(m_camera);
            m_session.setVideoSink(m_sink);
        }
        m_camera->start();
    }

    void stop() override
    {
        if (m_camera)
            m_camera->stop();
    }

    bool isActive() const override { return m_camera && m_camera->isActive(); }

private:
    void deliver()
    {
        QVideoFrame frame;
        {
            QMutexLocker lock(&m_lock);
            frame = m_latest;
            m_latest = QVideoFrame();
            m_pending = false;
        }
        if (!isActive())
            return; // a frame still on its way when the camera went off
        const QImage image = frame.toImage();
        if (!image.isNull())
            m_events.frame(image);
    }

    Events m_events;
    // Owns the sink and the camera, and is the receiver of queued hand-overs;
    // a child of the owner while it lives, deleted with the device.
    std::unique_ptr<QObject> m_context;
    QMediaCaptureSession m_session;
    QVideoSink* m_sink;
    QCamera* m_camera = nullptr;
    QMutex m_lock;
    QVideoFrame m_latest; // guarded by m_lock
    bool m_pending = false; // guarded by m_lock
};

} // namespace

extern "C" Q_DECL_EXPORT CameraDevice* selvoraOpenCameraDevice(CameraDevice::Events events)
{
    return new MultimediaCamera(std::move(events));
}
