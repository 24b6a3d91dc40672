// The clock, the start-up wait and start-up tracing.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace zarvelo::platform {

// Today's date, and the short text the ranking shows for a date.
QDate Today();
void SetToday(const QDate& date);  // tests; an invalid date restores the clock
QString ShortDateText(const QDate& date);

// Blocks the user-interface thread for the start-up wait.
void StartupWait(int milliseconds);
using WaitHook = std::function<void(int milliseconds)>;
void SetStartupWaitHook(WaitHook hook);  // tests look at the screen instead of waiting

// With ZARVELO_TRACE set, prints the moment (wall clock, nanoseconds) on standard error, for
// the start-up benchmark.
void TraceMoment(const char* what);

}  // namespace zarvelo::platform
