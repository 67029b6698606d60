// A shared library loaded when a run first needs it. A library linked to
// the executable is loaded and relocated at every start, which for a large
// one (the TLS library) costs more than converting a small report.
#pragma once

#include <string>
#include <utility>

namespace qv {

class SharedLibrary {
 public:
  // Loads the library by its file name as the dynamic linker finds it
  // ("libssl.so.3"), with its own dependencies; throws qv::Error of `kind`
  // naming it when it cannot be loaded. The library stays loaded for the
  // rest of the process.
  static SharedLibrary Load(const std::string& fileName, const std::string& kind);

  // The address of a symbol of the library or of its dependencies; throws
  // qv::Error when it is missing.
  void* Symbol(const char* name) const;

  // Symbol() as a pointer of the given type: Bind(name, pointer).
  template <typename Pointer>
  void Bind(const char* name, Pointer& pointer) const {
    pointer = reinterpret_cast<Pointer>(Symbol(name));
  }

 private:
  SharedLibrary(void* handle, std::string fileName, std::string kind)
      : handle_(handle), fileName_(std::move(fileName)), kind_(std::move(kind)) {}

  void* handle_;
  std::string fileName_;
  std::string kind_;
};

}  // namespace qv
