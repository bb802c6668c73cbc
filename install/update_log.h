#pragma once

// The log the command line may ask for: each event of the run appended to the
// file as one line that begins with the local time. Every line is written and
// the file closed at once, so what happened before an abrupt end is kept. A
// log that cannot be written never stops or changes the update.
void startUpdateLog(const char* path);  // null or empty: no log
void stopUpdateLog();
bool updateLogActive();

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void logEvent(const char* format, ...);
