#include "platform/headless/cursor.h"

#include <deque>
#include <set>

namespace {

struct Cursor {
  std::string name;
};

struct CursorSystem {
  std::deque<Cursor> loaded;  // stable addresses serve as handles
  std::set<std::string> missingResources;
  Cursor desktopCursor{"desktop"};
  platform::CursorHandle shown = &desktopCursor;
  int displayCount = 0;
  int calls = 0;
  int destroyed = 0;
};
CursorSystem cursors;

platform::CursorHandle load(const std::string& name) {
  cursors.loaded.push_back(Cursor{name});
  return &cursors.loaded.back();
}

}  // namespace

namespace platform {

CursorHandle loadCursorResource(const char* name) {
  if (cursors.missingResources.count(name) != 0) return nullptr;
  return load(name);
}

CursorHandle loadSystemCursor(SystemCursor cursor) {
  return load(cursor == SystemCursor::wait ? "IDC_WAIT" : "IDC_ARROW");
}

CursorHandle currentCursor() {
  return cursors.shown;
}

void setCursor(CursorHandle cursor) {
  ++cursors.calls;
  cursors.shown = cursor;
}

void showCursor(bool show) {
  ++cursors.calls;
  cursors.displayCount += show ? 1 : -1;
}

void destroyCursor(CursorHandle) {
  ++cursors.destroyed;
}

}  // namespace platform

namespace headless {

void setMissingCursorResource(const std::string& name, bool missing) {
  if (missing) {
    cursors.missingResources.insert(name);
  } else {
    cursors.missingResources.erase(name);
  }
}

std::string cursorName(platform::CursorHandle cursor) {
  return cursor != nullptr ? static_cast<const Cursor*>(cursor)->name : std::string();
}

std::string shownCursorName() {
  return cursorName(cursors.shown);
}

int cursorDisplayCount() {
  return cursors.displayCount;
}

int cursorCalls() {
  return cursors.calls;
}

int cursorsDestroyed() {
  return cursors.destroyed;
}

void resetCursors() {
  cursors.loaded.clear();
  cursors.missingResources.clear();
  cursors.shown = &cursors.desktopCursor;
  cursors.displayCount = 0;
  cursors.calls = 0;
  cursors.destroyed = 0;
}

}  // namespace headless
