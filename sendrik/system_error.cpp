// SPDX-License-Identifier: MIT
#include "sendrik/system_error.h"

#include <cerrno>
#include <string_view>

namespace sendrik {

std::string SystemErrorText(int error) {
  struct Reason {
    int error;
    std::string_view text;
  };
  static constexpr Reason kReasons[] = {
      {ENOENT, "o arquivo ou a pasta não existe"},
      {EACCES, "permissão negada"},
      {EPERM, "operação não permitida"},
      {EISDIR, "é uma pasta"},
      {ENOTDIR, "uma parte do caminho não é uma pasta"},
      {ENAMETOOLONG, "o nome é longo demais"},
      {ELOOP, "há links simbólicos demais no caminho"},
      {ENOSPC, "não há espaço livre no disco"},
      {EDQUOT, "a cota de disco acabou"},
      {EROFS, "o sistema de arquivos é somente leitura"},
      {EFBIG, "o arquivo é grande demais"},
      {EIO, "erro de entrada e saída"},
      {EMFILE, "há arquivos abertos demais"},
      {ENFILE, "há arquivos abertos demais no sistema"},
      {ENOMEM, "não há memória suficiente"},
      {ENXIO, "o dispositivo não está disponível"},
      {ENODEV, "o dispositivo não está disponível"},
      {ETXTBSY, "o arquivo está em uso"},
      {EBUSY, "o recurso está ocupado"},
      {EINVAL, "argumento inválido"},
      {ESTALE, "o arquivo de rede não está mais disponível"},
  };
  for (const Reason& r : kReasons)
    if (r.error == error) return std::string(r.text);
  return "erro " + std::to_string(error) + " do sistema";
}

}  // namespace sendrik
