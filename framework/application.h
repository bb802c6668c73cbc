#pragma once

// The application object of the window framework. The program never runs the
// framework's message loop; it keeps the object for its module, from which
// the window's icons are loaded.
class TApplication {
 public:
  // `module` is the handle resources are loaded from; null means the program's
  // own instance.
  TApplication(const char* name, void* instance, void* previousInstance, const char* commandLine,
               int showCommand, void* module = nullptr, void* dictionary = nullptr);
  virtual ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const char* name() const { return name_; }
  void* module() const { return module_; }

  // The one application object of the process, or null.
  static TApplication* current();

 private:
  const char* name_;
  void* module_;
};
