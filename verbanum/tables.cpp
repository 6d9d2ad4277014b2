// SPDX-License-Identifier: MIT
#include "verbanum/tables.h"

#include "verbanum/cp1252.h"

namespace verbanum {
namespace {

constexpr auto kUm = Cp1252(" um");
constexpr auto kDois = Cp1252(" dois");
constexpr auto kTres = Cp1252(" três");
constexpr auto kQuatro = Cp1252(" quatro");
constexpr auto kCinco = Cp1252(" cinco");
constexpr auto kSeis = Cp1252(" seis");
constexpr auto kSete = Cp1252(" sete");
constexpr auto kOito = Cp1252(" oito");
constexpr auto kNove = Cp1252(" nove");
constexpr auto kDez = Cp1252(" dez");
constexpr auto kOnze = Cp1252(" onze");
constexpr auto kDoze = Cp1252(" doze");
constexpr auto kTreze = Cp1252(" treze");
constexpr auto kQuatorze = Cp1252(" quatorze");
constexpr auto kQuinze = Cp1252(" quinze");
constexpr auto kDezesseis = Cp1252(" dezesseis");
constexpr auto kDezessete = Cp1252(" dezessete");
constexpr auto kDezoito = Cp1252(" dezoito");
constexpr auto kDezenove = Cp1252(" dezenove");

constexpr auto kVinte = Cp1252(" vinte");
constexpr auto kTrinta = Cp1252(" trinta");
constexpr auto kQuarenta = Cp1252(" quarenta");
constexpr auto kCinquenta = Cp1252(" cinqüenta");
constexpr auto kSessenta = Cp1252(" sessenta");
constexpr auto kSetenta = Cp1252(" setenta");
constexpr auto kOitenta = Cp1252(" oitenta");
constexpr auto kNoventa = Cp1252(" noventa");

constexpr auto kCento = Cp1252(" cento");
constexpr auto kDuzentos = Cp1252(" duzentos");
constexpr auto kTrezentos = Cp1252(" trezentos");
constexpr auto kQuatrocentos = Cp1252(" quatrocentos");
constexpr auto kQuinhentos = Cp1252(" quinhentos");
constexpr auto kSeiscentos = Cp1252(" seiscentos");
constexpr auto kSetecentos = Cp1252(" setecentos");
constexpr auto kOitocentos = Cp1252(" oitocentos");
constexpr auto kNovecentos = Cp1252(" novecentos");

constexpr auto kMil = Cp1252(" mil");
constexpr auto kMilhao = Cp1252(" milhão");
constexpr auto kMilhoes = Cp1252(" milhões");
constexpr auto kBilhao = Cp1252(" bilhão");
constexpr auto kBilhoes = Cp1252(" bilhões");
constexpr auto kTrilhao = Cp1252(" trilhão");
constexpr auto kTrilhoes = Cp1252(" trilhões");
constexpr auto kQuatrilhao = Cp1252(" quatrilhão");
constexpr auto kQuatrilhoes = Cp1252(" quatrilhões");

// The library's load: the tables are ready before any call.
[[gnu::constructor]] void on_load() { inicializa_tabelas(); }

}  // namespace

WordTables tabelas;

void inicializa_tabelas() {
  tabelas = WordTables{
      .units = {{}, kUm.view(), kDois.view(), kTres.view(), kQuatro.view(), kCinco.view(),
                kSeis.view(), kSete.view(), kOito.view(), kNove.view(), kDez.view(),
                kOnze.view(), kDoze.view(), kTreze.view(), kQuatorze.view(), kQuinze.view(),
                kDezesseis.view(), kDezessete.view(), kDezoito.view(), kDezenove.view()},
      .tens = {{}, {}, kVinte.view(), kTrinta.view(), kQuarenta.view(), kCinquenta.view(),
               kSessenta.view(), kSetenta.view(), kOitenta.view(), kNoventa.view()},
      .hundreds = {{}, kCento.view(), kDuzentos.view(), kTrezentos.view(),
                   kQuatrocentos.view(), kQuinhentos.view(), kSeiscentos.view(),
                   kSetecentos.view(), kOitocentos.view(), kNovecentos.view()},
      .scales = {{},
                 {kMil.view(), kMil.view()},
                 {kMilhao.view(), kMilhoes.view()},
                 {kBilhao.view(), kBilhoes.view()},
                 {kTrilhao.view(), kTrilhoes.view()},
                 {kQuatrilhao.view(), kQuatrilhoes.view()}},
  };
}

}  // namespace verbanum
