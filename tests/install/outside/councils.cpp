// SPDX-License-Identifier: MIT
// councils CONNECTION: on a database made with the schema, inserts a
// council through Quorvel.classConselho (created by name from the class
// registry) and reads it back through the same object.
#include <cstdint>
#include <iostream>
#include <memory>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/com/client.h"

using automation::Variant;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: councils CONNECTION\n";
    return 2;
  }
  try {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(argv[1]);
    const Variant ConnRH{std::shared_ptr<automation::Object>(connection)};

    auto conselho = com::CreateObject("Quorvel.classConselho");
    std::vector<Variant> inc{ConnRH, Variant(""), Variant("outside"), Variant("pc1"), Variant(),
                             Variant("CRO"), Variant("Conselho Regional de Odontologia")};
    com::CallResult r = conselho->Invoke("IncConselho", inc);
    if (r.failed() || !automation::CStr(inc[1]).empty()) {
      std::cerr << "IncConselho: " << r.error.description << automation::CStr(inc[1]) << "\n";
      return 1;
    }
    std::vector<Variant> bus{ConnRH, Variant(""), inc[4], Variant(""), Variant("")};
    r = conselho->Invoke("BusConselho", bus);
    if (r.failed() || !automation::CStr(bus[1]).empty()) {
      std::cerr << "BusConselho: " << r.error.description << automation::CStr(bus[1]) << "\n";
      return 1;
    }
    std::cout << "key=" << automation::CLng(inc[4]) << " sigla=" << automation::CStr(bus[3])
              << " nome=" << automation::CStr(bus[4]) << "\n";
    connection->Close();
  } catch (const automation::Error& e) {
    std::cerr << "error " << e.number() << ": " << e.description() << "\n";
    return 1;
  }
  return 0;
}
