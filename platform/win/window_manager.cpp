// SPDX-License-Identifier: MIT
// What a top-level window asks of the X window manager beyond Qt's flags.

#include "platform/win/internal.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace win::detail {
namespace {

// The Motif window manager hints: flags, functions, decorations, input mode, status.
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationTitle = 1u << 3;
constexpr std::uint32_t kDecorationMenu = 1u << 4;
constexpr int kHintsLength = 5;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

// The program's connection to the X server; none on another platform.
xcb_connection_t* X11() {
  if (qApp == nullptr || QGuiApplication::platformName() != "xcb") return nullptr;
  const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : 0;
}

}  // namespace

void OfferNoCloseFunction(QWidget* window) {
  xcb_connection_t* connection = X11();
  if (connection == nullptr || window == nullptr) return;
  const xcb_atom_t hints = Atom(connection, "_MOTIF_WM_HINTS");
  if (hints == 0) return;
  // Qt asks for every function when a window has no minimise, maximise or
  // close button; the list of functions is explicit here: moving alone.
  const auto id = static_cast<xcb_window_t>(window->winId());
  const std::uint32_t value[kHintsLength] = {kHintsFunctions | kHintsDecorations, kFunctionMove,
                                             kDecorationBorder | kDecorationTitle | kDecorationMenu, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, hints, hints, 32, kHintsLength, value);
  xcb_flush(connection);
}

QPoint ScreenOrigin(QWidget* window) {
  xcb_connection_t* connection = X11();
  if (connection == nullptr || !window->testAttribute(Qt::WA_WState_Created)) return window->mapToGlobal(QPoint(0, 0));
  const auto id = static_cast<xcb_window_t>(window->winId());
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  std::unique_ptr<xcb_translate_coordinates_reply_t, FreeReply> reply(xcb_translate_coordinates_reply(
      connection, xcb_translate_coordinates(connection, id, screen->root, 0, 0), nullptr));
  if (!reply) return window->mapToGlobal(QPoint(0, 0));
  return QPoint(reply->dst_x, reply->dst_y);
}

}  // namespace win::detail
