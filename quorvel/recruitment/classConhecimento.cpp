// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classConhecimento.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/errors.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

std::string Segment(std::string_view descr) { return "> " + std::string(descr) + " >"; }

// Where the segment "> old >" of the node stands in a description path, or npos.
// `prefix` is the description path of the node's ancestors (the node's own
// path without its last segment), known when the node's row is there: the
// segment is then the one right after it. Without it, `depth` (the number of
// ancestors, from the row's code path) tells which segment is the node's: the
// occurrence with exactly that many ">" before it. An ancestor or descendant
// of the same description is never taken for the node.
std::size_t NodeSegment(std::string_view path, std::optional<std::string_view> prefix, std::size_t depth,
                        std::string_view from) {
  if (prefix) {
    const bool there = path.substr(0, prefix->size()) == *prefix && path.substr(prefix->size(), from.size()) == from;
    return there ? prefix->size() : std::string_view::npos;
  }
  for (std::size_t at = path.find(from); at != std::string_view::npos; at = path.find(from, at + 1))
    if (static_cast<std::size_t>(std::count(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(at), '>')) ==
        depth)
      return at;
  return std::string_view::npos;
}

// The number of codes before ".code." in a code path (0 for a root), or
// nothing when the path does not hold the code.
std::optional<std::size_t> Depth(std::string_view code_path, std::string_view code) {
  const std::string dotted = "." + std::string(code) + ".";
  const std::size_t at = code_path.find(dotted);
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<std::size_t>(std::count(code_path.begin(), code_path.begin() + static_cast<std::ptrdiff_t>(at), '.'));
}

// A description path with the node's segment "> old >" made "> new >"; a
// path without the node's segment comes back unchanged.
std::string RenameSegment(std::string_view path, std::string_view code_path, std::string_view code,
                          std::optional<std::string_view> prefix, std::string_view old_descr,
                          std::string_view new_descr) {
  const std::string from = Segment(old_descr);
  const std::optional<std::size_t> depth = Depth(code_path, code);
  if (!prefix && !depth) return std::string(path);
  const std::size_t at = NodeSegment(path, prefix, depth.value_or(0), from);
  if (at == std::string_view::npos) return std::string(path);
  std::string out(path.substr(0, at));
  out += Segment(new_descr);
  out += path.substr(at + from.size());
  return out;
}

}  // namespace

void classConhecimento::BusConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string& pkCodConhec,
                                        std::string& pnCodPaiConhec, std::string& pnDescrConhec,
                                        std::string& pnCodCompletoConhec, std::string& pnDescrCompletaConhec) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs =
        Open(ConnRH, "SELECT * " "FROM RhsConhecimento " "WHERE CodConhec = " + sql::Quote(pkCodConhec));
    Copy(*rs, "CodConhec", pkCodConhec);
    Copy(*rs, "CodPaiConhec", pnCodPaiConhec);
    Copy(*rs, "DescrConhec", pnDescrConhec);
    Copy(*rs, "CodCompletoConhec", pnCodCompletoConhec);
    Copy(*rs, "DescrCompletaConhec", pnDescrCompletaConhec);
    rs->Close();
  });
}

void classConhecimento::ExcConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::string& pkCodConhec) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsConhecimento " "WHERE CodConhec = " + sql::Quote(pkCodConhec));
  });
}

void classConhecimento::AltConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::string& pkCodConhec, std::string&, std::string& pnDescrConhec,
                                        std::string&, std::string& pnDescrCompletaConhec,
                                        std::string& plValorAnterior) {
  bool began = false;
  Trapped(
      DescErr,
      [&] {
        ConnRH.BeginTrans();
        began = true;
        Execute(ConnRH, "UPDATE RhsConhecimento SET " "DescrConhec = " + sql::Quote(pnDescrConhec) + " "
                        "WHERE CodConhec = " + sql::Quote(pkCodConhec));
        // The code path comes along: it tells which segment is the node's
        // when the node's own row is gone.
        RecordsetPtr rs = Open(ConnRH, "SELECT CodConhec, DescrCompletaConhec, CodCompletoConhec "
                                       "FROM RhsConhecimento "
                                       "WHERE CodCompletoConhec LIKE " + sql::Quote("%." + pkCodConhec + ".%"));
        rs->MoveFirst();
        // The whole subtree is read first: the node's own row tells where its
        // segment stands in every path below it.
        struct Row {
          std::string code, path, code_path;
        };
        std::vector<Row> rows;
        for (; !rs->EOF_(); rs->MoveNext())
          rows.push_back({automation::CStr(rs->Fields("CodConhec").Value()),
                          automation::CStr(rs->Fields("DescrCompletaConhec").Value()),
                          automation::CStr(rs->Fields("CodCompletoConhec").Value())});
        const std::string from = Segment(plValorAnterior);
        std::optional<std::string> prefix;
        for (const Row& r : rows)
          if (r.code == pkCodConhec && r.path.size() >= from.size() &&
              std::string_view(r.path).substr(r.path.size() - from.size()) == from)
            prefix = r.path.substr(0, r.path.size() - from.size());
        for (const Row& r : rows) {
          pnDescrCompletaConhec =
              RenameSegment(r.path, r.code_path, pkCodConhec, prefix, plValorAnterior, pnDescrConhec);
          Execute(ConnRH, "UPDATE RhsConhecimento SET " "DescrCompletaConhec = " + sql::Quote(pnDescrCompletaConhec) +
                          " " "WHERE CodConhec = " + sql::Quote(r.code));
        }
        ConnRH.CommitTrans();
        rs->Close();
      },
      // Only a transaction of our own is rolled back (a caller's open one is
      // not ours to undo); a rollback that fails itself is not caught again.
      [&](const ErrObject&) {
        if (began) ConnRH.RollbackTrans();
      });
}

void classConhecimento::IncConhecimento(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                        std::string& pkCodConhec, std::string& pnCodPaiConhec,
                                        std::string& pnDescrConhec, std::string& pnCodCompletoConhec,
                                        std::string& pnDescrCompletaConhec) {
  const auto next = [&]() -> std::optional<std::string> {
    std::string code = fProxCodigo(ConnRH, DescErr);
    if (code.empty()) return std::nullopt;
    return code;
  };
  InsertTrapped(ConnRH, DescErr, pkCodConhec, {"RhsConhecimento", "CodConhec"}, next, [&](const std::string& key) {
    pnCodCompletoConhec.clear();
    const auto code_path = fBusCodCompleto(ConnRH, DescErr, pnCodPaiConhec, key);
    if (!code_path) return;
    pnCodCompletoConhec = *code_path;
    const auto descr_path = fBusDescrCompleta(ConnRH, DescErr, pnCodPaiConhec, key, pnDescrConhec);
    if (!descr_path) return;
    pnDescrCompletaConhec = *descr_path;
    const sql::ColumnValue row[] = {{"CodConhec", sql::Quote(key)},
                                    {"CodPaiConhec", sql::Quote(pnCodPaiConhec)},
                                    {"DescrConhec", sql::Quote(pnDescrConhec)},
                                    {"CodCompletoConhec", sql::Quote(pnCodCompletoConhec)},
                                    {"DescrCompletaConhec", sql::Quote(pnDescrCompletaConhec)}};
    Execute(ConnRH, sql::Insert("RhsConhecimento", row));
  });
}

void classConhecimento::CarConhecimento(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                        Variant& pkCodConhec, Variant& pnCodPaiConhec, Variant& pnDescrConhec,
                                        Variant& pnCodCompletoConhec, Variant& pnDescrCompletaConhec) {
  static constexpr Column kColumns[] = {
      {"CodConhec"}, {"CodPaiConhec"}, {"DescrConhec"}, {"CodCompletoConhec"}, {"DescrCompletaConhec"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodConhec, "CodConhec LIKE ", sql::Text);
    where.Add(pnCodPaiConhec, "CodPaiConhec LIKE ", sql::Text);
    where.Add(pnDescrConhec, "UPPER(DescrConhec) LIKE ", sql::UpperText);
    where.Add(pnCodCompletoConhec, "CodCompletoConhec = ", sql::Text);
    where.Add(pnDescrCompletaConhec, "UPPER(DescrCompletaConhec) = ", sql::UpperText);
    std::string statement = "SELECT * " "FROM RhsConhecimento " + where.Clause() + " ORDER BY CodCompletoConhec ";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

std::string classConhecimento::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  // The numerically greatest code, though the codes are text.
  const std::string greatest = "MAX(" + NumberOrdered(ConnRH, "CodConhec") + ")";
  const auto key = NextKey(ConnRH, DescErr, "SELECT " + greatest + " AS MaxCod " "FROM RhsConhecimento");
  return key ? std::to_string(*key) : std::string();
}

std::optional<std::string> classConhecimento::fBusCodCompleto(ado::Connection& ConnRH, std::string& DescErr,
                                                              const std::string& parent, const std::string& code) {
  std::optional<std::string> path;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT CodCompletoConhec " "FROM RhsConhecimento " "WHERE CodConhec LIKE " +
                                       sql::Quote(parent));
    path = rs->EOF_() ? "." + code + "." : automation::CStr(rs->Fields("CodCompletoConhec").Value()) + code + ".";
    rs->Close();
  });
  return path;
}

std::optional<std::string> classConhecimento::fBusDescrCompleta(ado::Connection& ConnRH, std::string& DescErr,
                                                                const std::string& parent, const std::string&,
                                                                const std::string& descr) {
  std::optional<std::string> path;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT DescrCompletaConhec " "FROM RhsConhecimento " "WHERE CodConhec LIKE " +
                                       sql::Quote(parent));
    path = rs->EOF_() ? Segment(descr)
                      : automation::CStr(rs->Fields("DescrCompletaConhec").Value()) + " " + descr + " >";
    rs->Close();
  });
  return path;
}

const com::ClassDescription<classConhecimento>& classConhecimento::Description() {
  using C = classConhecimento;
  static const com::ClassDescription<C> d{
      "Quorvel.classConhecimento",
      {
          com::Method<&C::BusConhecimento>("BusConhecimento", {"ConnRH", "DescErr", "pkCodConhec", "pnCodPaiConhec",
                                                               "pnDescrConhec", "pnCodCompletoConhec",
                                                               "pnDescrCompletaConhec"}),
          com::Method<&C::ExcConhecimento>("ExcConhecimento",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodConhec"}),
          com::Method<&C::AltConhecimento>("AltConhecimento",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodConhec",
                                            "pnCodPaiConhec", "pnDescrConhec", "pnCodCompletoConhec",
                                            "pnDescrCompletaConhec", "plValorAnterior"}),
          com::Method<&C::IncConhecimento>("IncConhecimento",
                                           {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodConhec",
                                            "pnCodPaiConhec", "pnDescrConhec", "pnCodCompletoConhec",
                                            "pnDescrCompletaConhec"}),
          com::Method<&C::CarConhecimento>("CarConhecimento",
                                           {"ConnRH", "DescErr", "vlArray", "pkCodConhec", "pnCodPaiConhec",
                                            "pnDescrConhec", "pnCodCompletoConhec", "pnDescrCompletaConhec"}),
      }};
  return d;
}

}  // namespace quorvel
