// SPDX-License-Identifier: MIT
#include "quorvel/common/errors.h"

namespace quorvel {

void pTrataErro(std::string& DescErr, const ErrObject& err) {
  const std::string text = std::to_string(err.number) + "    " + std::string(kIdentification);
  if (err.number != 0) DescErr = text;
}

}  // namespace quorvel
