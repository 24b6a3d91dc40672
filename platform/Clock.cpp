// The clock, the start-up wait and start-up tracing.
#include "platform/Clock.h"

#include <QThread>
#include <chrono>
#include <cstdio>

namespace zarvelo::platform {

namespace {
QDate g_today;
WaitHook g_waitHook;
}  // namespace

QDate Today() { return g_today.isValid() ? g_today : QDate::currentDate(); }

void SetToday(const QDate& date) { g_today = date; }

QString ShortDateText(const QDate& date) {
    // Year first with four digits, as Japanese short dates are written: never ambiguous.
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

void StartupWait(int milliseconds) {
    if (g_waitHook) {
        g_waitHook(milliseconds);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void SetStartupWaitHook(WaitHook hook) { g_waitHook = std::move(hook); }

void TraceMoment(const char* what) {
    static const bool enabled = qEnvironmentVariableIsSet("ZARVELO_TRACE");
    if (!enabled) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "zarvelo-trace %s %lld\n", what,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

}  // namespace zarvelo::platform
