// SPDX-License-Identifier: MIT
#pragma once
// Binds a class's member functions to dispatch: the method table of a class
// is a list of com::Method<&Class::Name>("Name", {"param", ...}) entries; the
// parameter types and the result are taken from the member function itself.

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/variant.h"
#include "platform/com/bind_fwd.h"
#include "platform/com/dispatch.h"

namespace com {

// How a parameter of C++ type T& travels in a Variant.
template <class T, class = void>
struct Param;

template <class T, Type kType, T (*kConvert)(const Variant&)>
struct ValueParam {
  static constexpr Type type = kType;
  using Holder = T;
  static Holder In(Variant& v) { return kConvert(v); }
  static T& Ref(Holder& h) { return h; }
  static void Out(const Holder& h, Variant& v) { v = Variant(h); }
};

inline std::string ToString(const Variant& v) { return automation::CStr(v); }

template <> struct Param<std::string> : ValueParam<std::string, Type::String, &ToString> {};
template <> struct Param<std::int32_t> : ValueParam<std::int32_t, Type::Long, &automation::CLng> {};
template <> struct Param<std::int16_t> : ValueParam<std::int16_t, Type::Integer, &automation::CInt> {};
template <> struct Param<std::uint8_t> : ValueParam<std::uint8_t, Type::Byte, &automation::CByte> {};
template <> struct Param<double> : ValueParam<double, Type::Double, &automation::CDbl> {};
template <> struct Param<float> : ValueParam<float, Type::Single, &automation::CSng> {};
template <> struct Param<automation::Date> : ValueParam<automation::Date, Type::Date, &automation::CDate> {};
template <> struct Param<bool> : ValueParam<bool, Type::Boolean, &automation::CBool> {};

// A Variant parameter is the caller's own Variant.
template <>
struct Param<Variant> {
  static constexpr Type type = Type::Variant;
  using Holder = Variant*;
  static Holder In(Variant& v) { return &v; }
  static Variant& Ref(Holder h) { return *h; }
  static void Out(Holder, Variant&) {}
};

// An object parameter (a connection): the Variant must hold an object of that class.
template <class T>
struct Param<T, std::enable_if_t<std::is_base_of_v<automation::Object, T>>> {
  static constexpr Type type = Type::Object;
  using Holder = T*;
  static Holder In(Variant& v) {
    const auto* object = v.get_if<std::shared_ptr<automation::Object>>();
    T* p = object ? dynamic_cast<T*>(object->get()) : nullptr;
    if (!p) automation::raise(automation::err::kTypeMismatch);
    return p;
  }
  static T& Ref(Holder h) { return *h; }
  static void Out(Holder, Variant&) {}
};

template <class R>
constexpr Type ResultType() {
  if constexpr (std::is_void_v<R>) return Type::Boolean;
  else return Param<R>::type;
}

template <class F>
struct Signature;
template <class C, class R, class... A>
struct Signature<R (C::*)(A...)> {
  using Class = C;
  using Result = R;
  static constexpr std::size_t arity = sizeof...(A);
};

template <class C>
struct MethodEntry {
  MethodInfo info;
  CallResult (*call)(C& object, std::span<Variant> args);
};

namespace detail {

template <auto Fn, class C, class R, class... A, std::size_t... I>
CallResult Call(C& object, std::span<Variant> args, R (C::*)(A...), std::index_sequence<I...>) {
  CallResult result;
  // Converting the arguments: a failure here calls nothing.
  using Held = std::tuple<typename Param<std::remove_reference_t<A>>::Holder...>;
  Held held;
  try {
    held = Held{Param<std::remove_reference_t<A>>::In(args[I])...};  // left to right
  } catch (...) {
    result.error = automation::ErrorOf(std::current_exception());
    return result;
  }
  try {
    if constexpr (std::is_void_v<R>) {
      (object.*Fn)(Param<std::remove_reference_t<A>>::Ref(std::get<I>(held))...);
      result.value = true;
    } else {
      result.value = Variant((object.*Fn)(Param<std::remove_reference_t<A>>::Ref(std::get<I>(held))...));
    }
  } catch (...) {
    result.error = automation::ErrorOf(std::current_exception());
  }
  // What the method wrote stays written, also after a failure.
  (Param<std::remove_reference_t<A>>::Out(std::get<I>(held), args[I]), ...);
  return result;
}

}  // namespace detail

template <auto Fn, class C, class R, class... A, std::size_t N>
MethodEntry<C> MakeEntry(std::string_view name, const char* const (&params)[N], R (C::*)(A...)) {
  static_assert((std::is_lvalue_reference_v<A> && ...), "every parameter is passed by reference");
  static constexpr std::array<Type, sizeof...(A)> types{Param<std::remove_reference_t<A>>::type...};
  MethodEntry<C> entry;
  entry.info.name = std::string(name);
  for (std::size_t i = 0; i < N; ++i) entry.info.params.push_back({params[i], types[i]});
  entry.info.returns_status = std::is_void_v<R>;
  entry.info.result = ResultType<R>();
  entry.call = [](C& object, std::span<Variant> args) {
    return detail::Call<Fn>(object, args, Fn, std::index_sequence_for<A...>{});
  };
  return entry;
}

// One method of a class's table. Every parameter must be a reference.
template <auto Fn, std::size_t N>
MethodEntry<typename Signature<decltype(Fn)>::Class> Method(std::string_view name,
                                                            const char* const (&params)[N]) {
  using S = Signature<decltype(Fn)>;
  static_assert(N == S::arity, "one name per parameter");
  return MakeEntry<Fn>(name, params, Fn);
}

// A class's dispatch description: its registered name and method table in
// interface order, built once per class.
template <class C>
struct ClassDescription {
  using Call = CallResult (*)(C& object, std::span<Variant> args);

  ClassDescription(std::string class_name, std::vector<MethodEntry<C>> entries) : name(std::move(class_name)) {
    for (auto& e : entries) {
      methods.push_back(std::move(e.info));
      calls.push_back(e.call);
    }
  }

  std::string name;
  std::vector<MethodInfo> methods;
  std::vector<Call> calls;  // calls[i] runs methods[i]
};

}  // namespace com
