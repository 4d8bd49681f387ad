// SPDX-License-Identifier: GPL-3.0-or-later
// The receivers plugged in, kept up to date: the mounted file systems are
// read again whenever the kernel says they changed, and UDisks2 (when it
// runs) lists the removable drives not mounted yet and mounts them.
#pragma once

#include "receivers.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QSocketNotifier;

class CDeviceWatch : public QObject {
    Q_OBJECT
public:
    explicit CDeviceWatch(QObject* parent = nullptr);
    ~CDeviceWatch() override;

    const std::vector<CReceiver>& Receivers() const { return m_receivers; }
    // A removable drive UDisks2 knows and has not mounted.
    struct CDrive {
        QString m_strObject; // its file system's D-Bus object
        QString m_strLabel;  // "GARMIN (7.4 GB)"
    };
    const QList<CDrive>& Unmounted() const { return m_unmounted; }
    // Asks UDisks2 to mount drive; done hears the mount point, or an error.
    void Mount(const CDrive& drive, std::function<void(QString point, QString error)> done);
public slots:
    // Looks again now.
    void Rescan();

signals:
    void Changed();

private:
    void ListUnmounted();

    int m_nMountInfo = -1;
    QSocketNotifier* m_pNotifier = nullptr;
    std::vector<CReceiver> m_receivers;
    QList<CDrive> m_unmounted;
};
