#include "postscript/eexec_encryption.h"

namespace sorvella {

std::vector<uint8_t> encryptBytes(std::span<const uint8_t> plain, uint16_t key, int leadIn) {
  std::vector<uint8_t> out;
  out.reserve(plain.size() + static_cast<std::size_t>(leadIn > 0 ? leadIn : 0));
  EexecEncryptor encryptor(key);
  for (int i = 0; i < leadIn; ++i) out.push_back(encryptor.encrypt(0));
  for (uint8_t b : plain) out.push_back(encryptor.encrypt(b));
  return out;
}

}  // namespace sorvella
