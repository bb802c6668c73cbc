#include "framework/application.h"

namespace {
TApplication* currentApplication = nullptr;
}

TApplication::TApplication(const char* name, void* instance, void* /*previousInstance*/,
                           const char* /*commandLine*/, int /*showCommand*/, void* module,
                           void* /*dictionary*/)
    : name_(name), module_(module != nullptr ? module : instance) {
  currentApplication = this;
}

TApplication::~TApplication() {
  if (currentApplication == this) currentApplication = nullptr;
}

TApplication* TApplication::current() {
  return currentApplication;
}
