#include "platform/shared_library.h"

#include <dlfcn.h>

#include "platform/error.h"

namespace qv {

SharedLibrary SharedLibrary::Load(const std::string& fileName, const std::string& kind) {
  void* handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = ::dlerror();
    throw Error(kind, "'" + fileName + "' nem toltheto be" +
                          (reason != nullptr ? std::string(": ") + reason : std::string()));
  }
  return SharedLibrary(handle, fileName, kind);
}

void* SharedLibrary::Symbol(const char* name) const {
  ::dlerror();
  void* address = ::dlsym(handle_, name);
  if (address == nullptr) {
    const char* reason = ::dlerror();
    throw Error(kind_, "'" + fileName_ + "' hianyos, nincs benne: " + name +
                           (reason != nullptr ? std::string(" (") + reason + ")" : std::string()));
  }
  return address;
}

}  // namespace qv
