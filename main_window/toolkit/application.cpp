#include "application.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace tk {
namespace {

// What the toolkit says while it starts, told only once it has started.
QStringList gHeldMessages;

QString Described(const char* variable) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QStringLiteral("%1 is not set").arg(variable)
                           : QStringLiteral("%1 is %2").arg(variable, value);
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        gHeldMessages.append(message);
        return;
    }
    const QString looked = Described("WAYLAND_DISPLAY") + ", " + Described("DISPLAY");
    std::fprintf(stderr, "tessivo: no display: %s\n", qPrintable(looked));
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::exchange(gHeldMessages, {})) qWarning().noquote() << message;
    return application;
}

}  // namespace tk
