// SPDX-License-Identifier: MIT
// extenso through the static library, with the message box intercepted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/automation/text.h"
#include "platform/win/msgbox.h"
#include "verbanum/extenso.h"

namespace {

// A zero-terminated text on the heap, exactly as long as it says, so that the
// sanitizers see any access past its terminator.
std::vector<char> Text(std::string_view s) {
  std::vector<char> v(s.begin(), s.end());
  v.push_back('\0');
  return v;
}

std::vector<char> Blanks(std::size_t n) { return Text(std::string(n, ' ')); }

// Every box shown during its lifetime.
class BoxRecorder {
 public:
  BoxRecorder()
      : hook_([this](const win::MessageBoxRequest& r) {
          boxes.push_back(r);
          return win::IDOK;
        }) {}
  std::vector<win::MessageBoxRequest> boxes;

 private:
  win::ScopedMessageBoxHook hook_;
};

struct Outcome {
  std::int32_t result;
  std::string words;    // the first `result` bytes of the buffer, in UTF-8
  std::string message;  // the box's text, empty when none
  bool rest_kept;       // the buffer beyond the words is as it was
};

Outcome Call(std::string_view input, std::size_t room = 511) {
  BoxRecorder recorder;
  auto valor = Text(input);
  auto buffer = Blanks(room);
  const auto before = buffer;
  const std::int32_t result = extenso(valor.data(), buffer.data());
  Outcome out{result, {}, {}, false};
  const auto n = static_cast<std::size_t>(std::max<std::int32_t>(result, 0));
  out.words = automation::Cp1252ToUtf8(std::string_view(buffer.data(), n));
  out.rest_kept = std::equal(buffer.begin() + static_cast<std::ptrdiff_t>(n), buffer.end(),
                             before.begin() + static_cast<std::ptrdiff_t>(n));
  EXPECT_LE(recorder.boxes.size(), 1u) << input;
  if (!recorder.boxes.empty()) {
    const auto& box = recorder.boxes.front();
    EXPECT_EQ(box.caption, "Função Extenso");
    EXPECT_EQ(box.style, win::MB_OK);
    EXPECT_EQ(box.owner, nullptr);
    out.message = box.text;
  }
  return out;
}

struct Case {
  const char* input;
  const char* words;    // or the message, when length is 0
  std::int32_t length;
};

constexpr const char* kNada = "Nada a converter";
constexpr const char* kNenhum = "Nenhum valor foi informado";
constexpr const char* kNaoNumericos = "Há caracteres não numéricos no texto";
constexpr const char* kPontuacao = "Pontuação incorreta";
constexpr const char* kGrande = "Número muito grande";

const Case kCases[] = {
    // Units, tens, hundreds.
    {"1", " um real", 8},
    {"2", " dois reais", 11},
    {"3", " três reais", 11},
    {"10", " dez reais", 10},
    {"11", " onze reais", 11},
    {"19", " dezenove reais", 15},
    {"20", " vinte reais", 12},
    {"21", " vinte e um reais", 17},
    {"100", " cem reais", 10},
    {"101", " cento e um reais", 17},
    {"200", " duzentos reais", 15},
    // Groups, joiners and " de".
    {"1.000", " um mil reais", 13},
    {"1.001", " um mil e um reais", 18},
    {"1.100", " um mil e cem reais", 19},
    {"1.150", " um mil, cento e cinqüenta reais", 32},
    {"1234", " um mil, duzentos e trinta e quatro reais", 41},
    {"2.002", " dois mil e dois reais", 22},
    {"1.000.000", " um milhão de reais", 19},
    {"2.000.000", " dois milhões de reais", 22},
    {"1.000.001", " um milhão e um reais", 21},
    {"1.001.000", " um milhão e um mil reais", 25},
    {"2.001.000", " dois milhões e um mil reais", 28},
    {"1.000.000.000.000.000", " um quatrilhão de reais", 23},
    {"123456789012345678",
     " cento e vinte e três quatrilhões, quatrocentos e cinqüenta e seis trilhões, setecentos e"
     " oitenta e nove bilhões, doze milhões, trezentos e quarenta e cinco mil, seiscentos e"
     " setenta e oito reais",
     195},
    {"999.999.999.999.999.999,99",
     " novecentos e noventa e nove quatrilhões, novecentos e noventa e nove trilhões, novecentos"
     " e noventa e nove bilhões, novecentos e noventa e nove milhões, novecentos e noventa e"
     " nove mil, novecentos e noventa e nove reais e noventa e nove centavos",
     246},
    // With centavos no group is the first group: only group 0 takes " e".
    {"1.001.000,50", " um milhão, um mil reais e cinqüenta centavos", 45},
    {"1.500.000,50", " um milhão, quinhentos mil reais e cinqüenta centavos", 53},
    {"1.000.000,01", " um milhão de reais e um centavo", 32},
    {"R$ 1.234,56", " um mil, duzentos e trinta e quatro reais e cinqüenta e seis centavos", 69},
    {"R$ 1.234,56 ", " um mil, duzentos e trinta e quatro reais e cinqüenta e seis centavos", 69},
    // Centavos.
    {"0,01", " um centavo de real", 19},
    {"0,10", " dez centavos de real", 21},
    {"1,05", " um real e cinco centavos", 25},
    {"1,5", " um real e cinqüenta centavos", 29},
    {"1,10", " um real e dez centavos", 23},
    {"1,19", " um real e dezenove centavos", 28},
    {"1,999", " um real e noventa e nove centavos", 34},
    {"1,0", " um real", 8},
    {"1,00", " um real", 8},
    {"1.000,00", " um mil reais", 13},
    {"1,5x", " um real e cinqüenta centavos", 29},
    {"-5", " cinco reais", 12},
    // A comma dropped just before the first digit is the decimal comma.
    {",50", " cinqüenta centavos de real", 27},
    {"R$ ,50", " cinqüenta centavos de real", 27},
    {"R$,50", " cinqüenta centavos de real", 27},
    {"-,05", " cinco centavos de real", 23},
    {",5", " cinqüenta centavos de real", 27},
    {",,22", " vinte e dois centavos de real", 30},
    {", 50", " cinqüenta reais", 16},
    // Errors, in the order they are checked.
    {"", kNada, 0},
    {"abc", kNenhum, 0},
    {"R$ - ,", kNenhum, 0},
    {"1,x5", kNaoNumericos, 0},
    {"1,2,3", kNaoNumericos, 0},
    {"1.5,x1", kNaoNumericos, 0},  // centavos before dots
    {"1.5", kPontuacao, 0},
    {"1234.567", kPontuacao, 0},
    {"1.23.456", kPontuacao, 0},
    {"1.2345", kPontuacao, 0},
    {"1.234.5678", kPontuacao, 0},
    {"1a.5", kPontuacao, 0},  // dots before other characters
    {"1234567890123456789", kGrande, 0},
    {"1.234.567.890.123.456.789", kGrande, 0},
    {"12345678901234567a89", kGrande, 0},  // length before other characters
    {"1 234", kNaoNumericos, 0},
    {"1a2", kNaoNumericos, 0},
    {"1.2a4", kNaoNumericos, 0},
    {"1a,5x", kNaoNumericos, 0},
};

TEST(Extenso, Cases) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    const Outcome out = Call(c.input);
    EXPECT_EQ(out.result, c.length);
    if (c.length > 0) {
      EXPECT_EQ(out.words, c.words);
      EXPECT_EQ(out.message, "");
    } else {
      EXPECT_EQ(out.message, c.words);
    }
    EXPECT_TRUE(out.rest_kept);
  }
}

TEST(Extenso, ZeroAmountGivesNothingAndNoMessage) {
  for (const char* input : {"0", "000", "0,00", "0,0", "R$ 0,00", "0.000", ",00"}) {
    SCOPED_TRACE(input);
    const Outcome out = Call(input);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.message, "");
    EXPECT_TRUE(out.rest_kept);
  }
}

TEST(Extenso, WordsAreWindows1252Bytes) {
  struct Bytes {
    const char* input;
    std::string_view bytes;
  } const cases[] = {
      {"3", " tr\xEAs reais"},
      {"50", " cinq\xFC" "enta reais"},
      {"1.000.000", " um milh\xE3o de reais"},
      {"2.000.000", " dois milh\xF5" "es de reais"},
  };
  for (const auto& c : cases) {
    auto valor = Text(c.input);
    auto buffer = Blanks(64);
    ASSERT_EQ(extenso(valor.data(), buffer.data()), static_cast<std::int32_t>(c.bytes.size()));
    EXPECT_EQ(std::string_view(buffer.data(), c.bytes.size()), c.bytes);
  }
}

TEST(Extenso, InputIsReadAsBytes) {
  // Bytes above 0x7F are characters like any other: dropped at the ends, refused inside.
  EXPECT_EQ(Call("\xA4 12\xE9").words, " doze reais");
  EXPECT_EQ(Call("1\xFF" "2").message, kNaoNumericos);
}

// The caller's text must be at least as long as the words.
TEST(Extenso, BufferRoom) {
  struct Room {
    std::size_t room;
    std::int32_t result;
  } const cases[] = {{0, 0}, {1, 0}, {7, 0}, {8, 8}, {9, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.room);
    const Outcome out = Call("1", c.room);  // " um real", 8 bytes
    EXPECT_EQ(out.result, c.result);
    EXPECT_EQ(out.message, c.result == 0 ? "Espaço insuficiente para o valor por extenso" : "");
    EXPECT_TRUE(out.rest_kept);
  }
}

TEST(Extenso, OverwritesTheStartOnlyAndWritesNoTerminator) {
  auto valor = Text("21");
  // Bytes after the terminator belong to the caller too.
  std::vector<char> buffer = Text("0123456789abcdefghijklmnopqrstuvwxyz");
  buffer.insert(buffer.end(), {'#', '#'});
  ASSERT_EQ(extenso(valor.data(), buffer.data()), 17);
  EXPECT_EQ(std::string(buffer.data()), " vinte e um reaishijklmnopqrstuvwxyz");
  EXPECT_EQ(buffer[37], '#');
  EXPECT_EQ(buffer[38], '#');
}

TEST(Extenso, NullPointers) {
  BoxRecorder recorder;
  auto buffer = Blanks(32);
  EXPECT_EQ(extenso(nullptr, buffer.data()), 0);
  auto valor = Text("1");
  EXPECT_EQ(extenso(valor.data(), nullptr), 0);
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[0].text, kNada);
  EXPECT_EQ(recorder.boxes[1].text, "Espaço insuficiente para o valor por extenso");
}

TEST(Extenso, LongInputs) {
  EXPECT_EQ(Call(std::string(1 << 20, '9')).message, kGrande);
  EXPECT_EQ(Call(std::string(1 << 20, ' ')).message, kNenhum);
  EXPECT_EQ(Call(std::string(1 << 20, ' ') + "7" + std::string(1 << 20, '-')).words, " sete reais");
  EXPECT_EQ(Call("1," + std::string(1 << 20, '1')).words, " um real e onze centavos");
}

// Each call keeps its own state.
TEST(Extenso, ConcurrentCalls) {
  const auto find = [](std::string_view input) {
    return *std::find_if(std::begin(kCases), std::end(kCases), [&](const Case& c) { return c.input == input; });
  };
  const Case a = find("R$ 1.234,56");
  const Case b = find("999.999.999.999.999.999,99");
  std::vector<std::jthread> threads;
  std::vector<int> wrong(4, 0);
  for (int i = 0; i < 4; ++i) {
    threads.emplace_back([&, i] {
      const Case& c = i % 2 ? a : b;
      auto valor = Text(c.input);
      for (int n = 0; n < 2000; ++n) {
        auto buffer = Blanks(300);
        const std::int32_t r = extenso(valor.data(), buffer.data());
        if (r != c.length || automation::Cp1252ToUtf8(std::string_view(buffer.data(), r)) != c.words) ++wrong[i];
      }
    });
  }
  threads.clear();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
