// SPDX-License-Identifier: MIT
#include "platform/win/resource.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace win {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

struct Token {
  enum Kind { Word, Number, String, Open, Close, End } kind = End;
  std::string text;
  long number = 0;
  int line = 0;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  // Reads the next token; false with an error message on a malformed one.
  bool Next(Token& t, std::string& error) {
    SkipBlanksAndComments();
    t = Token{};
    t.line = line_;
    if (pos_ >= text_.size()) return true;
    char c = text_[pos_];
    if (c == '{') { ++pos_; t.kind = Token::Open; return true; }
    if (c == '}') { ++pos_; t.kind = Token::Close; return true; }
    if (c == '"') return ReadString(t, error);
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') return ReadNumber(t, error);
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      std::size_t start = pos_;
      while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                     text_[pos_] == '_' || text_[pos_] == '=' || text_[pos_] == '.'))
        ++pos_;
      t.kind = Token::Word;
      t.text = std::string(text_.substr(start, pos_ - start));
      return true;
    }
    error = std::string("unexpected character '") + c + "'";
    return false;
  }

 private:
  void SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') { ++line_; ++pos_; }
      else if (std::isspace(static_cast<unsigned char>(c)) || c == ',') ++pos_;
      else if (c == '#' || (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else break;
    }
  }

  bool ReadString(Token& t, std::string& error) {
    ++pos_;
    t.kind = Token::String;
    while (pos_ < text_.size()) {
      char c = text_[pos_++];
      if (c == '"') return true;
      if (c == '\n') break;
      if (c == '\\' && pos_ < text_.size()) {
        char e = text_[pos_++];
        switch (e) {
          case 'n': t.text += '\n'; break;
          case 't': t.text += '\t'; break;
          case 'r': t.text += '\r'; break;
          case '"': t.text += '"'; break;
          case '\\': t.text += '\\'; break;
          default: error = std::string("unknown escape \\") + e; return false;
        }
      } else {
        t.text += c;
      }
    }
    error = "unterminated text";
    return false;
  }

  bool ReadNumber(Token& t, std::string& error) {
    std::size_t start = pos_;
    if (text_[pos_] == '-') ++pos_;
    std::size_t digits = pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    if (pos_ == digits || pos_ - digits > 9) {
      error = "malformed number";
      return false;
    }
    t.kind = Token::Number;
    t.text = std::string(text_.substr(start, pos_ - start));
    t.number = std::stol(t.text);
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

struct KindName {
  const char* word;
  ControlKind kind;
};
constexpr std::array<KindName, 12> kKinds{{
    {"button", ControlKind::Button},       {"checkbox", ControlKind::CheckBox},
    {"autocheckbox", ControlKind::AutoCheckBox}, {"radio", ControlKind::Radio},
    {"autoradio", ControlKind::AutoRadio}, {"groupbox", ControlKind::GroupBox},
    {"static", ControlKind::Static},       {"edit", ControlKind::Edit},
    {"combobox", ControlKind::ComboBox},   {"listbox", ControlKind::ListBox},
    {"image", ControlKind::Image},         {"custom", ControlKind::Custom},
}};

bool ApplyStyle(std::string_view word, ControlStyle& s) {
  struct Flag {
    const char* word;
    bool ControlStyle::*member;
  };
  static constexpr Flag flags[] = {
      {"default", &ControlStyle::default_button}, {"disabled", &ControlStyle::disabled},
      {"hidden", &ControlStyle::hidden},          {"center", &ControlStyle::center},
      {"right", &ControlStyle::right},            {"ownerdraw", &ControlStyle::owner_draw},
      {"multiselect", &ControlStyle::multi_select}, {"notify", &ControlStyle::notify},
      {"vscroll", &ControlStyle::vscroll},        {"hscroll", &ControlStyle::hscroll},
      {"border", &ControlStyle::border},          {"group", &ControlStyle::group},
      {"password", &ControlStyle::password},      {"readonly", &ControlStyle::read_only},
  };
  for (const Flag& f : flags) {
    if (EqualNoCase(word, f.word)) {
      s.*(f.member) = true;
      return true;
    }
  }
  if (word.size() > 6 && EqualNoCase(word.substr(0, 6), "class=")) {
    s.window_class = std::string(word.substr(6));
    return true;
  }
  return false;
}

class Parser {
 public:
  Parser(std::string_view text, std::vector<DialogTemplate>& dialogs, std::map<int, std::string>& strings)
      : lexer_(text), dialogs_(dialogs), strings_(strings) {}

  bool Run(std::string& error) {
    if (!Advance()) return Fail(error);
    while (tok_.kind != Token::End) {
      if (tok_.kind == Token::Word && EqualNoCase(tok_.text, "dialog")) {
        if (!Dialog()) return Fail(error);
      } else if (tok_.kind == Token::Word && EqualNoCase(tok_.text, "strings")) {
        if (!Strings()) return Fail(error);
      } else {
        error_ = "expected dialog or strings";
        return Fail(error);
      }
    }
    return true;
  }

 private:
  bool Fail(std::string& error) {
    error = "line " + std::to_string(tok_.line) + ": " + error_;
    return false;
  }
  bool Advance() { return lexer_.Next(tok_, error_); }
  bool Expect(Token::Kind kind, const char* what) {
    if (tok_.kind != kind) {
      error_ = std::string("expected ") + what;
      return false;
    }
    return true;
  }
  bool Int(int& out, const char* what) {
    if (!Expect(Token::Number, what)) return false;
    out = static_cast<int>(tok_.number);
    return Advance();
  }
  bool Text(std::string& out, const char* what) {
    if (!Expect(Token::String, what)) return false;
    out = tok_.text;
    return Advance();
  }
  bool Id(int& out) {
    if (tok_.kind == Token::Word) {
      static constexpr std::pair<const char*, int> named[] = {
          {"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDYES", IDYES}, {"IDNO", IDNO}, {"IDC_STATIC", IDC_STATIC}};
      for (auto [word, id] : named) {
        if (EqualNoCase(tok_.text, word)) {
          out = id;
          return Advance();
        }
      }
      error_ = "unknown id " + tok_.text;
      return false;
    }
    return Int(out, "a control id");
  }

  bool Dialog() {
    DialogTemplate d;
    if (!Advance()) return false;
    if (tok_.kind == Token::Number) d.name = static_cast<int>(tok_.number);
    else if (tok_.kind == Token::String && !tok_.text.empty()) d.name = tok_.text;
    else {
      error_ = "expected a dialog name or number";
      return false;
    }
    for (const DialogTemplate& other : dialogs_) {
      bool same = other.name.is_number() == d.name.is_number() &&
                  (d.name.is_number() ? other.name.number() == d.name.number()
                                      : EqualNoCase(other.name.name(), d.name.name()));
      if (same) {
        error_ = "dialog " + d.name.text() + " defined twice";
        return false;
      }
    }
    if (!Advance() || !Expect(Token::Open, "{") || !Advance()) return false;
    while (tok_.kind == Token::Word) {
      std::string word = tok_.text;
      if (!Advance()) return false;
      if (EqualNoCase(word, "caption")) {
        if (!Text(d.caption, "a caption")) return false;
      } else if (EqualNoCase(word, "font")) {
        if (!Text(d.font_face, "a font face") || !Int(d.font_size, "a font size")) return false;
      } else if (EqualNoCase(word, "size")) {
        if (!Int(d.cx, "a width") || !Int(d.cy, "a height")) return false;
      } else if (EqualNoCase(word, "position")) {
        if (!Int(d.x, "x") || !Int(d.y, "y")) return false;
      } else if (!Control(word, d)) {
        return false;
      }
    }
    if (!Expect(Token::Close, "}")) return false;
    dialogs_.push_back(std::move(d));
    return Advance();
  }

  bool Control(const std::string& word, DialogTemplate& d) {
    auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const KindName& k) { return EqualNoCase(word, k.word); });
    if (kind == kKinds.end()) {
      error_ = "unknown control kind " + word;
      return false;
    }
    ControlTemplate c;
    c.kind = kind->kind;
    if (!Id(c.id)) return false;
    if (tok_.kind == Token::Word) {
      c.symbol = tok_.text;
      if (!Advance()) return false;
    }
    if (!Text(c.text, "the control's text") || !Int(c.x, "x") || !Int(c.y, "y") || !Int(c.cx, "width") ||
        !Int(c.cy, "height"))
      return false;
    // Styles run to the end of the line's words: the next control or keyword begins with a kind word.
    while (tok_.kind == Token::Word && ApplyStyle(tok_.text, c.style)) {
      if (!Advance()) return false;
    }
    if (c.kind == ControlKind::Custom && c.style.window_class.empty()) {
      error_ = "custom control without class=NAME";
      return false;
    }
    if (c.id != IDC_STATIC && d.control(c.id) != nullptr) {
      error_ = "control id " + std::to_string(c.id) + " used twice";
      return false;
    }
    d.controls.push_back(std::move(c));
    return true;
  }

  bool Strings() {
    if (!Advance() || !Expect(Token::Open, "{") || !Advance()) return false;
    while (tok_.kind == Token::Number) {
      int id = static_cast<int>(tok_.number);
      if (!Advance()) return false;
      std::string text;
      if (!Text(text, "the string's text")) return false;
      if (!strings_.emplace(id, std::move(text)).second) {
        error_ = "string " + std::to_string(id) + " defined twice";
        return false;
      }
    }
    if (!Expect(Token::Close, "}")) return false;
    return Advance();
  }

  Lexer lexer_;
  Token tok_;
  std::string error_;
  std::vector<DialogTemplate>& dialogs_;
  std::map<int, std::string>& strings_;
};

}  // namespace

const ControlTemplate* DialogTemplate::control(int id) const {
  for (const ControlTemplate& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

const ControlTemplate* DialogTemplate::control(std::string_view symbol) const {
  for (const ControlTemplate& c : controls)
    if (!c.symbol.empty() && EqualNoCase(c.symbol, symbol)) return &c;
  return nullptr;
}

std::unique_ptr<ResourceModule> ResourceModule::Parse(std::string_view text, std::string* error, std::string folder) {
  auto module = std::unique_ptr<ResourceModule>(new ResourceModule);
  std::string message;
  Parser parser(text, module->dialogs_, module->strings_);
  if (!parser.Run(message)) {
    if (error) *error = message;
    return nullptr;
  }
  module->folder_ = std::move(folder);
  return module;
}

std::unique_ptr<ResourceModule> ResourceModule::Load(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return nullptr;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string folder;
  if (auto slash = path.find_last_of('/'); slash != std::string::npos) folder = path.substr(0, slash);
  std::string message;
  auto module = Parse(text.str(), &message, folder);
  if (!module && error) *error = path + ": " + message;
  return module;
}

const DialogTemplate* ResourceModule::dialog(const ResId& name) const {
  for (const DialogTemplate& d : dialogs_) {
    if (d.name.is_number() != name.is_number()) continue;
    if (name.is_number() ? d.name.number() == name.number() : EqualNoCase(d.name.name(), name.name())) return &d;
  }
  return nullptr;
}

std::optional<std::string_view> ResourceModule::string(int id) const {
  auto it = strings_.find(id);
  if (it == strings_.end()) return std::nullopt;
  return it->second;
}

int LoadString(HINSTANCE module, int id, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  if (module == nullptr) return 0;
  auto text = module->string(id);
  if (!text) return 0;
  std::size_t n = std::min(text->size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text->data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

DialogFontMetrics FontMetrics(std::string_view face, int point_size) {
  // Base units (pixels per 4 x 8 dialog units) of the faces the templates
  // name, as a 96-dpi screen gives them, and the DejaVu Sans pixel size that
  // fills the same room.
  struct Row {
    const char* face;
    int size, base_x, base_y, pixel;
  };
  static constexpr Row table[] = {
      {"MS Sans Serif", 7, 5, 12, 9},   {"MS Sans Serif", 8, 6, 13, 10}, {"MS Sans Serif", 9, 6, 15, 11},
      {"MS Sans Serif", 10, 7, 16, 12}, {"MS Sans Serif", 12, 8, 20, 14}, {"MS Shell Dlg", 8, 6, 13, 10},
  };
  DialogFontMetrics m;
  for (const Row& r : table) {
    if (EqualNoCase(face, r.face) && point_size == r.size) {
      m.base_x = r.base_x;
      m.base_y = r.base_y;
      m.pixel_size = r.pixel;
      return m;
    }
  }
  int size = std::clamp(point_size, 4, 72);
  m.base_x = std::max(1, (size * 3 + 2) / 4);
  m.base_y = std::max(1, (size * 13 + 4) / 8);
  m.pixel_size = std::max(1, (size * 5 + 2) / 4);
  if (EqualNoCase(face, "Courier") || EqualNoCase(face, "Courier New")) m.draw_face = "DejaVu Sans Mono";
  return m;
}

RECT DialogUnitsToPixels(const DialogFontMetrics& m, int x, int y, int cx, int cy) {
  // In 64 bits: a template may give any nine-digit number; pixels beyond the
  // int range are clamped to it.
  auto clamp = [](std::int64_t p) {
    return static_cast<int>(std::clamp<std::int64_t>(p, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  };
  auto h = [&](std::int64_t u) { return clamp((u * m.base_x + (u >= 0 ? 2 : -2)) / 4); };
  auto v = [&](std::int64_t u) { return clamp((u * m.base_y + (u >= 0 ? 4 : -4)) / 8); };
  return RECT{h(x), v(y), h(std::int64_t{x} + cx), v(std::int64_t{y} + cy)};
}

}  // namespace win
