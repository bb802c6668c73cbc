#pragma once

#include <cstdint>

class InputQueue;

// The pointer position and buttons that the display window reported, and the
// installer's cursors. Exactly one exists per process.
class MOUSE {
 public:
  explicit MOUSE(InputQueue& input);
  ~MOUSE();
  MOUSE(const MOUSE&) = delete;
  MOUSE& operator=(const MOUSE&) = delete;

  void SetShape(int shape);
  void RefreshCursor();
  void GetPosition(int16_t& x, int16_t& y) const;
  void GetLeftButton(uint8_t& left) const;
  void GetButtons(uint8_t& left, uint8_t& right) const;
  // Forgets pressed buttons and button changes that wait for a turn.
  void ClearButtons();

  int shape() const { return shape_; }

  static MOUSE* instance();

 private:
  InputQueue& input_;
  int shape_ = -1;
};
