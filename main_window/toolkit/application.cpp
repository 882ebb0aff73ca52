#include "application.h"

#include "clipboard.h"

#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tk {
namespace {

// What the toolkit says while it starts, told only once it has started.
QStringList gHeldMessages;

// The toolkit left standing at the end (see EndToolkit), still reachable: no leak.
QApplication* gLeftStanding = nullptr;

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

void EndToolkit::operator()(QApplication* application) const {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        Clipboard::FreeTextsTakenOver();
        gLeftStanding = application;
        return;
    }
    delete application;
}

std::unique_ptr<QApplication, EndToolkit> StartOnDisplay(const char* programName) {
    // The toolkit keeps the command line it is given for as long as it runs.
    static std::string name;
    static std::array<char*, 2> arguments{};
    static int count = 1;
    name = programName ? programName : "tessivo";
    arguments = {name.data(), nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrEnd);
    std::unique_ptr<QApplication, EndToolkit> application(new QApplication(count, arguments.data()));
    qInstallMessageHandler(previous);
    for (const QString& message : std::exchange(gHeldMessages, {})) qWarning().noquote() << message;
    return application;
}

}  // namespace tk
