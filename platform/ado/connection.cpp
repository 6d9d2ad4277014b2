// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <map>
#include <mutex>
#include <typeindex>
#include <utility>

#include "platform/ado/ado.h"
#include "platform/ado/state.h"
#include "platform/automation/error.h"

namespace ado {
namespace {

constexpr std::string_view kSource = "ADODB.Connection";

[[noreturn]] void RaiseClosed() {
  automation::raise(kObjectClosed, "Operation is not allowed when the object is closed.", kSource);
}

// Unicode drivers are named with a trailing "w" (psqlodbcw.so, libmyodbc8w.so);
// they get UTF-16 through the W entry points. Others get and give UTF-8 bytes.
bool IsUnicodeDriver(std::string_view file) {
  std::size_t slash = file.rfind('/');
  if (slash != std::string_view::npos) file.remove_prefix(slash + 1);
  std::size_t dot = file.find('.');
  if (dot != std::string_view::npos) file = file.substr(0, dot);
  return !file.empty() && (file.back() == 'w' || file.back() == 'W');
}

// psqlODBC takes its client encoding from PGCLIENTENCODING, else from the
// locale of the environment: SQL_ASCII under LC_ALL=C, which fails every
// accented text. UTF-8 makes its conversions to and from UTF-16 its own,
// whatever the locale. A value the user has set is kept.
void PreferUtf8ClientEncoding() {
  static std::once_flag once;
  std::call_once(once, [] { setenv("PGCLIENTENCODING", "UTF8", /*overwrite=*/0); });
}

}  // namespace

ConnState::~ConnState() { Disconnect(); }

void ConnState::Disconnect() noexcept {
  for (Recordset::Impl* set : std::exchange(open_sets, {})) set->Release();
  if (connected) SQLDisconnect(dbc.get());
  connected = false;
  in_transaction = false;
}

struct Connection::Impl {
  std::shared_ptr<ConnState> state;
  ConnectMode mode = ConnectMode::adModeUnknown;
  long timeout = 15;
  std::string connection_string;  // kept after Close, as ADO does
  std::string dbms_name;          // likewise
  std::map<std::type_index, std::any> kept;  // Kept: until the next Open

  ConnState& Open() const {
    if (!state || !state->connected) RaiseClosed();
    return *state;
  }
  void SetAutocommit(bool on) const {
    SQLRETURN rc = SQLSetConnectAttr(state->dbc.get(), SQL_ATTR_AUTOCOMMIT,
                                     reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF),
                                     SQL_IS_UINTEGER);
    odbc::Check(rc, state->dbc, state->wide, kSource);
  }
  void EndTransaction(SQLSMALLINT completion, std::string_view name) const {
    ConnState& s = Open();
    if (!s.in_transaction) odbc::RaiseState("25000", std::string(name) + ": no transaction is active", kSource);
    odbc::Check(SQLEndTran(SQL_HANDLE_DBC, s.dbc.get(), completion), s.dbc, s.wide, kSource);
    s.in_transaction = false;
    SetAutocommit(true);
  }
};

Connection::Connection() : impl_(std::make_unique<Impl>()) {}

Connection::~Connection() { Close(); }

void Connection::Open(std::string_view connection_string, std::string_view user, std::string_view password,
                      long /*options*/) {
  if (IsOpen()) automation::raise(kObjectOpen, "Operation is not allowed when the object is open.", kSource);
  PreferUtf8ClientEncoding();
  auto state = std::make_shared<ConnState>();
  state->env = odbc::Environment();
  state->dbc = odbc::Handle(SQL_HANDLE_DBC, state->env->get());
  SQLSetConnectAttr(state->dbc.get(), SQL_ATTR_LOGIN_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(impl_->timeout)), SQL_IS_UINTEGER);
  if (impl_->mode == ConnectMode::adModeRead) {
    SQLSetConnectAttr(state->dbc.get(), SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY),
                      SQL_IS_UINTEGER);
  }

  std::string in(connection_string);
  if (!user.empty()) in += (in.empty() || in.back() == ';' ? "" : ";") + std::string("UID=") + std::string(user);
  if (!password.empty()) in += ";PWD=" + std::string(password);
  std::string out(4096, '\0');
  SQLSMALLINT out_length = 0;
  SQLRETURN rc = SQLDriverConnect(state->dbc.get(), nullptr, reinterpret_cast<SQLCHAR*>(in.data()),
                                  SQLSMALLINT(in.size()), reinterpret_cast<SQLCHAR*>(out.data()),
                                  SQLSMALLINT(out.size()), &out_length, SQL_DRIVER_NOPROMPT);
  odbc::Check(rc, state->dbc, false, kSource);
  state->connected = true;
  out.resize(odbc::Fitting(out_length, out.size() - 1));
  impl_->connection_string = std::move(out);

  char driver[512] = {};
  SQLSMALLINT driver_length = 0;
  if (odbc::Succeeded(SQLGetInfo(state->dbc.get(), SQL_DRIVER_NAME, driver, sizeof driver, &driver_length))) {
    state->wide = IsUnicodeDriver(driver);
  }
  char dbms[256] = {};
  SQLSMALLINT dbms_length = 0;
  impl_->dbms_name.clear();
  impl_->kept.clear();
  if (odbc::Succeeded(SQLGetInfo(state->dbc.get(), SQL_DBMS_NAME, dbms, sizeof dbms, &dbms_length))) {
    impl_->dbms_name.assign(dbms, odbc::Fitting(dbms_length, sizeof dbms - 1));
  }
  SQLGetInfo(state->dbc.get(), SQL_GETDATA_EXTENSIONS, &state->getdata_extensions, sizeof state->getdata_extensions,
             nullptr);
  impl_->state = std::move(state);
}

void Connection::SetMode(ConnectMode mode) { impl_->mode = mode; }

void Connection::SetConnectionTimeout(long seconds) { impl_->timeout = seconds; }

const std::string& Connection::ConnectionString() const {
  return impl_->connection_string;
}

const std::string& Connection::DbmsName() const { return impl_->dbms_name; }

std::any& Connection::KeptSlot(const std::type_info& type) const { return impl_->kept[std::type_index(type)]; }

bool Connection::IsOpen() const { return impl_->state && impl_->state->connected; }

std::unique_ptr<Recordset> Connection::Execute(std::string_view statement, long options) {
  constexpr long kExecuteNoRecords = 0x80;
  const std::shared_ptr<ConnState>& state = impl_->state;
  ConnState& s = impl_->Open();
  odbc::Handle stmt(SQL_HANDLE_STMT, s.dbc.get());
  auto impl = std::make_unique<Recordset::Impl>(state, std::move(stmt), std::string(statement));
  impl->Start();
  if (impl->columns.empty() || (options != -1 && (options & kExecuteNoRecords))) return nullptr;
  return std::make_unique<Recordset>(std::move(impl));
}

void Connection::BeginTrans() {
  ConnState& s = impl_->Open();
  if (s.in_transaction) odbc::RaiseState("25000", "BeginTrans: a transaction is already active", kSource);
  impl_->SetAutocommit(false);
  s.in_transaction = true;
}

void Connection::CommitTrans() { impl_->EndTransaction(SQL_COMMIT, "CommitTrans"); }

void Connection::RollbackTrans() { impl_->EndTransaction(SQL_ROLLBACK, "RollbackTrans"); }

void Connection::Close() {
  if (!impl_->state) return;
  if (impl_->state->in_transaction) {
    SQLEndTran(SQL_HANDLE_DBC, impl_->state->dbc.get(), SQL_ROLLBACK);
  }
  impl_->state->Disconnect();
  impl_->state.reset();
}

}  // namespace ado
