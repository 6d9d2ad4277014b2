// SPDX-License-Identifier: MIT
#include "platform/win/owner_list.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/win/internal.h"

namespace win {
namespace detail {
namespace {

constexpr const char* kOwnerDrawName = "qv-owner-draw";

LRESULT DefaultControlProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  WindowHandle* h = Live(window);
  if (!h) return 0;
  if (msg == WM_SETFONT) {
    h->font = reinterpret_cast<HFONT>(wparam);
    if (h->font)
      h->widget->setFont(h->font->font);
    else if (h->owner_window && h->owner_window->kind == WindowKind::Dialog)
      h->widget->setFont(static_cast<Dialog*>(h->owner_window)->template_font);
    if (lparam) h->widget->update();
    return 0;
  }
  if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(h->font);
  return 0;
}

LRESULT StandardListProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// The owner-drawn side of one list: its item height, its picture and the
// translation of Qt's input into the list's messages. A child of the list.
class OwnerDraw final : public QObject {
 public:
  explicit OwnerDraw(ListBox* l) : QObject(l), list(l), self(l) {
    setObjectName(kOwnerDrawName);
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    if (list->styles.vscroll) list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setMouseTracking(false);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    ResizeCanvas(list, list->viewport()->size());
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                       for (const QModelIndex& i : deselected.indexes()) DrawItem(i.row(), ODA_SELECT);
                       for (const QModelIndex& i : selected.indexes()) DrawItem(i.row(), ODA_SELECT);
                     });
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { InvalidateAll(); });
    QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, this, [this] { InvalidateAll(); });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { InvalidateAll(); });
    QObject::connect(model, &QAbstractItemModel::modelReset, this, [this] { InvalidateAll(); });
    list->subclass = StandardListProc;
  }

  int TopIndex() const {
    if (list->count() == 0) return 0;
    QModelIndex top = list->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
  }

  QRect ItemRect(int row) const {
    return QRect(0, (row - TopIndex()) * item_height, list->viewport()->width(), item_height);
  }

  bool Visible(const QRect& r) const { return r.bottom() >= 0 && r.top() < list->viewport()->height(); }

  // The list is gone (or going: its model and this object die after it).
  bool Gone() const { return Live(self) == nullptr; }

  void InvalidateAll() {
    if (Gone() || !list->canvas) return;
    list->canvas->invalid = QRegion(list->canvas->image.rect());
    list->canvas->erase = true;
    list->viewport()->update();
  }

  void DrawItem(int row, UINT action) {
    if (Gone() || row < 0 || row >= list->count() || !list->canvas) return;
    QRect r = ItemRect(row);
    if (!Visible(r)) return;
    HWND self = list;
    HDC dc = GetDC(self);
    if (!dc) {  // being painted: draw it with the rest
      list->canvas->invalid += r;
      list->viewport()->update(r);
      return;
    }
    QListWidgetItem* item = list->item(row);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(list->id);
    dis.itemID = row;
    dis.itemAction = action;
    dis.itemState =
        (item->isSelected() ? ODS_SELECTED : 0u) | (list->hasFocus() && list->currentRow() == row ? ODS_FOCUS : 0u);
    dis.hwndItem = self;
    dis.hDC = dc;
    dis.rcItem = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    dis.itemData = static_cast<LPARAM>(item->data(Qt::UserRole).toLongLong());
    Deliver(list->owner_window, WM_DRAWITEM, static_cast<WPARAM>(list->id), reinterpret_cast<LPARAM>(&dis));
    if (!Live(self)) return;
    ReleaseDC(self, dc);
    list->viewport()->update(r);
  }

  void PaintPending() {
    Canvas& c = *list->canvas;
    if (c.active || c.invalid.isEmpty()) return;
    QRegion invalid = c.invalid;
    bool erase = c.erase;
    c.invalid = QRegion();
    c.erase = false;
    if (erase) {
      QPainter p(&c.image);
      for (const QRect& r : invalid) p.fillRect(r, list->palette().color(QPalette::Base));
    }
    for (int row = TopIndex(); row < list->count(); ++row) {
      QRect r = ItemRect(row);
      if (!Visible(r)) break;
      if (invalid.intersects(r)) DrawItem(row, ODA_DRAWENTIRE);
    }
  }

  void SetItemHeight(int height) {
    item_height = std::max(1, height);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(list->viewport()->width(), item_height));
    InvalidateAll();
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (Gone()) return false;
    QWidget* viewport = list->viewport();
    switch (e->type()) {
      case QEvent::Paint:
        if (watched != viewport) return false;
        if (!list->canvas) ResizeCanvas(list, viewport->size());
        {
          const PaintingScope painting(list);
          PaintPending();
        }
        {
          QPainter p(viewport);
          p.drawImage(0, 0, list->canvas->image);
          // Where the focus is: a frame inside the current item.
          if (list->hasFocus() && list->currentRow() >= 0 && Visible(ItemRect(list->currentRow())))
            DrawFocusFrame(p, ItemRect(list->currentRow()).adjusted(1, 1, -1, -1));
        }
        return true;
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        if (watched == list) viewport->update();
        return false;
      case QEvent::Resize:
        if (watched == viewport) {
          ResizeCanvas(list, viewport->size());
          for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(viewport->width(), item_height));
        }
        return false;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove: return Mouse(watched, static_cast<QMouseEvent*>(e));
      case QEvent::KeyPress: return watched == list && Key(static_cast<QKeyEvent*>(e));
      default: return false;
    }
  }

  ListBox* list;
  HWND self;  // the list's handle, checked before the list is touched
  int item_height = 16;

 private:
  bool Mouse(QObject* watched, QMouseEvent* e) {
    QPoint p = e->position().toPoint();
    if (watched == list) p -= list->viewport()->geometry().topLeft();
    WPARAM flags = 0;
    if (e->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    if (e->buttons() & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    UINT msg = 0;
    switch (e->type()) {
      case QEvent::MouseButtonPress: msg = e->button() == Qt::LeftButton ? WM_LBUTTONDOWN : 0; break;
      case QEvent::MouseButtonRelease: msg = e->button() == Qt::LeftButton ? WM_LBUTTONUP : 0; break;
      case QEvent::MouseButtonDblClick: msg = e->button() == Qt::LeftButton ? WM_LBUTTONDBLCLK : 0; break;
      default: msg = WM_MOUSEMOVE; break;
    }
    if (msg) Deliver(list, msg, flags, MAKELPARAM(p.x(), p.y()));
    return true;
  }

  bool Key(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    int k = e->key();
    switch (k) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_F1: return false;  // the dialog manager's
      default: break;
    }
    struct Map {
      int qt;
      WPARAM vk;
    };
    static constexpr Map keys[] = {
        {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},     {Qt::Key_Home, VK_HOME},
        {Qt::Key_Left, VK_LEFT},    {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    };
    WPARAM vk = 0;
    for (const Map& m : keys)
      if (m.qt == k) vk = m.vk;
    if (vk == 0 && ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) || k == Qt::Key_Space))
      vk = static_cast<WPARAM>(k);
    if (vk != 0) Deliver(list, WM_KEYDOWN, vk, 0);
    return true;
  }
};

OwnerDraw* Find(ListBox* l) {
  return static_cast<OwnerDraw*>(l->findChild<QObject*>(kOwnerDrawName, Qt::FindDirectChildrenOnly));
}

// The owner-drawn side of a list, started on first use; nullptr for anything else.
OwnerDraw* Attach(HWND window) {
  WindowHandle* h = Live(window);
  if (!h || h->kind != WindowKind::Control || h->control != ControlKind::ListBox || !h->styles.owner_draw)
    return nullptr;
  auto* l = static_cast<ListBox*>(h);
  if (OwnerDraw* o = Find(l)) return o;
  return new OwnerDraw(l);  // owned by the list
}

// The user moves the selection (notifies when the list has the notify style).
void SelectByUser(OwnerDraw* o, int row) {
  ListBox* l = o->list;
  if (row < 0 || row >= l->count()) return;
  if (l->currentRow() != row || !l->item(row)->isSelected()) l->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  if (Live(l)) l->scrollToItem(l->item(row));
}

int RowAt(OwnerDraw* o, int y) {
  if (o->list->count() == 0) return -1;
  int row = o->TopIndex() + (y < 0 ? 0 : y / o->item_height);
  return std::min(row, o->list->count() - 1);
}

LRESULT StandardListProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  OwnerDraw* o = Attach(window);
  if (!o) return DefaultControlProc(window, msg, wparam, lparam);
  ListBox* l = o->list;
  switch (msg) {
    case WM_LBUTTONDOWN:
      l->setFocus(Qt::MouseFocusReason);
      SelectByUser(o, RowAt(o, GET_Y_LPARAM(lparam)));
      return 0;
    case WM_MOUSEMOVE:
      if (wparam & MK_LBUTTON) SelectByUser(o, RowAt(o, GET_Y_LPARAM(lparam)));
      return 0;
    case WM_LBUTTONDBLCLK:
      if (l->styles.notify) Notify(l, LBN_DBLCLK);
      return 0;
    case WM_KEYDOWN: {
      int count = l->count();
      if (count == 0) return 0;
      int current = l->currentRow();
      int page = std::max(1, l->viewport()->height() / o->item_height);
      int row = current;
      switch (wparam) {
        case VK_UP: row = current < 0 ? 0 : current - 1; break;
        case VK_DOWN: row = current + 1; break;
        case VK_HOME: row = 0; break;
        case VK_END: row = count - 1; break;
        case VK_PRIOR: row = current - page; break;
        case VK_NEXT: row = current + page; break;
        default: return 0;
      }
      SelectByUser(o, std::clamp(row, 0, count - 1));
      return 0;
    }
    default: return DefaultControlProc(window, msg, wparam, lparam);
  }
}

}  // namespace
}  // namespace detail

using detail::Attach;

int ListBox_AddItemData(HWND list, LPARAM data) {
  detail::OwnerDraw* o = Attach(list);
  if (!o) return LB_ERR;
  auto* item = new QListWidgetItem;  // owned by the list from here on
  item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(data));
  item->setSizeHint(QSize(o->list->viewport()->width(), o->item_height));
  o->list->programmatic = true;
  o->list->addItem(item);
  o->list->programmatic = false;
  return o->list->count() - 1;
}

LPARAM ListBox_GetItemData(HWND list, int index) {
  detail::OwnerDraw* o = Attach(list);
  if (!o || index < 0 || index >= o->list->count()) return LB_ERR;
  return static_cast<LPARAM>(o->list->item(index)->data(Qt::UserRole).toLongLong());
}

bool ListBox_SetItemHeight(HWND list, int height) {
  detail::OwnerDraw* o = Attach(list);
  if (!o || height <= 0) return false;
  o->SetItemHeight(height);
  return true;
}

int ListBox_GetItemHeight(HWND list) {
  detail::OwnerDraw* o = Attach(list);
  return o ? o->item_height : LB_ERR;
}

int ListBox_GetTopIndex(HWND list) {
  detail::OwnerDraw* o = Attach(list);
  return o ? o->TopIndex() : LB_ERR;
}

bool ListBox_GetItemRect(HWND list, int index, RECT* rect) {
  detail::OwnerDraw* o = Attach(list);
  if (!o || !rect || index < 0 || index >= o->list->count()) return false;
  QRect r = o->ItemRect(index);
  *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  return true;
}

WNDPROC SetWindowProc(HWND control, WNDPROC proc) {
  Attach(control);  // an owner-drawn list gets its standard procedure first
  WindowHandle* h = detail::Live(control);
  if (!h || h->kind != WindowKind::Control) return {};
  WNDPROC previous = h->subclass ? h->subclass : WNDPROC(detail::DefaultControlProc);
  h->subclass = std::move(proc);
  return previous;
}

LRESULT CallWindowProc(const WNDPROC& proc, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return proc ? proc(window, msg, wparam, lparam) : 0;
}

}  // namespace win
