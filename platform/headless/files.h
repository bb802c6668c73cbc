#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The headless platform's drives and folders, and what tests learn of them.
// What tests learn of and do to each file operation is in disk_events.h.
namespace headless {

// Drive roots as the platform lists them: "C:\" "\0" "D:\" "\0". None at start.
void setLogicalDrives(const std::string& list);

// Streams opened and not closed yet: a program that forgets to close one
// holds the file until it ends.
int openStreamCount();

// The room every drive reports, instead of the real drive's.
void setDriveRoom(uint64_t freeBytes, uint64_t clusterBytes);
void useRealDriveRoom();

// Flushes reach the disk only when asked: tests flush thousands of files.
void setFlushToDisk(bool toDisk);

// The folder the platform names as shared by every user (a temporary one
// unless set).
void setCommonDataFolder(const std::string& folder);

// How long the program paused, in all, since the last reset; pauses take no
// time here.
int pausedMilliseconds();
void resetPauses();

}  // namespace headless
