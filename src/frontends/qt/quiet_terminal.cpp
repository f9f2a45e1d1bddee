#include "frontends/qt/quiet_terminal.h"

#include <QString>
#include <QtGlobal>

namespace tw {

namespace {

QtMessageHandler next = nullptr;

// Only QStandardPaths' note that it made up a runtime folder. Everything else still prints.
bool isChatter(QtMsgType type, const QString& message) {
  return type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!isChatter(type, message)) next(type, context, message);
}

}  // namespace

void quietTerminal() {
  next = qInstallMessageHandler(filter);
}

}  // namespace tw
