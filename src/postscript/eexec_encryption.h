// The encrypting direction of the Type 1 running-key cipher, with which the writers hide the
// private part of a font program (key 55665) and every charstring (key 4330).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "postscript/eexec_cipher.h"

namespace sorvella {

class EexecEncryptor {
 public:
  explicit EexecEncryptor(uint16_t key = kEexecKey) : key_(key) {}

  uint8_t encrypt(uint8_t plain) {
    const uint8_t cipher = static_cast<uint8_t>(plain ^ (key_ >> 8));
    key_ = static_cast<uint16_t>((uint32_t{cipher} + key_) * kCipherMultiplier + kCipherIncrement);
    return cipher;
  }

 private:
  uint16_t key_;
};

// `leadIn` plain bytes of value 0 come first, so that equal input gives equal output.
std::vector<uint8_t> encryptBytes(std::span<const uint8_t> plain, uint16_t key, int leadIn);

}  // namespace sorvella
