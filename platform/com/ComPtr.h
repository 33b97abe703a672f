#pragma once
// Holds one reference of an interface and gives it back when it goes.

#include <utility>

#include "platform/com/Interfaces.h"

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(Interface* pointer) : pointer_(pointer) {  // NOLINT: takes a new reference
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { reset(); }

  void reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // The slot for an out parameter; any old reference is released first.
  Interface** out() {
    reset();
    return &pointer_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }

  template <class Other>
  ComPtr<Other> query(REFIID iid) const {
    ComPtr<Other> result;
    if (pointer_ != nullptr) pointer_->QueryInterface(iid, result.outVoid());
    return result;
  }

 private:
  Interface* pointer_ = nullptr;
};
