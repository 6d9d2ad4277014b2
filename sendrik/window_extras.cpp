#include "sendrik/window_extras.h"

#include <QAbstractItemView>

#include "platform/win/internal.h"

namespace sendrik {

void ClipListEntries(win::HWND list) {
  win::WindowHandle* h = win::detail::Live(list);
  if (auto* view = h != nullptr ? dynamic_cast<QAbstractItemView*>(h->widget) : nullptr) {
    view->setTextElideMode(Qt::ElideNone);
  }
}

}  // namespace sendrik
