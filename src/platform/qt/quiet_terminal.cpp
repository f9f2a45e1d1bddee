#include "platform/qt/quiet_terminal.h"

#include <QString>
#include <QtGlobal>

namespace tw {

namespace {

QtMessageHandler next = nullptr;

// Only these: PulseAudio's connection lines from Qt Multimedia (no server, or it went away)
// and QStandardPaths' note that it made up a runtime folder. Everything else still prints.
bool isSoundSystemChatter(QtMsgType type, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return true;
  return (type == QtWarningMsg || type == QtCriticalMsg) && message.startsWith(QLatin1String("PulseAudioService: "));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!isSoundSystemChatter(type, message)) next(type, context, message);
}

}  // namespace

void quietTerminal() { next = qInstallMessageHandler(filter); }

}  // namespace tw
