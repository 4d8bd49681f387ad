// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicewatch.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLocale>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kManager = "/org/freedesktop/UDisks2";
constexpr const char* kFilesystem = "org.freedesktop.UDisks2.Filesystem";
constexpr const char* kBlock = "org.freedesktop.UDisks2.Block";
constexpr const char* kDriveInterface = "org.freedesktop.UDisks2.Drive";

using CInterfaces = QMap<QString, QVariantMap>;
using CObjects = QMap<QDBusObjectPath, CInterfaces>;

QDBusConnection Bus() {
    return QDBusConnection::systemBus();
}

bool UDisksRuns() {
    // Asked only when running: starting it on a machine without drives to
    // manage would only make the menu wait.
    const QDBusConnection bus = Bus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(kService).value();
}

} // namespace

Q_DECLARE_METATYPE(CInterfaces)
Q_DECLARE_METATYPE(CObjects)

CDeviceWatch::CDeviceWatch(QObject* parent) : QObject(parent) {
    qDBusRegisterMetaType<CInterfaces>();
    qDBusRegisterMetaType<CObjects>();
    // The kernel marks the mount table exceptional when a mount comes or goes.
    m_nMountInfo = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_nMountInfo >= 0) {
        m_pNotifier = new QSocketNotifier(m_nMountInfo, QSocketNotifier::Exception, this);
        connect(m_pNotifier, &QSocketNotifier::activated, this, [this] {
            // Read to the end, or the kernel keeps saying it changed.
            char buffer[4096];
            ::lseek(m_nMountInfo, 0, SEEK_SET);
            while (::read(m_nMountInfo, buffer, sizeof buffer) > 0) {
            }
            Rescan();
        });
    }
    if (UDisksRuns())
        for (const char* signal : {"InterfacesAdded", "InterfacesRemoved"})
            Bus().connect(kService, kManager, "org.freedesktop.DBus.ObjectManager", signal, this,
                          SLOT(Rescan()));
    Rescan();
}

CDeviceWatch::~CDeviceWatch() {
    delete m_pNotifier;
    if (m_nMountInfo >= 0)
        ::close(m_nMountInfo);
}

void CDeviceWatch::Rescan() {
    m_receivers = FindReceivers(DeviceRoots());
    ListUnmounted();
    emit Changed();
}

void CDeviceWatch::ListUnmounted() {
    m_unmounted.clear();
    if (!UDisksRuns())
        return;
    QDBusInterface manager(kService, kManager, "org.freedesktop.DBus.ObjectManager", Bus());
    manager.setTimeout(2000);
    const QDBusReply<CObjects> reply = manager.call("GetManagedObjects");
    if (!reply.isValid())
        return;
    const CObjects objects = reply.value();
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const CInterfaces& interfaces = it.value();
        if (!interfaces.contains(kFilesystem) || !interfaces.contains(kBlock))
            continue;
        const QVariantMap block = interfaces[kBlock];
        if (block.value("HintIgnore").toBool() || block.value("HintSystem").toBool())
            continue;
        const QDBusArgument points =
            interfaces[kFilesystem].value("MountPoints").value<QDBusArgument>();
        QList<QByteArray> mounted;
        if (points.currentType() == QDBusArgument::ArrayType)
            points >> mounted;
        if (!mounted.isEmpty())
            continue;
        const QString drive = block.value("Drive").value<QDBusObjectPath>().path();
        const QVariantMap driveProps = objects.value(QDBusObjectPath(drive)).value(kDriveInterface);
        if (!driveProps.value("Removable").toBool() &&
            !driveProps.value("MediaRemovable").toBool() &&
            driveProps.value("ConnectionBus").toString() != "usb")
            continue;
        QString label = block.value("IdLabel").toString();
        if (label.isEmpty())
            label = QString::fromLocal8Bit(block.value("Device").toByteArray()).remove(QChar(0));
        const qulonglong size = block.value("Size").toULongLong();
        m_unmounted.append(
            {it.key().path(),
             QString("%1 (%2)").arg(label, QLocale().formattedDataSize(qint64(size)))});
    }
}

void CDeviceWatch::Mount(const CDrive& drive, std::function<void(QString, QString)> done) {
    QDBusInterface fs(kService, drive.m_strObject, kFilesystem, Bus());
    // The desktop may ask for the user's password: no time limit that cuts it short.
    fs.setTimeout(120000);
    auto* watcher = new QDBusPendingCallWatcher(fs.asyncCall("Mount", QVariantMap()), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, done = std::move(done)](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<QString> reply = *w;
                w->deleteLater();
                Rescan();
                if (reply.isError())
                    done({}, reply.error().message());
                else
                    done(reply.value(), {});
            });
}
