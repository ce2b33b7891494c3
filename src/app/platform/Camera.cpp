// The real camera on Qt Multimedia: a capture session feeding a video sink
// that lives on the user-interface thread.
#include "app/platform/Camera.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
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
        // The sink may be fed from the media backend's own thread. The
        // connection's context is this object, which lives on the
        // user-interface thread, so every frame is converted and handed on
        // there and the window's pictures are only touched by that thread.
        connect(m_sink, &QVideoSink::videoFrameChanged, this,
                [this](const QVideoFrame& frame) {
                    if (!m_camera || !m_camera->isActive())
                        return; // a frame still queued after switching off
                    const QImage image = frame.toImage();
                    if (!image.isNull())
                        emit frameReady(image);
                },
                Qt::QueuedConnection);
    }

    ~MultimediaCamera() override { stop(); }

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
            connect(m_camera, &QCamera::errorOccurred, this,
                    [this](QCamera::Error error, const QString& text) {
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
    QMediaCaptureSession m_session;
    QVideoSink* m_sink;
    QCamera* m_camera = nullptr;
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
