#include "postscript/eexec_cipher.h"

namespace sorvella {

void EexecDecryptor::decrypt(std::span<uint8_t> bytes) {
  for (uint8_t& byte : bytes) byte = decrypt(byte);
}

}  // namespace sorvella
