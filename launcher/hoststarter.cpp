#include "launcher/hoststarter.h"

#include <QCoreApplication>
#include <cstdlib>

#include "launcher/hostlauncher.h"

namespace sorvanta {

namespace {

constexpr int kReapIntervalMs = 1000;

}  // namespace

CHostStarter::CHostStarter(QObject* pParent) : QObject(pParent) {
    m_reaper.setInterval(kReapIntervalMs);
    connect(&m_reaper, &QTimer::timeout, this, [this] {
        if (ReapFinishedChildren() == 0) m_reaper.stop();
    });
}

QString CHostStarter::StartHost() {
    CLaunchSearch search;
    search.m_strOwnDirectory = QCoreApplication::applicationDirPath().toStdString();
    const char* path = std::getenv("PATH");
    search.m_arrPath = SplitSearchPath(path != nullptr ? path : "");
    const std::u8string_view message = LaunchMessage(LaunchProgram(kHostProgram, search));
    if (ReapFinishedChildren() > 0) m_reaper.start();
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

}  // namespace sorvanta
