// The real camera: the camera module, loaded from beside the executable (or
// from the installed library folder) the first time a camera is made. Without
// the module there is no camera, and the window says why.
#include "base/platform/Camera.h"

#include "base/platform/CameraDevice.h"
#include "base/platform/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

#include <memory>

namespace {

Camera::Factory& factory()
{
    static Camera::Factory f;
    return f;
}

struct Module
{
    OpenCameraDevice open = nullptr;
    QString problem;
};

QString moduleFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("selvora_camera.dll");
#else
    return QStringLiteral("libselvora_camera.so");
#endif
}

// Loaded once and never unloaded: devices made by it may live to the end.
Module loadModule(const QStringList& folders)
{
    QStringList tried;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(moduleFileName());
        if (!QFile::exists(path))
            continue;
        QLibrary library(path);
        if (!library.load()) {
            tried << library.errorString();
            continue;
        }
        if (auto open = reinterpret_cast<OpenCameraDevice>(library.resolve(SELVORA_CAMERA_ENTRY))) {
            // The media libraries' own messages, in Italian like the rest.
            QtTranslations::install(QStringLiteral("qtmultimedia"));
            return {open, QString()};
        }
        tried << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), library.errorString());
    }
    QString problem = QStringLiteral("La webcam non si può usare: il modulo %1 del programma non è stato trovato o "
                                     "non si carica (manca una libreria di sistema per i video?).")
                          .arg(moduleFileName());
    if (!tried.isEmpty())
        problem += QStringLiteral("\n\n") + tried.join(QLatin1Char('\n'));
    return {nullptr, problem};
}

QStringList& moduleFolders()
{
    static QStringList folders;
    return folders;
}

const Module& module()
{
    static Module loaded;
    static QStringList loadedFrom;
    static bool tried = false;
    const QStringList folders = moduleFolders().isEmpty() ? Camera::defaultModuleFolders() : moduleFolders();
    if (!tried || folders != loadedFrom) {
        loaded = loadModule(folders);
        loadedFrom = folders;
        tried = true;
    }
    return loaded;
}

class ModuleCamera final : public Camera
{
public:
    explicit ModuleCamera(QObject* parent)
        : Camera(parent)
    {
        if (!module().open)
            return;
        CameraDevice::Events events;
        events.owner = this;
        events.frame = [this](const QImage& frame) { emit frameReady(frame); };
        events.failure = [this](const QString& reason) { emit failed(reason); };
        m_device.reset(module().open(std::move(events)));
    }

    bool available() const override { return m_device && m_device->available(); }
    QString unavailableReason() const override { return m_device ? QString() : module().problem; }

    void start() override
    {
        if (m_device)
            m_device->start();
        else
            emit failed(module().problem);
    }

    void stop() override
    {
        if (m_device)
            m_device->stop();
    }

    bool isActive() const override { return m_device && m_device->isActive(); }

private:
    std::unique_ptr<CameraDevice> m_device;
};

} // namespace

Camera::Camera(QObject* parent)
    : QObject(parent)
{
}

Camera::~Camera() = default;

QString Camera::unavailableReason() const
{
    return QString();
}

Camera* Camera::create(QObject* parent)
{
    if (factory())
        return factory()(parent);
    return new ModuleCamera(parent);
}

void Camera::setFactory(Factory f)
{
    factory() = std::move(f);
}

QStringList Camera::defaultModuleFolders()
{
    // Portable: beside the executable. Installed: the program's private
    // library folder beside bin/ (bin/../lib/<architecture>/selvora).
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir(here).filePath(QStringLiteral("../" SELVORA_MODULE_DIR))};
}

void Camera::setModuleFolders(const QStringList& folders)
{
    moduleFolders() = folders;
}
