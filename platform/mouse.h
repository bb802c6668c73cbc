#pragma once

#include <cstdint>

// The pointer position and buttons that the window procedure records, and
// the installer's cursors. Exactly one exists per process.
class MOUSE {
 public:
  MOUSE();
  ~MOUSE();
  MOUSE(const MOUSE&) = delete;
  MOUSE& operator=(const MOUSE&) = delete;

  void SetShape(int shape);
  void RefreshCursor();
  void GetPosition(int16_t& x, int16_t& y) const;
  void GetLeftButton(uint8_t& left) const;
  void GetButtons(uint8_t& left, uint8_t& right) const;
  void ClearButtons();

  int shape() const { return shape_; }

  static MOUSE* instance();

 private:
  int shape_ = -1;
};
