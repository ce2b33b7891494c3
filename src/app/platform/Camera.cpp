// The real camera on Qt Multimedia: a capture session feeding a video sink,
// its frames handed over to the user-interface thread.
#include "app/platform/Camera.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMutex>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

Camera::Factory& factory()
{
    static Camera::Factory f;
    return f;
}

class MultimediaCamera final : public Camera
{
public:
    explicit MultimediaCamera(QObject* parent)
        : Camera(parent)
        , m_sink(new QVideoSink(this))
    {
        // The sink is fed on the media backend's own thread. There only the
        // newest frame is kept, and one hand-over at a time is queued to the
        // user-interface thread, where the frame is converted and passed on:
        // the window's pictures are only touched by that thread, and a busy
        // window skips frames instead of piling them up in memory.
        connect(
            m_sink, &QVideoSink::videoFrameChanged, m_sink,
            [this](const QVideoFrame& frame) {
                QMutexLocker lock(&m_lock);
                m_latest = frame;
                if (m_pending)
                    return;
                m_pending = true;
                QMetaObject::invokeMethod(
                    this, [this] { deliver(); }, Qt::QueuedConnection);
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
                emit failed(QString());
                return;
            }
            m_camera = new QCamera(device, this);
            connect(m_camera, &QCamera::errorOccurred, this, [this](QCamera::Error error, const QString& text) {
                if (error != QCamera::NoError)
                    emit failed(text);
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
            emit frameReady(image);
    }

    QMediaCaptureSession m_session;
    QVideoSink* m_sink;
    QCamera* m_camera = nullptr;
    QMutex m_lock;
    QVideoFrame m_latest; // guarded by m_lock
    bool m_pending = false; // guarded by m_lock
};

} // namespace

Camera::Camera(QObject* parent)
    : QObject(parent)
{
}

Camera::~Camera() = default;

Camera* Camera::create(QObject* parent)
{
    if (factory())
        return factory()(parent);
    return new MultimediaCamera(parent);
}

void Camera::setFactory(Factory f)
{
    factory() = std::move(f);
}
