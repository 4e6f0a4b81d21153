// The running-key cipher of Type 1 font programs, which hides both the private part (eexec)
// and every charstring: its keys and the decrypting direction (the writers' is beside it).
#pragma once

#include <cstdint>
#include <span>

namespace sorvella {

inline constexpr uint16_t kEexecKey = 55665;
inline constexpr uint16_t kCharstringKey = 4330;
inline constexpr uint16_t kCipherMultiplier = 52845;  // c1
inline constexpr uint16_t kCipherIncrement = 22719;   // c2

class EexecDecryptor {
 public:
  explicit EexecDecryptor(uint16_t key = kEexecKey) : key_(key) {}

  uint8_t decrypt(uint8_t cipher) {
    const uint8_t plain = static_cast<uint8_t>(cipher ^ (key_ >> 8));
    // 32-bit unsigned arithmetic: the product overflows int.
    key_ = static_cast<uint16_t>((uint32_t{cipher} + key_) * kCipherMultiplier + kCipherIncrement);
    return plain;
  }
  void decrypt(std::span<uint8_t> bytes);

  uint16_t key() const { return key_; }

 private:
  uint16_t key_;
};

}  // namespace sorvella
